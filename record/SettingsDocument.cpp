#include "record/SettingsDocument.h"

namespace marlo {

bool SettingsDocument::confirmedInDialog(Setting setting) const {
    switch (dialogOf(setting)) {
    case SettingsDialog::accessPoint:
        return loaded.accessPoint.edited != 0;
    case SettingsDialog::destinations:
        return loaded.connect.edited != 0;
    case SettingsDialog::none:
        break;
    }
    return false;
}

} // namespace marlo
