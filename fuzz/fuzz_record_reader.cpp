// The record reader's value lookup on a record of outside bytes. The record is the input; its last
// bytes pick the tags of a bare scan from the record's own words, and the setting, element and
// flavour of a lookup.

#include "fuzz/FuzzCheck.h"
#include "record/RecordReader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

using marlo::fuzz::require;

constexpr std::array<std::string_view, 10> groups{
    "Radio", "Interface",      "Access Point", "Tunnel Accept",     "Tunnel Connect", "Tunnel Disconnect",
    "Line",  "Tunnel Packing", "WLAN Profile", "XML Import Control"};
constexpr std::array<std::string_view, 14> items{
    "Band", "State", "Priority", "IP Address",      "DHCP IP Address Range",
    "SSID", "Mode",  "Host",     "Start Character", "Reconnect Time",
    "Push", "Basic", "Security", "Current"};
constexpr std::array<std::string_view, 7> values{"",      "Start",     "End", "Address", "Network Name",
                                                 "Suite", "IP Address"};

// An empty word stands for a tag without that attribute.
std::optional<std::string_view> attribute(std::string_view word) {
    return word.empty() ? std::nullopt : std::optional(word);
}

template <std::size_t N>
std::string_view pick(FuzzedDataProvider& input, const std::array<std::string_view, N>& words) {
    return words[input.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int flavour = input.ConsumeIntegralInRange(0, 2);
    const auto rows = marlo::settingsSchema();
    const marlo::SettingRow& row = rows[input.ConsumeIntegralInRange<std::size_t>(0, rows.size() - 1)];
    const auto element = input.ConsumeIntegralInRange<std::size_t>(0, marlo::elementCount(row.array) - 1);
    const bool required = input.ConsumeBool();
    const std::string group(pick(input, groups));
    const std::string item(pick(input, items));
    const auto value = attribute(pick(input, values));
    const std::string record = input.ConsumeRemainingBytesAsString();

    const marlo::ValueTags tags{"<configgroup name = \"" + group + "\">",
                                "</configgroup>",
                                "<configitem name = \"" + item + "\">",
                                "</configitem>",
                                value ? "<value name = \"" + std::string(*value) + "\">" : "<value>",
                                "</value>"};
    if (const auto found = marlo::findValue(record, tags)) {
        require(found->data() >= record.data() &&
                    found->data() + found->size() <= record.data() + record.size(),
                "a value lies inside its record");
        require(found->find("</value>") == std::string_view::npos, "a value ends at its first end tag");
        require(found->find("\r\n") == std::string_view::npos, "a value lies on one line");
    }

    marlo::DeviceSettings settings;
    const marlo::RecordReader reader(settings, [](const std::string& message) {
        require(message.starts_with("*** "), "a diagnostic says what went wrong");
    });
    if (!row.place.group) {
        return 0;
    }
    switch (flavour) {
    case 0:
        reader.lookup(record, row, required);
        break;
    case 1:
        reader.lookupAnyInstance(record, row, element, required);
        break;
    default:
        reader.lookupDestination(record, row, element, required);
        break;
    }
    return 0;
}
