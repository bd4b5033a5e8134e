#include "cli/SecretPrompt.h"

#include "cli/Console.h"
#include "cli/Translation.h"
#include "record/Cp932.h"
#include "record/TranslatableText.h"

namespace marlo::cli {

PasswordAnswer SecretPrompt::ask(const PasswordRequest& request) {
    std::optional<std::string> secret;
    std::string option;
    switch (request.secret) {
    case SecretKind::accessPointPassphrase:
        secret = accessPointPassphrase;
        option = "ap";
        break;
    case SecretKind::serverPassword:
        secret = serverPassword;
        option = "server";
        break;
    case SecretKind::profileKey:
        if (const auto key = profileKeys.find(request.networkName); key != profileKeys.end()) {
            secret = key->second;
        }
        option = "profile=" + escapedText(request.networkName);
        break;
    }
    if (!secret) {
        return {promptSkip, {}};
    }
    refusal = passwordLengthError(request, *secret);
    if (refusal != nullptr) {
        refusedSecret = option;
        return {promptStop, {}};
    }
    return {promptEntered, *secret};
}

namespace {

constexpr const char* unwritableSecret =
    QT_TRANSLATE_NOOP("marlo-cli", "コードページ932で表せない文字が含まれています。");
} // namespace

// Takes one "--secret" value into the prompt; false when it names no secret or when its text
// cannot be written in code page 932, which is said without the secret itself.
bool takeSecret(std::string_view value, SecretPrompt& secrets, std::ostream& err) {
    const auto text = [&err](std::string_view utf8, std::string_view option) {
        auto cp932 = utf8ToCp932(utf8);
        if (!cp932) {
            err << "marlo-cli: --secret " << option << ": " << translated("marlo-cli", unwritableSecret)
                << "\n";
        }
        return cp932;
    };
    if (value.starts_with("ap=")) {
        secrets.accessPointPassphrase = text(value.substr(3), "ap");
        return secrets.accessPointPassphrase.has_value();
    }
    if (value.starts_with("server=")) {
        secrets.serverPassword = text(value.substr(7), "server");
        return secrets.serverPassword.has_value();
    }
    const std::size_t colon = value.find(':');
    if (value.starts_with("profile=") && colon != std::string_view::npos) {
        const std::string_view option = value.substr(0, colon);
        const auto networkName = text(value.substr(8, colon - 8), option);
        const auto key = networkName ? text(value.substr(colon + 1), option) : std::nullopt;
        if (!key) {
            return false;
        }
        secrets.profileKeys[*networkName] = *key;
        return true;
    }
    return false;
}

} // namespace marlo::cli
