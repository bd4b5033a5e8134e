#include "app/MainWindow.h"
#include "app/SettingChanges.h"
#include "device/DeviceMessages.h"
#include "pages/SettingsPage.h"
#include "record/RecordWriter.h"
#include "record/SettingsComparison.h"
#include "ui/OpenFailureMessage.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <chrono>
#include <memory>

namespace marlo {

namespace {

constexpr const char* writeSucceededMessage =
    QT_TRANSLATE_NOOP("marlo::MainWindow", "デバイスに設定を書き込みました。");

constexpr int writeProgressSeconds = 65;
// The device takes a moment to apply a record before it answers a read again.
constexpr std::chrono::milliseconds settleTime{2000};

} // namespace

void MainWindow::writeToDevice() {
    if (worker_.busy()) {
        return;
    }
    const bool sendable = selectedPort() != nullptr;
    if (document_.configRecord.empty() || !validatePages()) {
        return;
    }
    const std::optional<WriteMode> mode = dialogs_.confirmWrite(
        this, changeLines(withCurrentProfiles(writeBaseline_), settingsToWrite(document_)));
    if (!mode) {
        return;
    }
    document_.edited.reboot = static_cast<Flag>(*mode);

    RecordRefusal refusal;
    std::optional<std::string> built = buildRecord(document_, RecordTarget::device, nullptr, &refusal);
    if (!built) {
        dialogs_.warning(this, refusalText(refusal));
        return;
    }
    auto record = std::make_shared<const std::string>(std::move(*built));
    auto reply = std::make_shared<std::string>();
    auto reachFailure = std::make_shared<std::optional<PortOpenFailure>>();
    startProgress(writeProgressSeconds);
    worker_.start(
        [this, record, reply, reachFailure, sendable] {
            if (!sendable) {
                *reply = unreachableText;
                return -1;
            }
            if (!link_.sendRecord(*record, *reply)) {
                *reachFailure = link_.reachFailure();
                return -1;
            }
            return link_.pause(settleTime) ? 0 : -1;
        },
        [this, reply, reachFailure](int result) { finishWrite(result == 0, *reply, *reachFailure); });
    updateControls();
    for (SettingsPage* page : pages()) {
        page->enableAll(false);
    }
}

void MainWindow::finishWrite(bool succeeded, const std::string& reply,
                             const std::optional<PortOpenFailure>& reachFailure) {
    stopProgress();
    // The end of a write is what switches a selector back on that a refresh left without ports.
    portsPresent_ = true;
    if (!succeeded) {
        const QString message = withReachFailure(
            deviceMessage(writeFailedMessage) + QStringLiteral("\n\n") + deviceReply(reply), reachFailure);
        dialogs_.copyToClipboard(message);
        dialogs_.warning(this, message);
        updateControls();
        emit writeFinished(false);
        return;
    }
    settleChanges();
    dialogs_.message(this, tr(writeSucceededMessage));
    updateControls();
    emit writeFinished(true);
    readFromDevice(true);
}

} // namespace marlo
