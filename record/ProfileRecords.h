#pragma once

#include "record/Codecs.h"
#include "record/DeviceSettings.h"
#include "record/ProfileGroup.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace marlo {

// The small records that change the device's station profiles at once, each framed by the
// shared record header and closing line. Names and texts are unescaped code page 932 bytes.

// Switches the profile whose record instance is `name` on or off.
std::string profileStateRecord(std::string_view name, bool on);
// Removes the profile whose record instance is `name`.
std::string profileDeleteRecord(std::string_view name);

// A profile as the profile editor registers it and hands it back to its caller.
struct EditedProfile {
    Text ssid;
    Text name; // the record instance, made from the SSID
    Flag state = 1;
    Flag encryption = 1;
    std::int32_t suite = profileWpa2; // profileOpen with encryption off
    std::int32_t keyType = keyPassphrase;

    bool operator==(const EditedProfile&) const = default;
};

// What the profile editor's controls hold when the user asks to register.
struct ProfileForm {
    Text ssid; // as typed, blanks included
    bool on = true;
    bool encryption = true;
    bool wpa2 = false;
    bool wep = false;
    bool hex = false;
    std::array<Text, keyRows> keys{};     // as typed
    int transmitRow = 0;                  // 0 to 3; any other row holds no key
    std::int32_t keyType = keyPassphrase; // kept when encryption is off
};

// Why a form cannot be registered. `lengths` are the two accepted digit counts of a hexadecimal
// key that has the wrong length.
struct ProfileRefusal {
    enum Reason {
        noSsid,
        noPassword,
        passphraseLength,
        notHexDigits,
        hexKeyLength,
        wepKeyLengthsDiffer,
        noTransmitKey,
    } reason;
    std::array<int, 2> lengths{};

    bool operator==(const ProfileRefusal&) const = default;
};

struct ProfileRegistration {
    EditedProfile profile;
    std::string record; // one "WLAN Profile" group
};

// Checks the form in the editor's order and builds the registration record, or gives the first
// refusal.
std::variant<ProfileRegistration, ProfileRefusal> composeProfile(const ProfileForm& form);

// The record instance the device knows a profile by: the SSID with its first character, one or
// two bytes, replaced by "_".
Text profileName(std::string_view ssid);

} // namespace marlo
