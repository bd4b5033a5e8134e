// A loaded file saved unchanged loads back as it was: a record of outside bytes is imported as a file
// load, the settings that the pages store when nothing is changed are written for a file, and that
// record is imported again. The writer gives a record or says why it cannot; the second import must
// take the record and give the same settings, except where the record cannot say what the settings
// hold:
// - Each destination in the record carries its own protocol and reception, while the settings hold
//   one of each, from the last destination read; the writer puts them on destination 1 and "TCP"
//   and "Restricted" on the others. So TCP destinations read back restricted, and a record whose
//   destination 1 is TCP and a later one UDP reads back as UDP with destination 1 alone.
// - An empty address is written as none, like "<None>"; both read back as "<None>" with the mask
//   "<None>".
// - A secret the device reported only as set is asked for when saving, and reads back as typed.
// - A record that mixes CR LF line ends with lone carriage returns can hold a carriage return inside
//   a value, which a written record, whose lines end in lone carriage returns, cannot carry. Such
//   records are left out.

#include "fuzz/FuzzCheck.h"
#include "record/Codecs.h"
#include "record/RecordWriter.h"
#include "record/SettingsImport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using marlo::fuzz::require;

constexpr std::string_view accessPointSecret = "ap secret";
constexpr std::string_view serverSecret = "server secret";
constexpr std::string_view profileKey = "profile key";

class TypedSecrets : public marlo::PasswordPrompt {
public:
    marlo::PasswordAnswer ask(const marlo::PasswordRequest& request) override {
        switch (request.secret) {
        case marlo::SecretKind::accessPointPassphrase:
            return {marlo::promptEntered, std::string(accessPointSecret)};
        case marlo::SecretKind::serverPassword:
            return {marlo::promptEntered, std::string(serverSecret)};
        case marlo::SecretKind::profileKey:
            break;
        }
        return {marlo::promptEntered, std::string(profileKey)};
    }
};

bool mixesLineEnds(std::string_view record) {
    if (record.find("\r\n") == std::string_view::npos) {
        return false;
    }
    for (std::size_t cr = record.find('\r'); cr != std::string_view::npos; cr = record.find('\r', cr + 1)) {
        if (cr + 1 < record.size() && record[cr + 1] != '\n') {
            return true;
        }
    }
    return false;
}

std::optional<marlo::SettingsDocument> loadFile(std::string_view bytes) {
    marlo::SettingsDocument document;
    document.configRecord = bytes.substr(0, bytes.find('\0'));
    document.loadedFromFile = 1;
    if (!marlo::importSettings(document, 1, [](const std::string&) {})) {
        return std::nullopt;
    }
    return document;
}

// The settings a load of the saved file gives, by the rules above.
marlo::DeviceSettings expectedAfterSave(const marlo::DeviceSettings& loaded) {
    marlo::DeviceSettings expected = loaded;
    if (expected.accessPoint.passphrase == marlo::configuredSecret) {
        expected.accessPoint.passphrase = accessPointSecret;
    }
    if (expected.accept.password == marlo::configuredSecret) {
        expected.accept.password = serverSecret;
    }
    auto& connect = expected.connect;
    if (connect.protocol == 1) {
        for (std::size_t k = 1; k < connect.hosts.size(); ++k) {
            connect.hosts[k] = {};
        }
    } else {
        connect.reception = 0;
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto first = loadFile(bytes);
    if (!first || mixesLineEnds(first->configRecord)) {
        return 0;
    }
    first->edited = first->loaded;
    first->edited.reboot = 0;
    TypedSecrets prompt;
    marlo::RecordRefusal refusal;
    const auto saved = marlo::buildRecord(*first, marlo::RecordTarget::file, &prompt, &refusal);
    if (!saved) {
        require(refusal.message != nullptr, "a save that gives no record says why");
        return 0;
    }
    const auto second = loadFile(*saved);
    require(second.has_value(), "a saved record loads");
    require(second->loaded == expectedAfterSave(first->loaded), "a saved record loads as it was saved");
    return 0;
}
