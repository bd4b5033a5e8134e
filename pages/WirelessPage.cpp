#include "pages/WirelessPage.h"

#include "pages/AccessPointDialog.h"
#include "pages/PageFields.h"
#include "pages/StationProfilesDialog.h"
#include "record/Codecs.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace marlo {

namespace {

constexpr const char* addressLabels[] = {
    QT_TRANSLATE_NOOP("WirelessPage", "IPアドレス:"), QT_TRANSLATE_NOOP("WirelessPage", "サブネットマスク:"),
    QT_TRANSLATE_NOOP("WirelessPage", "デフォルトゲートウェイ:"),
    QT_TRANSLATE_NOOP("WirelessPage", "プライマリDNS:"), QT_TRANSLATE_NOOP("WirelessPage", "セカンダリDNS:")};
constexpr const char* stationAddressIds[] = {"stationIpAddress", "stationSubnetMask", "stationGateway",
                                             "stationPrimaryDns", "stationSecondaryDns"};
constexpr const char* accessPointAddressIds[] = {"accessPointIpAddress", "accessPointSubnetMask",
                                                 "accessPointGateway", "accessPointPrimaryDns",
                                                 "accessPointSecondaryDns"};
constexpr const char* readFromDeviceFirstMessage = QT_TRANSLATE_NOOP(
    "WirelessPage", "STAモードの接続先を設定するためには、設定をデバイスから読み込む必要があります。");
constexpr const char* currentAddressCaption = QT_TRANSLATE_NOOP("WirelessPage", "現在のIPアドレス :");

constexpr const char* stationPrefix = QT_TRANSLATE_NOOP("WirelessPage", "STAモード");
constexpr const char* accessPointPrefix = QT_TRANSLATE_NOOP("WirelessPage", "APモード");

void selectPriority(QComboBox* list, std::uint32_t priority) {
    const bool listed = priority >= 1 && priority <= static_cast<std::uint32_t>(list->count());
    list->setCurrentIndex(listed ? static_cast<int>(priority) - 1 : -1);
}

std::uint32_t selectedPriority(const QComboBox* list) {
    return static_cast<std::uint32_t>(list->currentIndex() + 1);
}

} // namespace

WirelessPage::WirelessPage(SettingsDocument& document, DeviceLink& link, UserDialogs& dialogs,
                           QWidget* parent)
    : SettingsPage(document, dialogs, parent)
    , link_(link) {
    // Made first, so that Tab reaches the band first, as it stands first on the page.
    QWidget* band = createBandGroup();
    auto* columns = new QHBoxLayout;
    columns->addWidget(createStationColumn(), 1);
    columns->addWidget(createAccessPointColumn(), 1);

    currentAddressLabel_ = new QLabel(this);
    currentAddressLabel_->setObjectName(QStringLiteral("currentAddressLabel"));
    currentAddressValue_ = new QLabel(this);
    currentAddressValue_->setObjectName(QStringLiteral("currentAddressValue"));
    currentAddressValue_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    currentAddressValue_->setTextFormat(Qt::PlainText);
    auto* current = new QHBoxLayout;
    current->addWidget(currentAddressLabel_);
    current->addWidget(currentAddressValue_);
    current->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addWidget(band);
    layout->addLayout(columns);
    layout->addLayout(current);
    layout->addStretch(1);

    QList<QWidget*> order;
    for (QAbstractButton* radio : band_->buttons()) {
        order.append(radio);
    }
    order += stationControls_;
    order += accessPointControls_;
    order.insert(order.indexOf(stationControls_.first()), stationEnabled_);
    order.insert(order.indexOf(accessPointControls_.first()), accessPointEnabled_);
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    bindFlag(stationEnabled_, Setting::staState);
    bindFlag(keepAlive_, Setting::radioKeepAlive);
    bindFlag(dhcpClient_, Setting::staDhcpClient);
    bindFlag(accessPointEnabled_, Setting::apState);
    const Setting stationAddressSettings[] = {Setting::staIpAddress, Setting::staSubnetMask,
                                              Setting::staDefaultGateway, Setting::staPrimaryDns,
                                              Setting::staSecondaryDns};
    const Setting accessPointAddressSettings[] = {Setting::apIpAddress, Setting::apSubnetMask,
                                                  Setting::apDefaultGateway, Setting::apPrimaryDns,
                                                  Setting::apSecondaryDns};
    for (int i = 0; i < addressCount; ++i) {
        bindText(stationAddresses_[i], stationAddressSettings[i]);
        bindText(accessPointAddresses_[i], accessPointAddressSettings[i]);
    }
    bindText(dhcpRangeStart_, Setting::apDhcpRangeStart);
    bindText(dhcpRangeEnd_, Setting::apDhcpRangeEnd);

    connect(stationEnabled_, &QCheckBox::clicked, this, &WirelessPage::applyStationRule);
    connect(dhcpClient_, &QCheckBox::clicked, this, &WirelessPage::applyDhcpRule);
    connect(accessPointEnabled_, &QCheckBox::clicked, this, &WirelessPage::applyAccessPointRule);
    connect(stationProfilesButton_, &QPushButton::clicked, this, &WirelessPage::openStationProfilesDialog);
    connect(accessPointButton_, &QPushButton::clicked, this, &WirelessPage::openAccessPointDialog);

    currentAddressLabel_->clear();
    currentAddressValue_->clear();
    enableAll(false);
}

