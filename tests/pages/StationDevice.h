#pragma once

#include "record/SettingsImport.h"
#include "tests/device/LinkTestSupport.h"
#include "tests/support/Controls.h"
#include "tests/support/DataFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/Waiting.h"

#include <QAbstractButton>
#include <QTest>
#include <optional>
#include <string>
#include <string_view>

namespace marlo::testing {

// Three profiles: on with WPA2, off without security, on with WEP.
inline std::string threeProfiles() {
    return dataFile("device/three-profiles.xml");
}

// What `sendRecord` hands back while the device refuses every import.
inline const QString refusedReply = QStringLiteral("\r\nERROR: configuration import is locked\r\n>");

// The simulated device, read and imported the way the main window does it, and the boxes the
// dialogs under test may raise.
struct StationDevice {
    LinkedDevice linked;
    SettingsDocument document;
    ScriptedDialogs dialogs;

    // False when the profiles were refused or the device could not be read.
    bool load(std::string_view profiles) {
        if (!profiles.empty() && !linked.device.applyRecord(profiles).errors.empty()) {
            return false;
        }
        return reread();
    }
    bool reread() {
        const auto records = linked.read();
        document.configRecord = records.config;
        document.statusRecord = records.status;
        return records.ok && importSettings(document, 0, [](const std::string&) {});
    }
    std::optional<std::string> deviceValue(std::string_view profile, std::string_view item,
                                           std::string_view value) const {
        return linked.device.configuration().value(
            {.group = "WLAN Profile", .groupInstance = profile, .item = item, .value = value});
    }
    void refuseImports(bool refused) {
        linked.device.update([refused](sim::Behaviour& b) { b.importsRefused = refused; });
    }
};

inline QAbstractButton* buttonOf(QWidget* dialog, const QString& id) {
    return control<QAbstractButton>(dialog, id);
}

// Waits until every scripted box was shown and the control `id`, disabled while the device
// operation runs, is enabled again.
inline bool operationEnded(ScriptedDialogs& dialogs, QWidget* dialog, const QString& id) {
    return waitUntil([&] { return dialogs.done() && findControl(dialog, id)->isEnabled(); });
}

} // namespace marlo::testing
