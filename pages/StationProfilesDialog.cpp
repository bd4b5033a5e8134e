#include "pages/StationProfilesDialog.h"

#include "device/DeviceLink.h"
#include "device/DeviceMessages.h"
#include "pages/PageFields.h"
#include "pages/ProfileEditorDialog.h"
#include "record/Codecs.h"
#include "ui/OpenFailureMessage.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace marlo {

namespace {

constexpr int progressSeconds = 10;

constexpr const char* limitMessage =
    QT_TRANSLATE_NOOP("StationProfilesDialog", "プロファイルは最大4つまでです。");
constexpr const char* switchQuestion = QT_TRANSLATE_NOOP(
    "StationProfilesDialog", "選択したプロファイルを %1 に変更します。\r\nこの操作は即座に反映されます。");
constexpr const char* switchedMessage =
    QT_TRANSLATE_NOOP("StationProfilesDialog", "プロファイルを %1 に変更しました。");
constexpr const char* switchFailedMessage =
    QT_TRANSLATE_NOOP("StationProfilesDialog", "プロファイルの変更に失敗しました。\n\n");
constexpr const char* deleteQuestion = QT_TRANSLATE_NOOP(
    "StationProfilesDialog", "選択したプロファイルを削除します。\r\nこの操作は即座に反映されます。");
constexpr const char* deletedMessage =
    QT_TRANSLATE_NOOP("StationProfilesDialog", "プロファイルを削除しました。");
constexpr const char* deleteFailedMessage =
    QT_TRANSLATE_NOOP("StationProfilesDialog", "プロファイルの削除に失敗しました。\n\n");

QString stateLabel(bool on) {
    return on ? QCoreApplication::translate("StationProfilesDialog", "有効")
              : QCoreApplication::translate("StationProfilesDialog", "無効");
}

QTreeWidget* createList(QWidget* dialog, const char* id,
                        std::initializer_list<std::pair<QString, int>> columns) {
    auto* list = new QTreeWidget(dialog);
    list->setObjectName(QString::fromLatin1(id));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(true);
    QStringList labels;
    for (const auto& [label, width] : columns) {
        labels << label;
    }
    list->setHeaderLabels(labels);
    int column = 0;
    int total = 0;
    for (const auto& [label, width] : columns) {
        list->setColumnWidth(column++, width);
        total += width;
    }
    list->setMinimumWidth(total + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return list;
}

} // namespace

StationProfilesDialog::StationProfilesDialog(SettingsDocument& document, DeviceLink& link,
                                             UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , loaded_(document.loaded)
    , link_(link)
    , dialogs_(dialogs)
    , worker_(link_, this) {
    setWindowTitle(tr("接続先の設定"));
    createControls();
    if (!document_.configRecord.empty()) {
        fillProfileList();
    }
    progress_->setRange(0, progressSeconds);
    progress_->setValue(0);
}

void StationProfilesDialog::createControls() {
    auto* layout = new QVBoxLayout(this);

    profileList_ = createList(this, "profileList",
                              {{tr("状態"), 50}, {QStringLiteral("SSID"), 130}, {tr("セキュリティ"), 200}});
    layout->addWidget(labelFor(profileList_, tr("保存済プロファイル")));
    layout->addWidget(profileList_);
    controls_.append(profileList_);

    auto addButton = [this](const char* id, const QString& text, void (StationProfilesDialog::*handler)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(id));
        connect(button, &QPushButton::clicked, this, handler);
        controls_.append(button);
        return button;
    };
    auto* profileButtons = new QHBoxLayout;
    profileButtons->addWidget(
        addButton("profileNew", tr("プロファイルを新規追加"), &StationProfilesDialog::addNewProfile));
    profileButtons->addWidget(addButton("profileSwitch", tr("選択中プロファイルの有効無効切り替え"),
                                        &StationProfilesDialog::switchProfile));
    profileButtons->addWidget(
        addButton("profileDelete", tr("選択中プロファイルを削除"), &StationProfilesDialog::deleteProfile));
    profileButtons->addStretch(1);
    layout->addLayout(profileButtons);

    layout->addSpacing(8);
    QPushButton* scanButton =
        addButton("scanButton", tr("接続先アクセスポイントの検索"), &StationProfilesDialog::scan);
    auto* scanRow = new QHBoxLayout;
    scanRow->addWidget(scanButton);
    scanRow->addStretch(1);
    layout->addLayout(scanRow);

    scanList_ = createList(this, "scanList",
                           {{QStringLiteral("SSID"), 125},
                            {QStringLiteral("BSSID"), 110},
                            {QStringLiteral("Ch"), 30},
                            {QStringLiteral("RSSI"), 50},
                            {tr("セキュリティ"), 120}});
    scanList_->setAccessibleName(withoutMnemonic(scanButton->text()));
    layout->addWidget(scanList_);
    controls_.append(scanList_);

    auto* addRow = new QHBoxLayout;
    addRow->addWidget(addButton("scanAdd", tr("選択中のアクセスポイントをプロファイルに追加"),
                                &StationProfilesDialog::addFromScan));
    addRow->addStretch(1);
    layout->addLayout(addRow);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("stationProgress"));
    progress_->setTextVisible(false);
    progress_->setAccessibleName(tr("Progress"));
    layout->addWidget(progress_);

