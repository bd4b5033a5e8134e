#pragma once

#include "record/ProgramLanguage.h"

#include <QTranslator>

namespace marlo {

// Puts the windows, and Qt's own dialogs and buttons, in `language` while it lives: English through
// the program's catalogue, Japanese (the program's own language) with Qt's Japanese texts. The
// application must exist.
class ProgramTranslators {
public:
    explicit ProgramTranslators(Language language);

private:
    QTranslator program_;
    QTranslator qt_;
};

} // namespace marlo
