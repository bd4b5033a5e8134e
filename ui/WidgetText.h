#pragma once

#include "record/DeviceSettings.h"
#include "record/RecordWriter.h"

#include <QString>
#include <optional>
#include <string_view>

namespace marlo {

// Settings texts are code page 932 bytes; widgets hold Unicode. These are the only crossings.

// No value for a text that code page 932 cannot hold.
std::optional<Text> encodeText(const QString& text);
std::optional<QString> decodeText(std::string_view cp932);

// For texts that are only shown: bytes that are not valid code page 932 appear as U+FFFD.
QString displayText(std::string_view cp932);

// A control's text as a screen reader is to say it: without the '&' that marks its mnemonic
// letter ("&&" stands for one '&').
QString withoutMnemonic(const QString& text);

// Why the record writer built no record, in the program's language.
QString refusalText(const RecordRefusal& refusal);

} // namespace marlo
