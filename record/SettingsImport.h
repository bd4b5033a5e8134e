#pragma once

#include "record/RecordReader.h"
#include "record/SettingsDocument.h"
#include "record/TranslatableText.h"

namespace marlo {

// Shown, in UTF-8 and translated in its context, by every way a record comes in when the import fails: the
// read from the device and the file load, in the window and in marlo-cli.
inline constexpr const char* importFailedMessage =
    QT_TRANSLATE_NOOP("SettingsImport", "設定データの解析に失敗しました。");

// Fills `document.loaded` from its configuration and status records. With `copyToEdited` 1 (a
// file load) the access point and the destinations are also copied into `document.edited` and
// marked as edited. False when a required setting is missing or malformed; what was read before
// it stays in `loaded`. The reader's diagnostics go to `sink`.
bool importSettings(SettingsDocument& document, int copyToEdited, const MessageSink& sink);

} // namespace marlo
