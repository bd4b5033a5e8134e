#include "record/ProfileRecords.h"

#include "record/Codecs.h"
#include "record/ProfileGroup.h"
#include "record/RecordBuilder.h"
#include "record/RecordFrame.h"
#include "record/SettingsSchema.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace marlo {

namespace {

constexpr std::size_t minPassphrase = 8;
constexpr std::size_t maxPassphrase = 63;
constexpr std::array<int, 2> wpaHexLengths{64, 91};
constexpr std::array<int, 2> wepHexLengths{10, 26};

std::string_view onOffWord(bool on) {
    return on ? "Enable" : "Disable";
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool isLeadByte(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return (code >= 0x81 && code <= 0x9f) || (code >= 0xe0 && code <= 0xfc);
}

std::optional<ProfileRefusal> checkHexKey(std::string_view key, std::array<int, 2> lengths) {
    if (!std::all_of(key.begin(), key.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
        return ProfileRefusal{ProfileRefusal::notHexDigits};
    }
    const auto length = static_cast<int>(key.size());
    if (length != lengths[0] && length != lengths[1]) {
        return ProfileRefusal{ProfileRefusal::hexKeyLength, lengths};
    }
    return std::nullopt;
}

void startRecord(RecordBuilder& out) {
    out.append(recordHeader());
}

void endRecord(RecordBuilder& out) {
    out.append(recordClosingLine());
}

// The key of a WPA profile, escaped, or why the form's key cannot be registered.
std::variant<std::string, ProfileRefusal> wpaKey(const ProfileForm& form) {
    const std::string_view key = trimmed(form.keys[0]);
    if (key.empty()) {
        return ProfileRefusal{ProfileRefusal::noPassword};
    }
    if (form.hex) {
        if (auto refusal = checkHexKey(key, wpaHexLengths)) {
            return *refusal;
        }
    } else if (key.size() < minPassphrase || key.size() > maxPassphrase) {
        return ProfileRefusal{ProfileRefusal::passphraseLength};
    }
    return escapeText(key);
}

// The four WEP key rows, escaped, or why the form's keys cannot be registered.
std::variant<std::array<std::string, keyRows>, ProfileRefusal> wepKeys(const ProfileForm& form) {
    std::array<std::string, keyRows> keys{};
    std::size_t keyLength = 0;
    for (std::size_t row = 0; row < keys.size(); ++row) {
        const std::string_view key = trimmed(form.keys[row]);
        if (key.empty()) {
            continue;
        }
        if (auto refusal = checkHexKey(key, wepHexLengths)) {
            return *refusal;
        }
        if (keyLength == 0) {
            keyLength = key.size();
        } else if (key.size() != keyLength) {
            return ProfileRefusal{ProfileRefusal::wepKeyLengthsDiffer};
        }
        keys[row] = escapeText(key);
    }
    if (form.transmitRow < 0 || form.transmitRow >= keyRows ||
        keys[static_cast<std::size_t>(form.transmitRow)].empty()) {
        return ProfileRefusal{ProfileRefusal::noTransmitKey};
    }
    return keys;
}

} // namespace

std::string profileStateRecord(std::string_view name, bool on) {
    RecordBuilder out;
    startRecord(out);
    appendProfileGroup(out,
                       {.instance = escapeText(name), .networkName = std::nullopt, .state = onOffWord(on)});
    endRecord(out);
    return out.take();
}

std::string profileDeleteRecord(std::string_view name) {
    RecordBuilder out;
    startRecord(out);
    out.groupStart("XML Import Control");
    out.itemStart("WLAN Profile delete");
    out.namedValue("name", escapeText(name));
    out.itemEnd();
    out.groupEnd();
    endRecord(out);
    return out.take();
}

Text profileName(std::string_view ssid) {
    if (ssid.empty()) {
        return {};
    }
    const std::size_t firstLength = isLeadByte(ssid.front()) && ssid.size() > 1 ? 2 : 1;
    return "_" + Text(ssid.substr(firstLength));
}

std::variant<ProfileRegistration, ProfileRefusal> composeProfile(const ProfileForm& form) {
    EditedProfile profile;
    profile.state = form.on ? 1 : 0;
    profile.ssid = Text(trimmed(form.ssid));
    if (profile.ssid.empty()) {
        return ProfileRefusal{ProfileRefusal::noSsid};
    }
    profile.name = profileName(profile.ssid);
    profile.encryption = form.encryption ? 1 : 0;
    profile.suite = profileOpen;
    profile.keyType = form.keyType;

    const std::string instance = escapeText(profile.name);
    const std::string ssid = escapeText(profile.ssid);
    ProfileGroupText group{.instance = instance, .networkName = ssid, .state = onOffWord(form.on)};
    std::string key;
    std::array<std::string, keyRows> keys{};
    const std::string transmitIndex = std::to_string(form.transmitRow + 1);
    if (form.encryption && form.wep) {
        auto composed = wepKeys(form);
        if (const auto* refusal = std::get_if<ProfileRefusal>(&composed)) {
            return *refusal;
        }
        keys = std::move(std::get<0>(composed));
        profile.suite = profileWep;
        profile.keyType = keyHex;
        const bool shortKeys = std::any_of(keys.begin(), keys.end(), [](const std::string& row) {
            return row.size() == static_cast<std::size_t>(wepHexLengths[0]);
        });
        group.suite = profileWep;
        group.wepKeys =
            WepKeysText{shortKeys ? "40" : "104", transmitIndex, {keys[0], keys[1], keys[2], keys[3]}};
    } else if (form.encryption) {
        auto composed = wpaKey(form);
        if (const auto* refusal = std::get_if<ProfileRefusal>(&composed)) {
            return *refusal;
        }
        key = std::move(std::get<0>(composed));
        profile.suite = form.wpa2 ? profileWpa2 : profileWpaWpa2Mixed;
        profile.keyType = form.hex ? keyHex : keyPassphrase;
        group.suite = profile.suite;
        group.authentication = true;
        group.wpaKey = WpaKeyText{profile.keyType, key};
    }

    RecordBuilder out;
    startRecord(out);
    // The device has always been sent this group line with one blank more than the others.
    out.append(" ");
    appendProfileGroup(out, group);
    endRecord(out);
    return ProfileRegistration{std::move(profile), out.take()};
}

} // namespace marlo
