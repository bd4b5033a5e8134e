#include "record/SettingsDocument.h"

namespace marlo {

bool SettingsDocument::confirmedInDialog(Setting setting) const {
    switch (setting) {
    case Setting::accessPointSsid:
    case Setting::accessPointGuest:
    case Setting::accessPointChannel:
    case Setting::accessPointSuite:
    case Setting::accessPointCcmp:
    case Setting::accessPointTkip:
    case Setting::accessPointPassphrase:
        return loaded.accessPoint.edited != 0;
    case Setting::hostAddress:
    case Setting::hostPort:
    case Setting::hostLocalPort:
    case Setting::hostInitialSend:
    case Setting::connectProtocol:
    case Setting::connectReception:
        return loaded.connect.edited != 0;
    default:
        return false;
    }
}

} // namespace marlo