QWidget* WirelessPage::createBandGroup() {
    const QString title = tr("バンド");
    auto* box = new QGroupBox(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(8, 2, 8, 2);
    row->addWidget(new QLabel(title));
    row->addSpacing(12);
    band_ = new QButtonGroup(this);
    bindChoice(band_, Setting::radioBand, dualBand);
    const std::pair<RadioBand, const char*> radios[] = {
        {dualBand, "bandDual"}, {band5GHzOnly, "band5GHz"}, {band24GHzOnly, "band24GHz"}};
    const QString texts[] = {tr("デュアル"), QStringLiteral("5GHz"), QStringLiteral("2.4GHz")};
    for (const auto& [band, id] : radios) {
        auto* radio = new QRadioButton(texts[band], this);
        radio->setObjectName(QString::fromLatin1(id));
        nameInGroup(radio, title);
        band_->addButton(radio, band);
        row->addWidget(radio);
        row->addSpacing(12);
    }
    row->addStretch(1);
    return box;
}

QLineEdit* WirelessPage::addEdit(const char* id) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(id));
    return edit;
}

QComboBox* WirelessPage::addPriority(const char* id) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(id));
    list->addItem(QStringLiteral("1"));
    list->addItem(QStringLiteral("2"));
    return list;
}

void WirelessPage::addAddressEdits(QGridLayout* grid, int row, const char* const (&controlIds)[addressCount],
                                   const QString& prefix, std::array<QLineEdit*, addressCount>& edits) {
    for (int i = 0; i < addressCount; ++i) {
        edits[i] = addEdit(controlIds[i]);
        const QString label = tr(addressLabels[i]);
        grid->addWidget(labelFor(edits[i], label), row++, 0, 1, 3);
        grid->addWidget(edits[i], row++, 1, 1, 2);
        edits[i]->setAccessibleName(withoutMnemonic(prefix + QLatin1Char(' ') + label));
    }
}

QWidget* WirelessPage::createStationColumn() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setColumnMinimumWidth(0, 12);
    grid->setColumnStretch(2, 1);

    stationEnabled_ = new QCheckBox(tr("STAモード 有効"), this);
    stationEnabled_->setObjectName(QStringLiteral("stationEnabled"));
    grid->addWidget(stationEnabled_, 0, 0, 1, 3);

    stationProfilesButton_ = new QPushButton(tr("接続先APの設定"), this);
    stationProfilesButton_->setObjectName(QStringLiteral("stationProfilesButton"));
    grid->addWidget(stationProfilesButton_, 1, 1, 1, 2, Qt::AlignLeft);

    stationPriority_ = addPriority("stationPriority");
    auto* priorityRow = new QHBoxLayout;
    priorityRow->addWidget(labelFor(stationPriority_, tr("優先度:")));
    priorityRow->addWidget(stationPriority_);
    priorityRow->addStretch(1);
    grid->addLayout(priorityRow, 2, 1, 1, 2);

    keepAlive_ = new QCheckBox(tr("キープアライブ有効"), this);
    keepAlive_->setObjectName(QStringLiteral("keepAlive"));
    grid->addWidget(keepAlive_, 3, 1, 1, 2);
    dhcpClient_ = new QCheckBox(tr("IPアドレス自動取得"), this);
    dhcpClient_->setObjectName(QStringLiteral("dhcpClient"));
    grid->addWidget(dhcpClient_, 4, 1, 1, 2);

    addAddressEdits(grid, 5, stationAddressIds, tr(stationPrefix), stationAddresses_);
    grid->setVerticalSpacing(3);
    grid->setRowStretch(grid->rowCount(), 1);

    stationControls_ = {stationProfilesButton_, stationPriority_, keepAlive_, dhcpClient_};
    for (QLineEdit* edit : stationAddresses_) {
        stationControls_.append(edit);
    }
    return box;
}

