#pragma once

#include "record/PasswordPrompt.h"
#include "record/SettingsDocument.h"

#include <optional>
#include <string>

namespace marlo {

enum class RecordTarget { device, file };

// Renders `document.edited` as a complete configuration record (code page 932, lines ending in a
// lone CR). The device target never asks anything and leaves out secrets the device holds but did
// not show. The file target asks `prompt` for those secrets and for every station profile key,
// and adds the station profiles; without a prompt every one of them is skipped. No value when the
// user chose to stop in a prompt, or when the record cannot hold an interface's address with its
// mask; in that case `refusal`, when given, receives the message about it
// (UTF-8, to be translated in the context "AddressRefusal").
std::optional<std::string> buildRecord(const SettingsDocument& document, RecordTarget target,
                                       PasswordPrompt* prompt = nullptr, std::string* refusal = nullptr);

} // namespace marlo
