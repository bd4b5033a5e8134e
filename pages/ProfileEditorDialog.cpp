#include "pages/ProfileEditorDialog.h"

#include "device/DeviceLink.h"
#include "pages/PageFields.h"
#include "record/Codecs.h"
#include "ui/OpenFailureMessage.h"
#include "ui/TypedLengthLimit.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <tuple>

namespace marlo {

namespace {

constexpr int maxSsidBytes = 32;
constexpr int maxKeyBytes = 64;
constexpr int progressSeconds = 10;
constexpr int tickMs = 1000;

constexpr const char* transmitIds[keyRows] = {"editorTransmit1", "editorTransmit2", "editorTransmit3",
                                              "editorTransmit4"};
constexpr const char* keyIds[keyRows] = {"editorKey1", "editorKey2", "editorKey3", "editorKey4"};

constexpr const char* confirmMessage = QT_TRANSLATE_NOOP(
    "ProfileEditorDialog", "この内容のプロファイルを登録します。\r\nこの操作は即座に反映されます。");
constexpr const char* failedMessage =
    QT_TRANSLATE_NOOP("ProfileEditorDialog", "プロファイルの追加に失敗しました。\n\n");
constexpr const char* addedMessage = QT_TRANSLATE_NOOP("ProfileEditorDialog", "プロファイルを追加しました。");
constexpr const char* ssidCharacterMessage =
    QT_TRANSLATE_NOOP("ProfileEditorDialog", "SSIDに使用できない文字が含まれています。");
constexpr const char* keyCharacterMessage =
    QT_TRANSLATE_NOOP("ProfileEditorDialog", "パスワードに使用できない文字が含まれています。");

QString refusalMessage(const ProfileRefusal& refusal) {
    switch (refusal.reason) {
    case ProfileRefusal::noSsid:
        return QCoreApplication::translate("ProfileEditorDialog", "SSIDを入力してください");
    case ProfileRefusal::noPassword:
        return QCoreApplication::translate("ProfileEditorDialog", "パスワードを入力してください");
    case ProfileRefusal::passphraseLength:
        return QCoreApplication::translate("ProfileEditorDialog",
                                           "パスワードは8文字以上、63文字以内である必要があります。");
    case ProfileRefusal::notHexDigits:
        return QCoreApplication::translate("ProfileEditorDialog",
                                           "HEX指定時のKeyは0-9 A-Fで入力してください。");
    case ProfileRefusal::hexKeyLength:
        return QCoreApplication::translate("ProfileEditorDialog",
                                           "入力桁数は %1 または %2 桁である必要があります。")
            .arg(refusal.lengths[0])
            .arg(refusal.lengths[1]);
    case ProfileRefusal::wepKeyLengthsDiffer:
        return QCoreApplication::translate("ProfileEditorDialog",
                                           "入力桁数は 10 または 26 桁で統一してください。");
    case ProfileRefusal::noTransmitKey:
        return QCoreApplication::translate("ProfileEditorDialog", "選択した欄のパスワードを入力してください");
    }
    return {};
}

QRadioButton* addRadio(QWidget* dialog, QButtonGroup* group, int value, const char* id, const QString& text) {
    auto* radio = new QRadioButton(text, dialog);
    radio->setObjectName(QString::fromLatin1(id));
    group->addButton(radio, value);
    return radio;
}

} // namespace

ProfileEditorDialog::ProfileEditorDialog(const EditedProfile& start, DeviceLink& link, UserDialogs& dialogs,
                                         QWidget* parent)
    : QDialog(parent)
    , link_(link)
    , dialogs_(dialogs)
    , start_(start)
    , profile_(start)
    , worker_(link_, this) {
    setWindowTitle(tr("プロファイルの編集"));
    createControls();

    prefilledSsid_ = displayText(start.ssid);
    ssid_->setText(prefilledSsid_);
    profileOn_->setChecked(start.state != 0);
    encryption_->setChecked(start.encryption != 0);
    tickValue(suite_, start.suite);
    transmit_->button(0)->setChecked(true);
    tickValue(keyType_, start.keyType);
    applySecurityRule();

    progress_->setRange(0, progressSeconds);
    progress_->setValue(0);
    statusTimer_->start();
}

void ProfileEditorDialog::createControls() {
    auto* layout = new QVBoxLayout(this);

    profileOn_ = new QCheckBox(tr("このプロファイルを有効とする"), this);
    profileOn_->setObjectName(QStringLiteral("editorProfileOn"));
    layout->addWidget(profileOn_);

    ssid_ = new QLineEdit(this);
    ssid_->setObjectName(QStringLiteral("editorSsid"));
    new TypedLengthLimit(ssid_, maxSsidBytes);
    auto* ssidRow = new QHBoxLayout;
    ssidRow->addWidget(labelFor(ssid_, QStringLiteral("SSID:")));
    ssidRow->addWidget(ssid_, 1);
    layout->addLayout(ssidRow);

    layout->addWidget(createSecurityGroup());

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("editorProgress"));
    progress_->setTextVisible(false);
    progress_->setAccessibleName(tr("Progress"));
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("editorOk"));
    ok_->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(ok_);
    layout->addLayout(bottom);

    progressTimer_ = new ProgressTimer(progress_, this);
    statusTimer_ = new QTimer(this);
    statusTimer_->setInterval(tickMs);

    connect(profileOn_, &QCheckBox::clicked, this, [this] { applyEnableLevels(); });
    connect(encryption_, &QCheckBox::clicked, this, [this] { applyEnableLevels(); });
    connect(suite_, &QButtonGroup::buttonClicked, this, [this] { applySecurityRule(); });
    connect(ok_, &QPushButton::clicked, this, &ProfileEditorDialog::registerProfile);
    connect(statusTimer_, &QTimer::timeout, this, [this] {
        if (status_ == accepted) {
            statusTimer_->stop();
            accept();
        }
    });
}

