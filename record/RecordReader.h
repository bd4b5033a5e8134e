#pragma once

#include "record/DeviceSettings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// Receives the reader's diagnostics; the windows show them in a box and put them on the
// clipboard, the command line prints them.
using MessageSink = std::function<void(const std::string&)>;

enum class RecordKind { configuration, status };

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

// Names a value by its group, item and name attribute; an absent instance or name is left out
// of the tag.
struct ValuePath {
    std::string_view group{};
    std::optional<std::string_view> groupInstance{};
    std::string_view item{};
    std::optional<std::string_view> itemInstance{};
    std::optional<std::string_view> value{};
};

// Finds one value in a record and stores it into `target` through the codec that the format
// number selects. A lookup fails when the value is missing (reported only when required) or
// malformed (always reported).
class RecordReader {
public:
    RecordReader(DeviceSettings& target, MessageSink sink);

    bool lookup(std::string_view record, std::int32_t formatNumber, const ValuePath& path, bool required,
                RecordKind kind = RecordKind::configuration) const;

    // Matches the group by its name only, whatever its instance; `path.groupInstance` is not used.
    // `index` picks the station profile.
    bool lookupAnyInstance(std::string_view record, std::int32_t formatNumber, std::int32_t index,
                           const ValuePath& path, bool required) const;

    // The named value of destination index + 1 in "Tunnel Connect" instance "1".
    bool lookupDestination(std::string_view record, std::int32_t formatNumber, std::int32_t index,
                           std::string_view valueName, bool required) const;

private:
    struct Diagnostics {
        std::function<std::string()> notFound;
        std::function<std::string(std::string_view value)> formatError;
    };
    bool resolve(std::string_view record, const ValueTags& tags, std::int32_t formatNumber,
                 std::int32_t index, bool required, const Diagnostics& diagnostics) const;

    DeviceSettings& target_;
    MessageSink sink_;
};

} // namespace marlo
