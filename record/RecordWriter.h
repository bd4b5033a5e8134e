#pragma once

#include "record/PasswordPrompt.h"
#include "record/SettingsDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace marlo {

enum class RecordTarget { device, file };

// Why no record was built although the user did not stop: a message of the program (UTF-8) and the
// context it is translated in; `argument`, when not empty, stands for %1 in it.
struct RecordRefusal {
    const char* context = nullptr;
    const char* message = nullptr;
    std::string argument{};
};

// `message`, the refusal's message or its translation, with the refusal's argument in place of %1.
std::string recordRefusalText(const RecordRefusal& refusal, std::string_view message);

// Renders `document.edited` as a complete configuration record (code page 932, lines ending in a
// lone CR). The device target never asks anything and leaves out secrets the device holds but did
// not show. The file target asks `prompt` for those secrets and for every station profile key,
// and adds the station profiles; without a prompt every one of them is skipped. No value when the
// user chose to stop in a prompt, or when the record cannot hold a value: an interface's address
// with its mask, or a text with a line break in it (a device may show one, and a typed secret may
// hold one), which would end the record's line there; in those cases `refusal`, when given, says
// why, naming the setting that holds the line break.
std::optional<std::string> buildRecord(const SettingsDocument& document, RecordTarget target,
                                       PasswordPrompt* prompt = nullptr, RecordRefusal* refusal = nullptr);

} // namespace marlo
