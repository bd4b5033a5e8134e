#include "cli/SecretPrompt.h"

#include "cli/Console.h"

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
        option = "profile=" + displayText(request.networkName);
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

} // namespace marlo::cli
