#include "record/ProfileGroup.h"

#include "record/Codecs.h"
#include "record/SettingsSchema.h"

#include <string>

namespace marlo {

namespace {

namespace keyValues = profileKeyValues;

std::string_view itemNameOf(Setting setting) {
    return settingRow(setting).place.item;
}

std::string_view valueNameOf(Setting setting) {
    return *settingRow(setting).place.value;
}

void appendSecurity(RecordBuilder& out, const ProfileGroupText& group) {
    out.itemStart(itemNameOf(Setting::profileSuite));
    out.namedValue(valueNameOf(Setting::profileSuite), enumerationName(tables::profileSuite, *group.suite));
    if (group.authentication) {
        out.namedValue(keyValues::wpaAuthentication, "PSK");
    }
    if (const auto& wpa = group.wpaKey) {
        out.namedValue(valueNameOf(Setting::profileKeyType), enumerationName(tables::keyType, wpa->keyType));
        out.namedValue(keyValues::wpaPassphrase, wpa->keyType == keyPassphrase ? wpa->key : "");
        out.namedValue(keyValues::wpaKey, wpa->keyType == keyHex ? wpa->key : "");
    }
    if (const auto& wep = group.wepKeys) {
        out.namedValue(keyValues::wepKeySize, wep->keySize);
        out.namedValue(keyValues::wepTransmitKeyIndex, wep->transmitIndex);
        for (int row = 0; row < keyRows; ++row) {
            out.namedValue(keyValues::wepKey(row), wep->keys[static_cast<std::size_t>(row)]);
        }
    }
    out.itemEnd();
}

} // namespace

void appendProfileGroup(RecordBuilder& out, const ProfileGroupText& group) {
    out.groupStart(groups::wlanProfile.name, group.instance);
    out.itemStart(itemNameOf(Setting::profileNetworkName));
    if (group.networkName) {
        out.namedValue(valueNameOf(Setting::profileNetworkName), *group.networkName);
    }
    out.namedValue(valueNameOf(Setting::profileState), group.state);
    out.itemEnd();
    if (group.suite) {
        appendSecurity(out, group);
    }
    out.groupEnd();
}

} // namespace marlo
