#pragma once

#include "record/RecordReader.h"
#include "record/SettingsDocument.h"

namespace marlo {

// Fills `document.loaded` from its configuration and status records. With `copyToEdited` 1 (a
// file load) the access point and the destinations are also copied into `document.edited` and
// marked as edited. False when a required setting is missing or malformed; what was read before
// it stays in `loaded`. The reader's diagnostics go to `sink`.
bool importSettings(SettingsDocument& document, int copyToEdited, const MessageSink& sink);

} // namespace marlo
