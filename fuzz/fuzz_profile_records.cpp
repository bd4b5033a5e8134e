// The station profile records built from outside texts: the profile editor's form as typed, and the
// names of profiles as the device reported them for switching and deleting.

#include "fuzz/FuzzCheck.h"
#include "record/ProfileRecords.h"
#include "record/RecordFrame.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <variant>

namespace {

using marlo::fuzz::require;

bool isFramed(const std::string& record) {
    return record.starts_with(marlo::recordHeader()) && record.ends_with(marlo::recordClosingLine());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    marlo::ProfileForm form;
    form.on = input.ConsumeBool();
    form.encryption = input.ConsumeBool();
    form.wpa2 = input.ConsumeBool();
    form.wep = input.ConsumeBool();
    form.hex = input.ConsumeBool();
    form.transmitRow = input.ConsumeIntegralInRange(-1, marlo::keyRows);
    form.keyType = input.ConsumeIntegralInRange(0, 1);
    form.ssid = input.ConsumeRandomLengthString(64);
    for (marlo::Text& key : form.keys) {
        key = input.ConsumeRandomLengthString(100);
    }
    const std::string name = input.ConsumeRemainingBytesAsString();

    const auto composed = marlo::composeProfile(form);
    if (const auto* registration = std::get_if<marlo::ProfileRegistration>(&composed)) {
        require(isFramed(registration->record), "a registration is a whole record");
        require(!registration->profile.ssid.empty(), "a registered profile has an SSID");
        require(registration->profile.name == marlo::profileName(registration->profile.ssid),
                "a registered profile is named after its SSID");
    }
    require(isFramed(marlo::profileStateRecord(name, form.on)), "a switch is a whole record");
    require(isFramed(marlo::profileDeleteRecord(name)), "a deletion is a whole record");
    const marlo::Text renamed = marlo::profileName(name);
    require(renamed.empty() == name.empty() && renamed.size() <= name.size(),
            "a profile name replaces one character");
    return 0;
}
