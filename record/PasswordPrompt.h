#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace marlo {

// Which secret the record writer asks for.
enum class SecretKind { accessPointPassphrase, serverPassword, profileKey };

// What the prompt shows. Its texts are the program's own, in UTF-8, to be translated in the context
// "PasswordPrompt"; %1 in a profile key's prompt stands for the network name.
struct PasswordRequest {
    const char* promptText = "";
    const char* okCaption = nullptr;   // null keeps the prompt's own caption
    const char* skipCaption = nullptr; // likewise
    std::int32_t lengthMode = 0;       // passwordLengthKey or passwordLengthServer
    bool hexKey = false;               // with the key rule: exactly 64 bytes
    SecretKind secret = SecretKind::accessPointPassphrase;
    std::string networkName{}; // the profile's network name (code page 932), for a profile key
};

inline constexpr std::int32_t passwordLengthKey = 0;
inline constexpr std::int32_t passwordLengthServer = 1;

// The prompt's results.
inline constexpr int promptEntered = 1;
inline constexpr int promptStop = 2;
inline constexpr int promptSkip = 5;

struct PasswordAnswer {
    int result = promptStop;
    std::string enteredPassword; // with `promptEntered`
};

class PasswordPrompt {
public:
    virtual ~PasswordPrompt() = default;
    virtual PasswordAnswer ask(const PasswordRequest& request) = 0;
};

// The message (UTF-8, context "PasswordPrompt") for a password whose length in bytes breaks the
// request's rule, or null when it passes.
const char* passwordLengthError(const PasswordRequest& request, std::string_view password);

} // namespace marlo
