#include "record/RecordReader.h"

#include "record/ValueCodecs.h"

#include <utility>

namespace marlo {

namespace {

constexpr std::string_view crLf = "\r\n";

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string startTag(std::string_view element, std::string_view name,
                     std::optional<std::string_view> instance) {
    std::string tag = "<" + std::string(element) + " name = " + quoted(name);
    if (instance) {
        tag += " instance = " + quoted(*instance);
    }
    return tag + ">";
}

std::string valueStartTag(std::optional<std::string_view> name) {
    return name ? "<value name = " + quoted(*name) + ">" : "<value>";
}

ValueTags configurationTags(std::string groupStart, std::string itemStart, std::string valueStart) {
    return {std::move(groupStart), "</configgroup>",      std::move(itemStart),
            "</configitem>",       std::move(valueStart), "</value>"};
}

// Names a value by its group, item and name attribute; an absent instance or name is left out
// of the tag.
struct ValuePath {
    std::string_view group{};
    std::optional<std::string_view> groupInstance{};
    std::string_view item{};
    std::optional<std::string_view> itemInstance{};
    std::optional<std::string_view> value{};
};

ValuePath pathOf(const SettingRow& row) {
    return {.group = row.place.group->name,
            .groupInstance = row.place.group->instance,
            .item = row.place.item,
            .value = row.place.value};
}

bool contains(std::string_view line, std::string_view tag) {
    return line.find(tag) != std::string_view::npos;
}

} // namespace

std::optional<std::string_view> findValue(std::string_view record, const ValueTags& tags) {
    bool inGroup = false;
    bool inItem = false;
    std::size_t position = 0;
    std::size_t nextCrLf = record.find(crLf);
    while (position < record.size()) {
        if (nextCrLf != std::string_view::npos && nextCrLf < position) {
            nextCrLf = record.find(crLf, position);
        }
        const std::size_t lineEnd =
            nextCrLf != std::string_view::npos ? nextCrLf : record.find('\r', position);
        if (lineEnd == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view line = record.substr(position, lineEnd - position);
        if (!inGroup) {
            inGroup = contains(line, tags.groupStart);
        } else {
            if (!inItem) {
                inItem = contains(line, tags.itemStart);
            } else if (const std::size_t start = line.find(tags.valueStart);
                       start != std::string_view::npos) {
                const std::string_view rest = line.substr(start + tags.valueStart.size());
                const std::size_t end = rest.find(tags.valueEnd);
                if (end == std::string_view::npos) {
                    return std::nullopt;
                }
                return rest.substr(0, end);
            } else if (contains(line, tags.itemEnd)) {
                inItem = false;
            }
            if (contains(line, tags.groupEnd)) {
                inGroup = false;
            }
        }
        // The line's CR and one more byte: the LF of a CR LF, else the first byte of the next line.
        position = lineEnd + 2;
    }
    return std::nullopt;
}

RecordReader::RecordReader(DeviceSettings& target, MessageSink sink)
    : target_(target)
    , sink_(std::move(sink)) {}

bool RecordReader::resolve(std::string_view record, const ValueTags& tags, const SettingRow& row,
                           std::size_t element, bool required, const Diagnostics& diagnostics) const {
    const auto value = findValue(record, tags);
    if (!value) {
        if (required && sink_) {
            sink_(diagnostics.notFound());
        }
        return false;
    }
    if (!decodeValue(row, target_, element, *value)) {
        if (sink_) {
            sink_(diagnostics.formatError(*value));
        }
        return false;
    }
    return true;
}

bool RecordReader::lookup(std::string_view record, const SettingRow& row, bool required) const {
    const bool status = row.place.group == &groups::stationStatus;
    const ValuePath path = pathOf(row);
    const ValueTags tags{startTag(status ? "statusgroup" : "configgroup", path.group, path.groupInstance),
                         status ? "</statusgroup>" : "</configgroup>",
                         startTag(status ? "statusitem" : "configitem", path.item, path.itemInstance),
                         status ? "</statusitem>" : "</configitem>",
                         valueStartTag(path.value),
                         "</value>"};
    const std::string where =
        "group: " + tags.groupStart + "\nitem: " + tags.itemStart + "\nvalue: " + tags.valueStart;
    return resolve(record, tags, row, 0, required,
                   {[&] { return "*** not found ***\n" + where; },
                    [&](std::string_view value) {
                        return "*** format error ***" + where +
                               "\nformat no: " + std::to_string(row.formatNumber) + "\n[ " +
                               std::string(value) + " ]";
                    }});
}

bool RecordReader::lookupAnyInstance(std::string_view record, const SettingRow& row, std::size_t profile,
                                     bool required) const {
    const ValuePath path = pathOf(row);
    const ValueTags tags =
        configurationTags("<configgroup name = " + quoted(path.group),
                          startTag("configitem", path.item, path.itemInstance), valueStartTag(path.value));
    const std::string where = "configgroup: " + tags.groupStart + "\nconfigitem: " + tags.itemStart +
                              "\nvalue: " + tags.valueStart + "\nsubnum: " + std::to_string(profile);
    return resolve(record, tags, row, profile, required,
                   {[&] { return "*** AnyInstance: not found ***\n" + where; },
                    [&](std::string_view value) {
                        return "*** AnyInstance: format error ***" + where +
                               "format no: " + std::to_string(row.formatNumber) + "\n[ " +
                               std::string(value) + " ]";
                    }});
}

bool RecordReader::lookupDestination(std::string_view record, const SettingRow& row, std::size_t host,
                                     bool required) const {
    const ValuePath path = pathOf(row);
    const ValueTags tags = configurationTags(startTag("configgroup", path.group, path.groupInstance),
                                             startTag("configitem", path.item, std::to_string(host + 1)),
                                             valueStartTag(path.value));
    const std::string where = "configgroup: " + tags.groupStart + "\nconfigitem: " + tags.itemStart +
                              "\nvalue: " + tags.valueStart + "\nsubnum: " + std::to_string(host);
    return resolve(record, tags, row, host, required,
                   {[&] { return "*** Host: not found ***\n" + where; },
                    [&](std::string_view value) {
                        return "*** Host: format error ***" + where +
                               "\nformat no: " + std::to_string(row.formatNumber) + "\n[ " +
                               std::string(value) + " ]";
                    }});
}

} // namespace marlo