    progressTimer_ = new ProgressTimer(progress_, this);
}

void StationProfilesDialog::fillProfileList() {
    profileList_->clear();
    for (int index = 0; index < loaded_.profileCount; ++index) {
        profileList_->addTopLevelItem(new QTreeWidgetItem);
        setProfileRow(index);
    }
}

void StationProfilesDialog::setProfileRow(int index) {
    const WlanProfile& profile = loaded_.profiles[static_cast<std::size_t>(index)];
    QTreeWidgetItem* item = profileList_->topLevelItem(index);
    if (item == nullptr) {
        return;
    }
    item->setText(0, stateLabel(profile.state != 0));
    item->setText(1, displayText(profile.networkName));
    item->setText(2, displayText(enumerationName(tables::profileSuite, profile.suite)));
}

int StationProfilesDialog::selectedRow(const QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

void StationProfilesDialog::addNewProfile() {
    if (loaded_.profileCount >= DeviceSettings::maxProfiles) {
        dialogs_.warning(this, tr(limitMessage));
        return;
    }
    runEditor(EditedProfile{
        .ssid = {}, .name = {}, .state = 1, .encryption = 1, .suite = profileWpa2, .keyType = 0});
}

void StationProfilesDialog::addFromScan() {
    const int row = selectedRow(scanList_);
    if (row < 0) {
        return;
    }
    if (loaded_.profileCount >= DeviceSettings::maxProfiles) {
        dialogs_.warning(this, tr(limitMessage));
        return;
    }
    const ScanResult& result = scanResults_[static_cast<std::size_t>(row)];
    const auto contains = [&](std::string_view word) {
        return result.security.find(word) != std::string::npos;
    };
    EditedProfile start{
        .ssid = result.ssid, .name = {}, .state = 1, .encryption = 0, .suite = profileOpen, .keyType = 0};
    if (contains("WPA") || contains("WEP")) {
        start.encryption = 1;
        start.suite = profileWpaWpa2Mixed;
        if (contains("WPA2")) {
            start.suite = profileWpa2;
        }
        if (contains("WEP")) {
            start.suite = profileWep;
        }
    }
    runEditor(start);
}

void StationProfilesDialog::runEditor(const EditedProfile& start) {
    ProfileEditorDialog editor(start, link_, dialogs_, this);
    if (editor.exec() != QDialog::Accepted) {
        return;
    }
    const EditedProfile& added = editor.profile();
    const WlanProfile profile{.state = added.state,
                              .networkName = added.ssid,
                              .name = added.name,
                              .suite = added.encryption != 0 ? added.suite : profileOpen,
                              .keyType = added.keyType == 1 ? 1 : 0};
    // A name the device already holds changed that profile rather than adding one.
    const auto begin = loaded_.profiles.begin();
    const auto end = begin + loaded_.profileCount;
    const auto same = std::find_if(begin, end, [&](const WlanProfile& p) { return p.name == profile.name; });
    const auto index = static_cast<int>(same - begin);
    loaded_.profiles[static_cast<std::size_t>(index)] = profile;
    if (same == end) {
        profileList_->addTopLevelItem(new QTreeWidgetItem);
        ++loaded_.profileCount;
    }
    setProfileRow(index);
}

void StationProfilesDialog::switchProfile() {
    const int row = selectedRow(profileList_);
    if (row < 0 || row >= loaded_.profileCount) {
        return;
    }
    const WlanProfile& profile = loaded_.profiles[static_cast<std::size_t>(row)];
    const bool on = profile.state == 0;
    if (!dialogs_.confirm(this, tr(switchQuestion).arg(stateLabel(on)))) {
        return;
    }
    const std::string record = profileStateRecord(profile.name, on);
    auto reply = std::make_shared<std::string>();
    runBusy([this, record, reply] { return link_.sendRecord(record, *reply); },
            [this, row, on, reply](bool succeeded) {
                if (!succeeded) {
                    dialogs_.warning(this, withReachFailure(tr(switchFailedMessage) + deviceReply(*reply),
                                                            link_.reachFailure()));
                    return;
                }
                loaded_.profiles[static_cast<std::size_t>(row)].state = on ? 1 : 0;
                setProfileRow(row);
                dialogs_.message(this, tr(switchedMessage).arg(stateLabel(on)));
            });
}

void StationProfilesDialog::deleteProfile() {
    const int row = selectedRow(profileList_);
    if (row < 0 || row >= loaded_.profileCount) {
        return;
    }
    if (!dialogs_.confirm(this, tr(deleteQuestion))) {
        return;
    }
    const std::string record = profileDeleteRecord(loaded_.profiles[static_cast<std::size_t>(row)].name);
    auto reply = std::make_shared<std::string>();
    runBusy([this, record, reply] { return link_.sendRecord(record, *reply); },
            [this, row, reply](bool succeeded) {
                if (!succeeded) {
                    dialogs_.warning(this, withReachFailure(tr(deleteFailedMessage) + deviceReply(*reply),
                                                            link_.reachFailure()));
                    return;
                }
                const auto begin = loaded_.profiles.begin();
                std::move(begin + row + 1, begin + loaded_.profileCount, begin + row);
                --loaded_.profileCount;
                loaded_.profiles[static_cast<std::size_t>(loaded_.profileCount)] = WlanProfile{};
                delete profileList_->takeTopLevelItem(row);
                profileList_->clearSelection();
                profileList_->setCurrentItem(nullptr);
                dialogs_.message(this, tr(deletedMessage));
            });
}

void StationProfilesDialog::scan() {
    auto answer = std::make_shared<std::string>();
    runBusy([this, answer] { return link_.scanNetworks(*answer); },
            [this, answer](bool succeeded) {
                if (!succeeded) {
                    dialogs_.warning(this, withReachFailure(deviceMessage(communicationErrorMessage),
                                                            link_.reachFailure()));
                    return;
                }
                std::optional<std::vector<ScanResult>> results = parseScanAnswer(*answer);
                if (!results) {
                    dialogs_.warning(this, deviceMessage(scanParseError));
                    return;
                }
                scanResults_ = std::move(*results);
                scanList_->clear();
                for (const ScanResult& result : scanResults_) {
                    scanList_->addTopLevelItem(new QTreeWidgetItem(QStringList{
                        displayText(result.ssid), displayText(result.bssid), QString::number(result.channel),
                        QString::number(result.rssi), displayText(result.security)}));
                }
            });
}

void StationProfilesDialog::runBusy(std::function<bool()> operation, std::function<void(bool)> done) {
    setControlsEnabled(false);
    progressTimer_->restart(progressSeconds);
    worker_.start([operation = std::move(operation)] { return operation() ? 1 : 0; },
                  [this, done = std::move(done)](int succeeded) {
                      progressTimer_->stop();
                      progress_->setValue(0);
                      setControlsEnabled(true);
                      done(succeeded != 0);
                  });
}

void StationProfilesDialog::setControlsEnabled(bool on) {
    for (QWidget* control : controls_) {
        control->setEnabled(on);
    }
}

void StationProfilesDialog::accept() {
    if (!worker_.busy()) {
        QDialog::accept();
    }
}

void StationProfilesDialog::reject() {
    if (!worker_.busy()) {
        QDialog::reject();
    }
}

void StationProfilesDialog::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Return itself; anywhere else Return closes the dialog like OK.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace marlo