QWidget* WirelessPage::createAccessPointColumn() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setColumnMinimumWidth(0, 12);
    grid->setColumnStretch(2, 1);

    accessPointEnabled_ = new QCheckBox(tr("APモード 有効"), this);
    accessPointEnabled_->setObjectName(QStringLiteral("accessPointEnabled"));
    grid->addWidget(accessPointEnabled_, 0, 0, 1, 3);

    accessPointButton_ = new QPushButton(tr("APモードの設定"), this);
    accessPointButton_->setObjectName(QStringLiteral("accessPointButton"));
    grid->addWidget(accessPointButton_, 1, 1, 1, 2, Qt::AlignLeft);

    accessPointPriority_ = addPriority("accessPointPriority");
    auto* priorityRow = new QHBoxLayout;
    priorityRow->addWidget(labelFor(accessPointPriority_, tr("優先度:")));
    priorityRow->addWidget(accessPointPriority_);
    priorityRow->addStretch(1);
    grid->addLayout(priorityRow, 2, 1, 1, 2);

    const QString rangeLabel = tr("DHCPの範囲:");
    const QString startLabel = tr("開始:");
    const QString endLabel = tr("終了:");
    grid->addWidget(new QLabel(rangeLabel), 3, 1, 1, 2);
    dhcpRangeStart_ = addEdit("dhcpRangeStart");
    dhcpRangeEnd_ = addEdit("dhcpRangeEnd");
    auto* range = new QGridLayout;
    range->setColumnMinimumWidth(0, 12);
    range->setVerticalSpacing(3);
    range->addWidget(labelFor(dhcpRangeStart_, startLabel), 0, 1);
    range->addWidget(dhcpRangeStart_, 0, 2);
    range->addWidget(labelFor(dhcpRangeEnd_, endLabel), 1, 1);
    range->addWidget(dhcpRangeEnd_, 1, 2);
    dhcpRangeStart_->setAccessibleName(withoutMnemonic(rangeLabel + QLatin1Char(' ') + startLabel));
    dhcpRangeEnd_->setAccessibleName(withoutMnemonic(rangeLabel + QLatin1Char(' ') + endLabel));
    grid->addLayout(range, 4, 1, 1, 2);

    addAddressEdits(grid, 5, accessPointAddressIds, tr(accessPointPrefix), accessPointAddresses_);
    grid->setVerticalSpacing(3);
    grid->setRowStretch(grid->rowCount(), 1);

    accessPointControls_ = {accessPointButton_, accessPointPriority_, dhcpRangeStart_, dhcpRangeEnd_};
    for (QLineEdit* edit : accessPointAddresses_) {
        accessPointControls_.append(edit);
    }
    return box;
}

void WirelessPage::enableAll(bool on) {
    for (QAbstractButton* radio : band_->buttons()) {
        radio->setEnabled(on);
    }
    stationEnabled_->setEnabled(on);
    accessPointEnabled_->setEnabled(on);
    for (QWidget* control : stationControls_ + accessPointControls_) {
        control->setEnabled(false);
    }
    if (on) {
        applyStationRule();
        applyAccessPointRule();
    }
}

void WirelessPage::applyStationRule() {
    const bool on = stationEnabled_->isChecked();
    for (QWidget* control : stationControls_) {
        control->setEnabled(on);
    }
    if (on) {
        applyDhcpRule();
    }
}

void WirelessPage::applyDhcpRule() {
    for (QLineEdit* edit : stationAddresses_) {
        edit->setEnabled(!dhcpClient_->isChecked());
    }
}

void WirelessPage::applyAccessPointRule() {
    const bool on = accessPointEnabled_->isChecked();
    for (QWidget* control : accessPointControls_) {
        control->setEnabled(on);
    }
}

void WirelessPage::loadFromSettings() {
    showBound();
    selectPriority(stationPriority_, loaded_.sta.priority);
    selectPriority(accessPointPriority_, loaded_.ap.priority);

    showCurrentAddress();
    enableAll(true);
}

void WirelessPage::showCurrentAddress() {
    currentAddressLabel_->clear();
    currentAddressValue_->clear();
    const Text& current = loaded_.sta.currentIpAddress;
    if (current.empty() || current.find("None") != Text::npos || current.find("DHCP") != Text::npos) {
        return;
    }
    currentAddressLabel_->setText(tr(currentAddressCaption));
    currentAddressValue_->setText(displayText(current));
}

bool WirelessPage::validateAndStore() {
    storeChoices();
    return passes(
        {CheckSection::wirelessStation, CheckSection::wirelessAccessPoint, CheckSection::wirelessChannel},
        [this](Setting setting, std::size_t) { return boundText(setting); });
}

void WirelessPage::storeChoices() {
    storeBound();
    edited_.sta.priority = selectedPriority(stationPriority_);
    edited_.ap.priority = selectedPriority(accessPointPriority_);

    DeviceSettings::Station& sta = edited_.sta;
    for (Text* field :
         {&sta.ipAddress, &sta.subnetMask, &sta.defaultGateway, &sta.primaryDns, &sta.secondaryDns}) {
        field->clear();
    }
}

void WirelessPage::openStationProfilesDialog() {
    if (document_.configRecord.empty()) {
        return;
    }
    if (document_.loadedFromFile != 0) {
        refuse(tr(readFromDeviceFirstMessage));
        return;
    }
    StationProfilesDialog dialog(document_, link_, dialogs_, this);
    dialog.exec();
}

void WirelessPage::openAccessPointDialog() {
    if (document_.configRecord.empty()) {
        return;
    }
    AccessPointDialog dialog(document_, dialogs_, this);
    dialog.exec();
}

} // namespace marlo