QWidget* ProfileEditorDialog::createSecurityGroup() {
    const QString title = tr("セキュリティ");
    auto* box = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(box);

    encryption_ = new QCheckBox(tr("暗号化の有効"), box);
    encryption_->setObjectName(QStringLiteral("editorEncryption"));
    layout->addWidget(encryption_);

    suite_ = new QButtonGroup(this);
    auto* suiteRow = new QHBoxLayout;
    for (const auto& [value, id, text] :
         {std::tuple{profileWpaWpa2Mixed, "editorWpa", "WPA"}, std::tuple{profileWpa2, "editorWpa2", "WPA2"},
          std::tuple{profileWep, "editorWep", "WEP"}}) {
        QRadioButton* radio = addRadio(box, suite_, value, id, QString::fromLatin1(text));
        nameInGroup(radio, title);
        suiteRow->addWidget(radio);
    }
    suiteRow->addStretch(1);
    layout->addLayout(suiteRow);

    keyType_ = new QButtonGroup(this);
    auto* keyTypeRow = new QHBoxLayout;
    for (const auto& [value, id, text] : {std::tuple{keyPassphrase, "editorPassphrase", "Passphrase"},
                                          std::tuple{keyHex, "editorHex", "Hex"}}) {
        QRadioButton* radio = addRadio(box, keyType_, value, id, QString::fromLatin1(text));
        nameInGroup(radio, title);
        keyTypeRow->addWidget(radio);
    }
    keyTypeRow->addStretch(1);
    layout->addLayout(keyTypeRow);

    const QString keyLabel = tr("パスワード / Key:");
    layout->addWidget(new QLabel(keyLabel, box));
    transmit_ = new QButtonGroup(this);
    auto* keyGrid = new QGridLayout;
    for (int row = 0; row < keyRows; ++row) {
        const QString rowName = keyLabel + QStringLiteral(" %1").arg(row + 1);
        QRadioButton* radio = addRadio(box, transmit_, row, transmitIds[row], QString());
        radio->setAccessibleName(rowName + QStringLiteral(" TX"));
        keys_[row] = new QLineEdit(box);
        keys_[row]->setObjectName(QString::fromLatin1(keyIds[row]));
        keys_[row]->setAccessibleName(rowName);
        new TypedLengthLimit(keys_[row], maxKeyBytes);
        keyGrid->addWidget(radio, row, 0);
        keyGrid->addWidget(keys_[row], row, 1);
    }
    keys_[0]->setMinimumWidth(
        keys_[0]->fontMetrics().horizontalAdvance(QString(maxKeyBytes, QLatin1Char('0'))));
    layout->addLayout(keyGrid);
    return box;
}

