#include "record/ProfileRecords.h"

#include "record/Codecs.h"
#include "record/RecordBuilder.h"
#include "record/RecordFrame.h"
#include "record/SettingsSchema.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace marlo {

namespace {

namespace keyValues = profileKeyValues;

// The profile group's item and value names, as the schema spells them.
std::string_view itemNameOf(Setting setting) {
    return settingRow(setting).place.item;
}
std::string_view valueNameOf(Setting setting) {
    return *settingRow(setting).place.value;
}

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
    out.groupEnd();
    out.append(recordClosingLine());
}

std::optional<ProfileRefusal> appendWpaSecurity(const ProfileForm& form, EditedProfile& profile,
                                                RecordBuilder& out) {
    profile.suite = form.wpa2 ? profileWpa2 : profileWpaWpa2Mixed;
    profile.keyType = form.hex ? keyHex : keyPassphrase;
    const std::string_view key = trimmed(form.keys[0]);
    if (key.empty()) {
        return ProfileRefusal{ProfileRefusal::noPassword};
    }
    if (profile.keyType == keyHex) {
        if (auto refusal = checkHexKey(key, wpaHexLengths)) {
            return refusal;
        }
    } else if (key.size() < minPassphrase || key.size() > maxPassphrase) {
        return ProfileRefusal{ProfileRefusal::passphraseLength};
    }
    const std::string escapedKey = escapeText(key);
    out.itemStart(itemNameOf(Setting::profileSuite));
    out.namedValue(valueNameOf(Setting::profileSuite), enumerationName(tables::profileSuite, profile.suite));
    out.namedValue(keyValues::wpaAuthentication, "PSK");
    out.namedValue(valueNameOf(Setting::profileKeyType), enumerationName(tables::keyType, profile.keyType));
    out.namedValue(keyValues::wpaPassphrase, profile.keyType == keyPassphrase ? escapedKey : "");
    out.namedValue(keyValues::wpaKey, profile.keyType == keyHex ? escapedKey : "");
    out.itemEnd();
    return std::nullopt;
}

std::optional<ProfileRefusal> appendWepSecurity(const ProfileForm& form, EditedProfile& profile,
                                                RecordBuilder& out) {
    profile.suite = profileWep;
    profile.keyType = keyHex;
    std::array<std::string_view, keyRows> keys{};
    std::size_t keyLength = 0;
    for (int row = 0; row < keyRows; ++row) {
        keys[row] = trimmed(form.keys[row]);
        if (keys[row].empty()) {
            continue;
        }
        if (auto refusal = checkHexKey(keys[row], wepHexLengths)) {
            return refusal;
        }
        if (keyLength == 0) {
            keyLength = keys[row].size();
        } else if (keys[row].size() != keyLength) {
            return ProfileRefusal{ProfileRefusal::wepKeyLengthsDiffer};
        }
    }
    if (form.transmitRow < 0 || form.transmitRow >= keyRows || keys[form.transmitRow].empty()) {
        return ProfileRefusal{ProfileRefusal::noTransmitKey};
    }
    out.itemStart(itemNameOf(Setting::profileSuite));
    out.namedValue(valueNameOf(Setting::profileSuite), enumerationName(tables::profileSuite, profileWep));
    out.namedValue(keyValues::wepKeySize,
                   keyLength == static_cast<std::size_t>(wepHexLengths[0]) ? "40" : "104");
    out.namedValue(keyValues::wepTransmitKeyIndex, std::to_string(form.transmitRow + 1));
    for (int row = 0; row < keyRows; ++row) {
        out.namedValue(keyValues::wepKey(row), escapeText(keys[row]));
    }
    out.itemEnd();
    return std::nullopt;
}

} // namespace

std::string profileStateRecord(std::string_view name, bool on) {
    RecordBuilder out;
    startRecord(out);
    out.groupStart(groups::wlanProfile.name, escapeText(name));
    out.itemStart(itemNameOf(Setting::profileState));
    out.namedValue(valueNameOf(Setting::profileState), onOffWord(on));
    out.itemEnd();
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

    RecordBuilder out;
    startRecord(out);
    // The device has always been sent this group line with one blank more than the others.
    out.append(" ");
    out.groupStart(groups::wlanProfile.name, escapeText(profile.name));
    out.itemStart(itemNameOf(Setting::profileNetworkName));
    out.namedValue(valueNameOf(Setting::profileNetworkName), escapeText(profile.ssid));
    out.namedValue(valueNameOf(Setting::profileState), onOffWord(form.on));
    out.itemEnd();
    if (form.encryption) {
        const auto refusal =
            form.wep ? appendWepSecurity(form, profile, out) : appendWpaSecurity(form, profile, out);
        if (refusal) {
            return *refusal;
        }
    }
    endRecord(out);
    return ProfileRegistration{std::move(profile), out.take()};
}

} // namespace marlo
