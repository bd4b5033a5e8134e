#include "pages/NetworkPage.h"

#include "pages/DestinationsDialog.h"
#include "pages/DestinationsSummary.h"
#include "pages/PageFields.h"
#include "record/Codecs.h"
#include "ui/TypedLengthLimit.h"
#include "ui/WidgetText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

namespace marlo {

namespace {

const char* const conditionNames[] = {"Always", "OnSerialData", "OnStartCharacter", "OnModemControl"};
const char* const conditionTexts[] = {QT_TRANSLATE_NOOP("NetworkPage", "常時"),
                                      QT_TRANSLATE_NOOP("NetworkPage", "シリアルデータ受信時"),
                                      QT_TRANSLATE_NOOP("NetworkPage", "開始キャラクタ受信時"),
                                      QT_TRANSLATE_NOOP("NetworkPage", "DSRアクティブ時(Orvane)")};

Flag flag(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

int modeOf(const QCheckBox* enabled, const QButtonGroup* condition) {
    return enabled->isChecked() && condition->checkedId() != -1 ? condition->checkedId() : tunnelDisable;
}

// While a mode is on its conditions are enabled, `fallback` is checked if none is, and the start
// character controls are enabled only under the start character condition.
void applyConditionRules(bool on, QButtonGroup* condition, int fallback,
                         std::initializer_list<QWidget*> startCharacterControls) {
    for (QAbstractButton* radio : condition->buttons()) {
        radio->setEnabled(on);
    }
    if (on && condition->checkedId() == -1) {
        condition->button(fallback)->setChecked(true);
    }
    const bool startCharacter = on && condition->checkedId() == tunnelStartCharacter;
    for (QWidget* control : startCharacterControls) {
        control->setEnabled(startCharacter);
    }
}

} // namespace

NetworkPage::NetworkPage(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent)
    : SettingsPage(document, dialogs, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(createServerGroup());
    layout->addWidget(createClientGroup());
    layout->addWidget(createDisconnectGroup());
    layout->addStretch(1);

    bindFlag(multipleConnections_, Setting::acceptMultipleConnections);
    bindFlag(serverFlushLine_, Setting::acceptFlushLine);
    bindFlag(clientFlushLine_, Setting::connectFlushLine);
    bindFlag(disconnectOnModemControl_, Setting::disconnectModemControl);
    bindFlag(disconnectFlushLine_, Setting::disconnectFlushLine);

    for (qsizetype i = 1; i < controls_.size(); ++i) {
        setTabOrder(controls_[i - 1], controls_[i]);
    }

    connect(serverMode_, &QCheckBox::clicked, this, [this] { applyServerRules(); });
    connect(serverCondition_, &QButtonGroup::buttonClicked, this, [this] { applyServerRules(); });
    connect(usePassword_, &QCheckBox::clicked, this, [this] { applyPasswordRule(); });
    connect(clientMode_, &QCheckBox::clicked, this, [this] { applyClientRules(); });
    connect(clientCondition_, &QButtonGroup::buttonClicked, this, [this] { applyClientRules(); });
    connect(stopEnabled_, &QCheckBox::clicked, this, [this] { applyDisconnectRules(); });
    connect(silenceEnabled_, &QCheckBox::clicked, this, [this] { applyDisconnectRules(); });
    connect(destinations_, &QPushButton::clicked, this, [this] { editDestinations(); });

    enableAll(false);
}

template <class Control> Control* NetworkPage::add(Control* control, const char* id) {
    control->setObjectName(QString::fromLatin1(id));
    controls_.append(control);
    return control;
}

QButtonGroup* NetworkPage::addConditions(const char* side, const QString& title, QGridLayout* grid, int row) {
    grid->addWidget(new QLabel(title + QLatin1Char(':')), row, 0, 2, 1, Qt::AlignTop);
    auto* group = new QButtonGroup(this);
    for (int value = tunnelAlways; value <= tunnelModemControlAsserted; ++value) {
        const QByteArray name = QByteArray(side) + conditionNames[value - 1];
        auto* radio = add(new QRadioButton(tr(conditionTexts[value - 1]), this), name.constData());
        nameInGroup(radio, title);
        group->addButton(radio, value);
        grid->addWidget(radio, row + (value - 1) / 2, 1 + (value - 1) % 2);
    }
    return group;
}

QLayout* NetworkPage::addStartCharacterRow(const StartCharacterIds& id, const QString& side,
                                           StartCharacterControls& controls) {
    controls.label = add(new QLabel(tr("開始キャラクタ   0x"), this), id.label);
    controls.edit = addCharacterEdit(id.edit);
    controls.label->setBuddy(controls.edit);
    controls.edit->setAccessibleName(withoutMnemonic(side + QLatin1Char(' ') + controls.label->text()));
    controls.flush = add(new QCheckBox(tr("開始キャラクタを送信しない"), this), id.flush);
    auto* row = new QHBoxLayout;
    row->addWidget(controls.label);
    row->addWidget(controls.edit);
    row->addSpacing(16);
    row->addWidget(controls.flush);
    row->addStretch(1);
    return row;
}

QLineEdit* NetworkPage::addCharacterEdit(const char* id) {
    auto* edit = add(new QLineEdit(this), id);
    new TypedLengthLimit(edit, 2);
    edit->setMaximumWidth(editWidthFor(this, "WWW"));
    return edit;
}

QGridLayout* NetworkPage::groupGrid(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    return grid;
}

QWidget* NetworkPage::createServerGroup() {
    auto* box = new QGroupBox(this);
    QGridLayout* grid = groupGrid(box);
    serverMode_ = add(new QCheckBox(tr("サーバモード有効"), this), "serverMode");
    grid->addWidget(serverMode_, 0, 0, 1, 3);
    serverCondition_ = addConditions("server", tr("接続待ち開始条件"), grid, 1);

    StartCharacterControls start;
    grid->addLayout(addStartCharacterRow(
                        {"serverStartCharacterLabel", "serverStartCharacter", "serverFlushStartCharacter"},
                        tr("サーバ"), start),
                    3, 1, 1, 2);
    serverStartLabel_ = start.label;
    serverStart_ = start.edit;
    serverFlushStart_ = start.flush;

    localPort_ = add(new QLineEdit(this), "serverLocalPort");
    new TypedLengthLimit(localPort_, 5);
    localPort_->setMaximumWidth(editWidthFor(this, "<None>"));
    multipleConnections_ = add(new QCheckBox(tr("複数接続の許可"), this), "serverMultipleConnections");
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(labelFor(localPort_, tr("ローカルポート番号:")));
    portRow->addWidget(localPort_);
    portRow->addSpacing(16);
    portRow->addWidget(multipleConnections_);
    portRow->addStretch(1);
    grid->addLayout(portRow, 4, 0, 1, 3);

    usePassword_ = add(new QCheckBox(tr("接続パスワードを使用"), this), "serverUsePassword");
    password_ = add(new QLineEdit(this), "serverPassword");
    new TypedLengthLimit(password_, 31);
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(usePassword_);
    passwordRow->addSpacing(8);
    passwordRow->addWidget(labelFor(password_, tr("パスワード文字列:")));
    passwordRow->addWidget(password_, 1);
    grid->addLayout(passwordRow, 5, 0, 1, 3);

    serverFlushLine_ = add(new QCheckBox(tr("接続時シリアルバッファをクリア"), this), "serverFlushLine");
    grid->addWidget(serverFlushLine_, 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* NetworkPage::createClientGroup() {
    auto* box = new QGroupBox(this);
    QGridLayout* grid = groupGrid(box);
    clientMode_ = add(new QCheckBox(tr("クライアントモード有効 "), this), "clientMode");
    grid->addWidget(clientMode_, 0, 0, 1, 3);
    clientCondition_ = addConditions("client", tr("接続要求条件"), grid, 1);

    StartCharacterControls start;
    grid->addLayout(addStartCharacterRow(
                        {"clientStartCharacterLabel", "clientStartCharacter", "clientFlushStartCharacter"},
                        tr("クライアント"), start),
                    3, 1, 1, 2);
    clientStartLabel_ = start.label;
    clientStart_ = start.edit;
    clientFlushStart_ = start.flush;

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("destinationsSummary"));
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setAccessibleName(tr("接続先:"));
    summary_->setMinimumHeight(5 * fontMetrics().lineSpacing());
    destinations_ = add(new QPushButton(tr("接続先の登録"), this), "destinationsButton");
    destinations_->setAutoDefault(false);
    grid->addWidget(new QLabel(tr("接続先:")), 4, 0, Qt::AlignTop);
    auto* destinationRow = new QHBoxLayout;
    destinationRow->addWidget(summary_, 1);
    destinationRow->addWidget(destinations_, 0, Qt::AlignTop);
    grid->addLayout(destinationRow, 4, 1, 1, 2);

    clientFlushLine_ = add(new QCheckBox(tr("接続時シリアルバッファクリアする"), this), "clientFlushLine");
    grid->addWidget(clientFlushLine_, 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* NetworkPage::createDisconnectGroup() {
    auto* box = new QGroupBox(this);
    QGridLayout* grid = groupGrid(box);
    stopEnabled_ = add(new QCheckBox(tr("指定キャラクタで切断"), this), "stopCharacterEnabled");
    auto* hexLabel = new QLabel(QStringLiteral("0x"), this);
    hexLabel->setObjectName(QStringLiteral("stopCharacterLabel"));
    stopCharacter_ = addCharacterEdit("stopCharacter");
    hexLabel->setBuddy(stopCharacter_);
    stopCharacter_->setAccessibleName(withoutMnemonic(stopEnabled_->text() + QStringLiteral(" 0x")));
    grid->addWidget(stopEnabled_, 0, 0);
    auto* stopRow = new QHBoxLayout;
    stopRow->addWidget(hexLabel);
    stopRow->addWidget(stopCharacter_);
    stopRow->addStretch(1);
    grid->addLayout(stopRow, 0, 1);

    silenceEnabled_ = add(new QCheckBox(tr("シリアル無通信時間で切断"), this), "silenceEnabled");
    silence_ = add(new QLineEdit(this), "silenceTimeout");
    silence_->setMaximumWidth(editWidthFor(this, "000000000"));
    const QString milliseconds = tr("ミリ秒");
    silence_->setAccessibleName(withoutMnemonic(silenceEnabled_->text() + QLatin1Char(' ') +
                                                tr("ミリ秒", "unit, read out after a field's name")));
    grid->addWidget(silenceEnabled_, 1, 0);
    auto* silenceRow = new QHBoxLayout;
    silenceRow->addWidget(silence_);
    silenceRow->addWidget(new QLabel(milliseconds));
    silenceRow->addStretch(1);
    grid->addLayout(silenceRow, 1, 1);

    disconnectOnModemControl_ =
        add(new QCheckBox(tr("DSRノンアクティブ時に切断(Orvane)"), this), "disconnectOnModemControl");
    disconnectFlushLine_ =
        add(new QCheckBox(tr("切断時シリアルバッファをクリア"), this), "disconnectFlushLine");
    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(disconnectOnModemControl_);
    lastRow->addSpacing(16);
    lastRow->addWidget(disconnectFlushLine_);
    lastRow->addStretch(1);
    grid->addLayout(lastRow, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

void NetworkPage::enableAll(bool on) {
    for (QWidget* control : controls_) {
        control->setEnabled(on);
    }
}

void NetworkPage::applyServerRules() {
    const bool on = serverMode_->isChecked();
    applyConditionRules(on, serverCondition_, tunnelAlways,
                        {serverStartLabel_, serverStart_, serverFlushStart_});
    localPort_->setEnabled(on);
    multipleConnections_->setEnabled(on);
    usePassword_->setEnabled(on);
    applyPasswordRule();
    serverFlushLine_->setEnabled(on);
}

void NetworkPage::applyPasswordRule() {
    password_->setEnabled(usePassword_->isChecked() && serverMode_->isChecked());
}

void NetworkPage::applyClientRules() {
    const bool on = clientMode_->isChecked();
    applyConditionRules(on, clientCondition_, tunnelAnyCharacter,
                        {clientStartLabel_, clientStart_, clientFlushStart_});
    destinations_->setEnabled(on);
    clientFlushLine_->setEnabled(on);
}

void NetworkPage::applyDisconnectRules() {
    stopCharacter_->setEnabled(stopEnabled_->isChecked());
    silence_->setEnabled(silenceEnabled_->isChecked());
}

void NetworkPage::showDestinations() {
    summary_->setText(destinationsSummary(document_.holderOf(Setting::hostAddress).connect));
    summary_->setAccessibleDescription(summary_->text());
}

void NetworkPage::editDestinations() {
    DestinationsDialog dialog(document_, edited_, dialogs_, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    document_.loaded.connect.edited = 1;
    showDestinations();
}

void NetworkPage::loadFromSettings() {
    enableAll(true);

    const DeviceSettings::Accept& accept = loaded_.accept;
    untickAll(serverCondition_);
    serverFlushStart_->setChecked(false);
    serverStart_->clear();
    serverMode_->setChecked(accept.mode != tunnelDisable);
    if (accept.mode != tunnelDisable) {
        tickValue(serverCondition_, accept.mode);
        if (accept.mode == tunnelStartCharacter) {
            showSetting(serverStart_, Setting::acceptStartCharacter);
            serverFlushStart_->setChecked(accept.flushStartCharacter != 0);
        }
    }
    applyServerRules();

    showSetting(localPort_, Setting::acceptLocalPort);
    usePassword_->setChecked(!accept.password.empty());
    password_->setText(displayText(accept.password));
    applyPasswordRule();

    const DeviceSettings::Connect& client = loaded_.connect;
    untickAll(clientCondition_);
    clientFlushStart_->setChecked(false);
    clientStart_->clear();
    clientMode_->setChecked(client.mode != tunnelDisable);
    if (client.mode != tunnelDisable) {
        tickValue(clientCondition_, client.mode);
        if (client.mode == tunnelStartCharacter) {
            showSetting(clientStart_, Setting::connectStartCharacter);
            clientFlushStart_->setChecked(client.flushStartCharacter != 0);
        }
    }
    applyClientRules();
    showDestinations();

    const DeviceSettings::Disconnect& disconnect = loaded_.disconnect;
    stopCharacter_->clear();
    silence_->clear();
    stopEnabled_->setChecked(disconnect.stopCharacterEnabled == 1);
    if (disconnect.stopCharacterEnabled == 1) {
        showSetting(stopCharacter_, Setting::disconnectStopCharacter);
    }
    silenceEnabled_->setChecked(disconnect.timeout != 0);
    if (disconnect.timeout != 0) {
        setFieldText(silence_, std::to_string(disconnect.timeout));
    }
    applyDisconnectRules();
    showBound();
}

bool NetworkPage::validateAndStore() {
    return storeServer() && storeClient() && storeDisconnect();
}

EditTexts NetworkPage::editTexts() const {
    return [this](Setting setting, std::size_t) -> std::optional<TypedText> {
        switch (setting) {
        case Setting::acceptStartCharacter:
            return TypedText{numberFieldText(serverStart_)};
        case Setting::acceptLocalPort:
            return TypedText{numberFieldText(localPort_)};
        case Setting::connectStartCharacter:
            return TypedText{numberFieldText(clientStart_)};
        case Setting::disconnectStopCharacter:
            return TypedText{numberFieldText(stopCharacter_)};
        case Setting::disconnectTimeout:
            return silenceEnabled_->isChecked() ? std::optional(TypedText{numberFieldText(silence_)})
                                                : std::nullopt;
        default:
            return std::nullopt;
        }
    };
}

bool NetworkPage::storeServer() {
    DeviceSettings::Accept& accept = edited_.accept;
    accept.mode = modeOf(serverMode_, serverCondition_);
    if (!passes({CheckSection::networkServer}, editTexts())) {
        return false;
    }

    storeBound({Setting::acceptMultipleConnections});
    accept.password.clear();
    if (usePassword_->isChecked()) {
        const std::optional<Text> password = encodeText(password_->text());
        if (!password) {
            return refuse(tr("パスワード文字列に使用できない文字が含まれています。"), password_);
        }
        accept.password = *password;
    }
    storeBound({Setting::acceptFlushLine});
    accept.flushStartCharacter = flag(serverFlushStart_);
    return true;
}

bool NetworkPage::storeClient() {
    DeviceSettings::Connect& client = edited_.connect;
    client.mode = modeOf(clientMode_, clientCondition_);
    client.startCharacter = 0;
    client.flushStartCharacter = 0;
    if (client.mode == tunnelStartCharacter) {
        client.flushStartCharacter = flag(clientFlushStart_);
    }
    if (!passes({CheckSection::networkClient}, editTexts())) {
        return false;
    }
    storeBound({Setting::connectFlushLine});
    return true;
}

bool NetworkPage::storeDisconnect() {
    DeviceSettings::Disconnect& disconnect = edited_.disconnect;
    disconnect.stopCharacterEnabled = stopEnabled_->isChecked() ? 1 : 0;
    disconnect.stopCharacter = 0;
    if (!passes({CheckSection::networkStopCharacter}, editTexts())) {
        return false;
    }
    disconnect.timeout = 0;
    if (!passes({CheckSection::networkSilence}, editTexts())) {
        return false;
    }
    storeBound({Setting::disconnectModemControl, Setting::disconnectFlushLine});
    return true;
}

} // namespace marlo
