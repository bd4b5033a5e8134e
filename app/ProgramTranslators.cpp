#include "app/ProgramTranslators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace marlo {

ProgramTranslators::ProgramTranslators(Language language) {
    if (language == Language::english) {
        if (program_.load(QStringLiteral(":/i18n/marlo_en.qm"))) {
            QCoreApplication::installTranslator(&program_);
        }
        return;
    }
    if (qt_.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

} // namespace marlo