void ProfileEditorDialog::applyEnableLevels() {
    int level = 0;
    // Once the device took the profile nothing is left to edit or send: the editor waits for its
    // status timer to close it.
    if (!worker_.busy() && status_ != accepted) {
        level = 1;
        if (encryption_->isChecked()) {
            level = suite_->button(profileWep)->isChecked() ? 3 : 2;
        }
    }
    for (QWidget* control : std::initializer_list<QWidget*>{profileOn_, ssid_, encryption_, ok_}) {
        control->setEnabled(level >= 1);
    }
    for (QAbstractButton* radio : suite_->buttons()) {
        radio->setEnabled(level >= 2);
    }
    keyType_->button(keyPassphrase)->setEnabled(level == 2);
    keyType_->button(keyHex)->setEnabled(level >= 2);
    transmit_->button(0)->setEnabled(level >= 2);
    keys_[0]->setEnabled(level >= 2);
    for (int row = 1; row < keyRows; ++row) {
        transmit_->button(row)->setEnabled(level == 3);
        keys_[row]->setEnabled(level == 3);
    }
}

void ProfileEditorDialog::applySecurityRule() {
    const bool wep = suite_->button(profileWep)->isChecked();
    if (!wep && suite_->checkedId() != -1) {
        transmit_->button(0)->setChecked(true);
    }
    if (wep) {
        keyType_->button(keyHex)->setChecked(true);
    }
    applyEnableLevels();
}

std::optional<Text> ProfileEditorDialog::ssidBytes() const {
    if (ssid_->text() == prefilledSsid_) {
        return start_.ssid;
    }
    return encodeText(ssid_->text());
}

void ProfileEditorDialog::registerProfile() {
    if (worker_.busy() || status_ == accepted) {
        return;
    }
    ProfileForm form;
    const std::optional<Text> ssid = ssidBytes();
    if (!ssid) {
        dialogs_.warning(this, tr(ssidCharacterMessage));
        return;
    }
    form.ssid = *ssid;
    form.on = profileOn_->isChecked();
    form.encryption = encryption_->isChecked();
    form.wpa2 = suite_->checkedId() == profileWpa2;
    form.wep = suite_->checkedId() == profileWep;
    form.hex = keyType_->checkedId() == keyHex;
    form.transmitRow = std::max(0, transmit_->checkedId());
    form.keyType = profile_.keyType;
    for (int row = 0; row < keyRows; ++row) {
        const std::optional<Text> key = encodeText(keys_[row]->text());
        if (!key) {
            dialogs_.warning(this, tr(keyCharacterMessage));
            return;
        }
        form.keys[row] = *key;
    }

    const auto outcome = composeProfile(form);
    if (const auto* refusal = std::get_if<ProfileRefusal>(&outcome)) {
        dialogs_.warning(this, refusalMessage(*refusal));
        return;
    }
    const auto& registration = std::get<ProfileRegistration>(outcome);
    if (!dialogs_.confirm(this, tr(confirmMessage))) {
        return;
    }
    profile_ = registration.profile;
    startRegistration(registration.record);
}

void ProfileEditorDialog::startRegistration(const std::string& record) {
    auto reply = std::make_shared<std::string>();
    worker_.start([this, record, reply] { return link_.sendRecord(record, *reply) ? 1 : 0; },
                  [this, reply](int succeeded) { finishRegistration(succeeded != 0, *reply); });
    progressTimer_->restart(progressSeconds);
    applyEnableLevels();
}

void ProfileEditorDialog::finishRegistration(bool succeeded, const std::string& reply) {
    progressTimer_->stop();
    status_ = succeeded ? accepted : refused;
    applyEnableLevels();
    progress_->setValue(0);
    if (!succeeded) {
        dialogs_.warning(this,
                         withReachFailure(tr(failedMessage) + deviceReply(reply), link_.reachFailure()));
        return;
    }
    // The dialog closes on the status timer's first tick after the user dismissed the message.
    statusTimer_->stop();
    dialogs_.message(this, tr(addedMessage));
    statusTimer_->start();
}

void ProfileEditorDialog::done(int result) {
    if (worker_.busy()) {
        return;
    }
    // Once the device took the profile the caller must list it, however the dialog is closed.
    QDialog::done(status_ == accepted ? Accepted : result);
}

} // namespace marlo
