#pragma once

#include "record/PasswordPrompt.h"

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace marlo::cli {

// Answers the record writer's password prompts from secrets given on the command line (code page
// 932): a secret that was given is entered, any other is skipped. A given secret that breaks the
// prompt's length rule stops the build; `refusal` then says why.
class SecretPrompt : public PasswordPrompt {
public:
    std::optional<std::string> accessPointPassphrase;
    std::optional<std::string> serverPassword;
    std::map<std::string, std::string> profileKeys; // by network name

    const char* refusal = nullptr; // UTF-8, in the context "PasswordPrompt"
    std::string refusedSecret;     // which one: "ap", "server" or "profile=SSID" (UTF-8)

    PasswordAnswer ask(const PasswordRequest& request) override;
};

// Takes one "--secret" value ("ap=TEXT", "server=TEXT" or "profile=SSID:TEXT", UTF-8) into the
// prompt; false when it names no secret or when its text cannot be written in code page 932, which
// is said on `err` without the secret itself.
bool takeSecret(std::string_view value, SecretPrompt& secrets, std::ostream& err);

} // namespace marlo::cli
