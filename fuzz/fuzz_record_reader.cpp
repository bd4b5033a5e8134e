// The record reader's value lookup on a record of outside bytes. The record is the input; its last
// bytes pick the lookup: flavour, format number, index and names from the record's own words.

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
constexpr std::array<std::string_view, 5> instances{"", "wlan0", "ap0", "1", "2"};
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
    const int flavour = input.ConsumeIntegralInRange(0, 3);
    const auto formatNumber = input.ConsumeIntegralInRange<std::int32_t>(0, 70);
    const auto index = input.ConsumeIntegralInRange<std::int32_t>(-1, 4);
    const bool required = input.ConsumeBool();
    const marlo::ValuePath path{pick(input, groups), attribute(pick(input, instances)), pick(input, items),
                                attribute(pick(input, instances)), attribute(pick(input, values))};
    const std::string record = input.ConsumeRemainingBytesAsString();

    const marlo::ValueTags tags{"<configgroup name = \"" + std::string(path.group) + "\">",
                                "</configgroup>",
                                "<configitem name = \"" + std::string(path.item) + "\">",
                                "</configitem>",
                                "<value>",
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
    switch (flavour) {
    case 0:
        reader.lookup(record, formatNumber, path, required);
        break;
    case 1:
        reader.lookup(record, formatNumber, path, required, marlo::RecordKind::status);
        break;
    case 2:
        reader.lookupAnyInstance(record, formatNumber, index, path, required);
        break;
    default:
        reader.lookupDestination(record, formatNumber, index, path.value.value_or("Address"), required);
        break;
    }
    return 0;
}
