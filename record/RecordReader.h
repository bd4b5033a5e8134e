#pragma once

#include "record/DeviceSettings.h"
#include "record/SettingsSchema.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// Receives the reader's diagnostics; the windows show them in a box and put them on the
// clipboard, the command line prints them.
using MessageSink = std::function<void(const std::string&)>;

// The exact substrings that mark a value's surroundings, one element a line.
struct ValueTags {
    std::string groupStart;
    std::string groupEnd;
    std::string itemStart;
    std::string itemEnd;
    std::string valueStart;
    std::string valueEnd;
};

// Walks the record line by line (lines end in CR LF or, when no CR LF is left, a lone CR) and
// returns the text of the first value inside the item inside the group. Text after the last line
// end is never examined, and nothing beyond the end of the record is read.
std::optional<std::string_view> findValue(std::string_view record, const ValueTags& tags);

// Finds a setting's value where its row places it in a record and stores it into `target` through
// the row's codec. A lookup fails when the value is missing (reported only when required) or
// malformed (always reported). A row of the station's status group is looked up in a status record.
class RecordReader {
public:
    RecordReader(DeviceSettings& target, MessageSink sink);

    bool lookup(std::string_view record, const SettingRow& row, bool required) const;

    // Matches the row's group by its name only, whatever its instance, for station profile `profile`.
    bool lookupAnyInstance(std::string_view record, const SettingRow& row, std::size_t profile,
                           bool required) const;

    // The row's named value in the item instance `host` + 1, the destination's.
    bool lookupDestination(std::string_view record, const SettingRow& row, std::size_t host,
                           bool required) const;

private:
    struct Diagnostics {
        std::function<std::string()> notFound;
        std::function<std::string(std::string_view value)> formatError;
    };
    bool resolve(std::string_view record, const ValueTags& tags, const SettingRow& row, std::size_t element,
                 bool required, const Diagnostics& diagnostics) const;

    DeviceSettings& target_;
    MessageSink sink_;
};

} // namespace marlo
