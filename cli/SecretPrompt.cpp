#include "cli/SecretPrompt.h"

namespace marlo::cli {

PasswordAnswer SecretPrompt::ask(const PasswordRequest& request) {
    std::optional<std::string> secret;
    switch (request.secret) {
    case SecretKind::accessPointPassphrase:
        secret = accessPointPassphrase;
        break;
    case SecretKind::serverPassword:
        secret = serverPassword;
        break;
    case SecretKind::profileKey:
        if (const auto key = profileKeys.find(request.networkName); key != profileKeys.end()) {
            secret = key->second;
        }
        break;
    }
    if (!secret) {
        return {promptSkip, {}};
    }
    refusal = passwordLengthError(request, *secret);
    if (refusal != nullptr) {
        return {promptStop, {}};
    }
    return {promptEntered, *secret};
}

} // namespace marlo::cli
