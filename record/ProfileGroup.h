#pragma once

#include "record/RecordBuilder.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marlo {

inline constexpr int keyRows = 4;

// A WPA key and its type, of the enumeration `tables::keyType`.
struct WpaKeyText {
    std::int32_t keyType;
    std::string_view key;
};

// The WEP keys of a profile: the key size ("40" or "104"), the transmit key's row counted from 1 and
// the four rows, empty where no key was typed.
struct WepKeysText {
    std::string_view keySize;
    std::string_view transmitIndex;
    std::array<std::string_view, keyRows> keys{};
};

// A station profile's group. Texts are record text, escaped by the caller.
struct ProfileGroupText {
    std::string_view instance;
    std::optional<std::string_view> networkName; // none in a record that only switches the profile
    std::string_view state; // "Enabled"/"Disabled" in a saved record, "Enable"/"Disable" at the prompt
    // The "Security" item, when there is one: its suite, then the key values that follow.
    std::optional<std::int32_t> suite{};
    bool authentication = false; // the WPA authentication ahead of the key, as the editor sends it
    std::optional<WpaKeyText> wpaKey{};
    std::optional<WepKeysText> wepKeys{};
};

// Appends the group; the record is spelled here only.
void appendProfileGroup(RecordBuilder& out, const ProfileGroupText& group);

} // namespace marlo
