#include "pages/AccessPointDialog.h"

#include "pages/PageFields.h"
#include "pages/TrimmedText.h"
#include "record/Codecs.h"
#include "record/ConfigurationCheck.h"
#include "ui/TypedLengthLimit.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

namespace marlo {

namespace {

constexpr int ssidLimit = 32;
constexpr int passwordLimit = 64;

// The channel list in its order; 0 is "自動".
constexpr std::array<std::uint32_t, 18> channels = {0, 1,  2,  3,  4,  5,  6,  7,  8,
                                                    9, 10, 11, 12, 13, 36, 40, 44, 48};

} // namespace

AccessPointDialog::AccessPointDialog(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , dialogs_(dialogs) {
    setWindowTitle(tr("APモードの設定"));

    ssid_ = new QLineEdit(this);
    ssid_->setObjectName(QStringLiteral("apSsid"));
    new TypedLengthLimit(ssid_, ssidLimit);

    channel_ = new QComboBox(this);
    channel_->setObjectName(QStringLiteral("apChannel"));
    scanRequests_ = new QCheckBox(tr("スキャン要求を許可"), this);
    scanRequests_->setObjectName(QStringLiteral("apScanRequests"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("apOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AccessPointDialog::accept);

    auto* fields = new QGridLayout;
    fields->addWidget(labelFor(ssid_, QStringLiteral("SSID:")), 0, 0);
    fields->addWidget(ssid_, 0, 1);
    QWidget* security = createSecurityGroup();
    fields->addWidget(security, 1, 0, 1, 2);
    fields->addWidget(labelFor(channel_, tr("無線LANチャンネル:")), 2, 0);
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(channel_);
    channelRow->addStretch(1);
    fields->addLayout(channelRow, 2, 1);
    fields->addWidget(scanRequests_, 3, 0, 1, 2);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ssid_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) * 20);

    const QList<QWidget*> order = {ssid_,
                                   encryption_,
                                   suite_->button(accessPointWpa),
                                   suite_->button(accessPointWpa2),
                                   ccmp_,
                                   tkip_,
                                   password_,
                                   channel_,
                                   scanRequests_,
                                   ok};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(encryption_, &QCheckBox::clicked, this, &AccessPointDialog::applyEncryptionRule);
    connect(suite_, &QButtonGroup::buttonClicked, this, &AccessPointDialog::applyEncryptionRule);

    loadControls();
}

QWidget* AccessPointDialog::createSecurityGroup() {
    const QString title = tr("セキュリティ");
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->setColumnMinimumWidth(0, 16);

    encryption_ = new QCheckBox(tr("暗号化の有効"), this);
    encryption_->setObjectName(QStringLiteral("apEncryption"));
    grid->addWidget(encryption_, 0, 0, 1, 4);

    suite_ = new QButtonGroup(this);
    const std::pair<AccessPointSuite, const char*> radios[] = {{accessPointWpa, "apWpa"},
                                                               {accessPointWpa2, "apWpa2"}};
    int column = 1;
    for (const auto& [suite, id] : radios) {
        auto* radio =
            new QRadioButton(suite == accessPointWpa ? QStringLiteral("WPA") : QStringLiteral("WPA2"), this);
        radio->setObjectName(QString::fromLatin1(id));
        nameInGroup(radio, title);
        suite_->addButton(radio, suite);
        grid->addWidget(radio, 1, column++);
    }

    ccmp_ = new QCheckBox(QStringLiteral("CCMP"), this);
    ccmp_->setObjectName(QStringLiteral("apCcmp"));
    tkip_ = new QCheckBox(QStringLiteral("TKIP"), this);
    tkip_->setObjectName(QStringLiteral("apTkip"));
    grid->addWidget(ccmp_, 2, 1);
    grid->addWidget(tkip_, 2, 2);

    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("apPassword"));
    new TypedLengthLimit(password_, passwordLimit);
    grid->addWidget(labelFor(password_, tr("パスワード:")), 3, 1);
    grid->addWidget(password_, 3, 2, 1, 2);
    grid->setColumnStretch(3, 1);
    return box;
}

void AccessPointDialog::loadControls() {
    shown_ = document_.holderOf(Setting::accessPointSsid).accessPoint;

    ssid_->setText(displayText(shown_.ssid));
    encryption_->setChecked(shown_.suite != accessPointOpen);
    tickValue(suite_, shown_.suite);
    ccmp_->setChecked(shown_.ccmp != 0);
    tkip_->setChecked(shown_.tkip != 0);
    password_->setText(displayText(shown_.passphrase));
    applyEncryptionRule();

    channel_->clear();
    int selected = -1;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        channel_->addItem(channels[i] == 0 ? tr("自動") : QString::number(channels[i]));
        if (selected < 0 && channels[i] == shown_.channel) {
            selected = static_cast<int>(i);
        }
    }
    channel_->setCurrentIndex(selected);
    scanRequests_->setChecked(shown_.guest != 0);
}

void AccessPointDialog::applyEncryptionRule() {
    const bool on = encryption_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{
             suite_->button(accessPointWpa), suite_->button(accessPointWpa2), ccmp_, tkip_, password_}) {
        control->setEnabled(on);
    }
    if (on && suite_->checkedId() == -1) {
        suite_->button(accessPointWpa2)->setChecked(true);
    }
}

void AccessPointDialog::accept() {
    if (store()) {
        QDialog::accept();
    }
}

bool AccessPointDialog::refuse(const QString& message) {
    dialogs_.warning(this, message);
    return false;
}

bool AccessPointDialog::store() {
    // Checked as a whole first, on a copy: a refused entry leaves `edited` as it was, so Cancel
    // keeps nothing the user was told is wrong.
    SettingsDocument candidate = document_;
    DeviceSettings::AccessPoint& ap = candidate.edited.accessPoint;
    if (!encryption_->isChecked()) {
        // The ciphers and the password keep the values shown, even when `edited` held others.
        ap.suite = accessPointOpen;
        ap.ccmp = shown_.ccmp;
        ap.tkip = shown_.tkip;
        ap.passphrase = shown_.passphrase;
    } else {
        ap.suite = suite_->checkedId() == accessPointWpa2 ? accessPointWpa2 : accessPointWpa;
        ap.ccmp = ccmp_->isChecked() ? 1 : 0;
        ap.tkip = tkip_->isChecked() ? 1 : 0;
    }
    const int channel = channel_->currentIndex();
    ap.channel = channel < 0 ? 0 : channels[static_cast<std::size_t>(channel)];
    ap.guest = scanRequests_->isChecked() ? 1 : 0;

    const EditTexts texts = [this](Setting setting, std::size_t) -> std::optional<TypedText> {
        std::optional<Text> text;
        if (setting == Setting::accessPointSsid) {
            text = trimmedText(ssid_->text());
        } else if (setting == Setting::accessPointPassphrase && encryption_->isChecked()) {
            text = encodeText(password_->text());
        } else {
            return std::nullopt;
        }
        return text ? TypedText{*text} : TypedText{{}, false};
    };
    const RefusalSink showFirst = [this](const ConfigurationRefusal& refusal) {
        return refuse(QCoreApplication::translate(refusal.context, refusal.message));
    };
    if (!checkSection(CheckSection::accessPointEntry, candidate, texts, showFirst)) {
        return false;
    }
    document_.edited.accessPoint = ap;
    document_.loaded.accessPoint.edited = 1;
    return true;
}

} // namespace marlo
