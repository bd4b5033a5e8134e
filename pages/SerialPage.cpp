#include "pages/SerialPage.h"

#include "pages/PageFields.h"
#include "record/Codecs.h"
#include "ui/TypedLengthLimit.h"
#include "ui/WidgetText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

namespace marlo {

namespace {

constexpr const char* baudRates[] = {"9600",   "14400",  "19200",  "38400",   "57600",   "115200",
                                     "230400", "460800", "921600", "1000000", "2000000", "4000000"};

constexpr std::string_view fourCharacterPeriods = "<Four Character Periods>";

std::string decimal(std::uint32_t value) {
    return formatNumberOrPlaceholder(value, 10, "");
}

std::string twoHexDigits(std::uint32_t value) {
    return formatNumberOrPlaceholder(value, 16, "");
}

void addUnit(QGridLayout* grid, int row, int column, const QString& unit) {
    grid->addWidget(new QLabel(unit), row, column);
}

} // namespace

SerialPage::SerialPage(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent)
    : SettingsPage(document, dialogs, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addWidget(createLineGroup());
    layout->addWidget(createPackingGroup());
    layout->addWidget(createQueueGroup());
    layout->addStretch(1);

    for (qsizetype i = 1; i < controls_.size(); ++i) {
        setTabOrder(controls_[i - 1], controls_[i]);
    }

    bindFlag(packing_, Setting::packingEnabled);

    connect(flowControl_, &QButtonGroup::buttonClicked, this, [this] { applyFlowRule(); });
    connect(packing_, &QCheckBox::clicked, this, [this] { applyPackingRule(); });
    connect(packingMode_, &QButtonGroup::buttonClicked, this, [this] { applyPackingRule(); });
    connect(trailingEnabled_, &QCheckBox::clicked, this, [this] { applyPackingRule(); });

    enableAll(false);
}

QRadioButton* SerialPage::addRadio(QButtonGroup* group, int value, const char* id, const QString& text,
                                   const QString& groupLabel) {
    auto* radio = new QRadioButton(text, this);
    radio->setObjectName(QString::fromLatin1(id));
    nameInGroup(radio, groupLabel);
    group->addButton(radio, value);
    controls_.append(radio);
    return radio;
}

QLineEdit* SerialPage::addEdit(const char* id) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(id));
    controls_.append(edit);
    return edit;
}

QWidget* SerialPage::createLineGroup() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);

    baudRate_ = new QComboBox(this);
    baudRate_->setEditable(true);
    baudRate_->setInsertPolicy(QComboBox::NoInsert);
    // The list is there to pick from: what the user types is taken as typed, never completed.
    baudRate_->setCompleter(nullptr);
    for (const char* rate : baudRates) {
        baudRate_->addItem(QString::fromLatin1(rate));
    }
    baudRate_->setObjectName(QStringLiteral("baudRate"));
    controls_.append(baudRate_);
    grid->addWidget(labelFor(baudRate_, tr("ボーレート:")), 0, 0);
    grid->addWidget(baudRate_, 0, 1, 1, 2);

    struct Radio {
        int value;
        const char* id;
        const char* text;
    };
    struct RadioRow {
        QButtonGroup*& group;
        Setting setting;
        int fallback; // stored while no button is ticked
        const char* label;
        std::vector<Radio> radios;
    };
    const RadioRow rows[] = {
        {dataBits_,
         Setting::lineDataBits,
         8,
         QT_TRANSLATE_NOOP("SerialPage", "データビット:"),
         {{7, "dataBits7", "7bit"}, {8, "dataBits8", "8bit"}}},
        {stopBits_,
         Setting::lineStopBits,
         1,
         QT_TRANSLATE_NOOP("SerialPage", "ストップビット:"),
         {{1, "stopBits1", "1"}, {2, "stopBits2", "2"}}},
        {parity_,
         Setting::lineParity,
         noParity,
         QT_TRANSLATE_NOOP("SerialPage", "パリティ:"),
         {{noParity, "parityNone", QT_TRANSLATE_NOOP("SerialPage", "なし")},
          {evenParity, "parityEven", QT_TRANSLATE_NOOP("SerialPage", "偶数")},
          {oddParity, "parityOdd", QT_TRANSLATE_NOOP("SerialPage", "奇数")}}},
        {flowControl_,
         Setting::lineFlowControl,
         noFlowControl,
         QT_TRANSLATE_NOOP("SerialPage", "フロー制御:"),
         {{noFlowControl, "flowNone", QT_TRANSLATE_NOOP("SerialPage", "なし")},
          {hardwareFlowControl, "flowHardware", QT_TRANSLATE_NOOP("SerialPage", "ハードウェア")},
          {softwareFlowControl, "flowSoftware", QT_TRANSLATE_NOOP("SerialPage", "ソフトウェア")}}},
    };
    int row = 1;
    for (const RadioRow& radioRow : rows) {
        radioRow.group = new QButtonGroup(this);
        bindChoice(radioRow.group, radioRow.setting, radioRow.fallback);
        const QString label = tr(radioRow.label);
        grid->addWidget(new QLabel(label), row, 0);
        int column = 1;
        for (const auto& [value, id, text] : radioRow.radios) {
            grid->addWidget(addRadio(radioRow.group, value, id, tr(text), label), row, column++);
        }
        ++row;
    }

    auto* characters = new QHBoxLayout;
    xon_ = addEdit("xonCharacter");
    characters->addWidget(labelFor(xon_, QStringLiteral("Xon Char: 0x")));
    characters->addWidget(xon_);
    characters->addSpacing(16);
    xoff_ = addEdit("xoffCharacter");
    characters->addWidget(labelFor(xoff_, QStringLiteral("Xoff Char: 0x")));
    characters->addWidget(xoff_);
    characters->addStretch(1);
    grid->addLayout(characters, row, 0, 1, 4);

    for (QLineEdit* edit : {xon_, xoff_}) {
        new TypedLengthLimit(edit, 2);
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 12);
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* SerialPage::createPackingGroup() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnMinimumWidth(1, 16);

    packing_ = new QCheckBox(tr("パックコントロール有効"), this);
    packing_->setObjectName(QStringLiteral("packingEnabled"));
    controls_.append(packing_);
    grid->addWidget(packing_, 0, 0, 1, 6);

    packingThreshold_ = addEdit("packingThreshold");
    grid->addWidget(labelFor(packingThreshold_, tr("データ数:")), 1, 1, 1, 2);
    grid->addWidget(packingThreshold_, 1, 3);
    addUnit(grid, 1, 4, tr("バイト"));

    packingMode_ = new QButtonGroup(this);
    const QString modeLabel = packing_->text();
    const QString timeoutLabel = tr("タイムアウト");
    const QString milliseconds = tr("ミリ秒");
    grid->addWidget(addRadio(packingMode_, packingByTimeout, "packingByTimeout", timeoutLabel, modeLabel), 2,
                    1, 1, 2);
    timeout_ = addEdit("packingTimeout");
    timeout_->setAccessibleName(withoutMnemonic(timeoutLabel + QLatin1Char(' ') +
                                                tr("ミリ秒", "unit, read out after a field's name")));
    grid->addWidget(timeout_, 2, 3);
    addUnit(grid, 2, 4, milliseconds);

    grid->addWidget(addRadio(packingMode_, packingBySendCharacter, "packingBySendCharacter",
                             tr("終了キャラクタ指定"), modeLabel),
                    3, 1, 1, 5);

    sendCharacter_ = addEdit("sendCharacter");
    auto* sendRow = new QHBoxLayout;
    sendRow->addWidget(labelFor(sendCharacter_, tr("終了キャラクタ")));
    sendRow->addSpacing(8);
    sendRow->addWidget(new QLabel(QStringLiteral("0x")));
    sendRow->addWidget(sendCharacter_);
    sendRow->addStretch(1);
    grid->addLayout(sendRow, 4, 2, 1, 4);

    flushSendCharacter_ = new QCheckBox(tr("終了キャラクタを送信しない"), this);
    flushSendCharacter_->setObjectName(QStringLiteral("flushSendCharacter"));
    controls_.append(flushSendCharacter_);
    grid->addWidget(flushSendCharacter_, 5, 2, 1, 4);

    trailingEnabled_ = new QCheckBox(tr("終了キャラクタを挿入する"), this);
    trailingEnabled_->setObjectName(QStringLiteral("trailingCharacterEnabled"));
    controls_.append(trailingEnabled_);
    trailingCharacter_ = addEdit("trailingCharacter");
    auto* trailingRow = new QHBoxLayout;
    trailingRow->addWidget(trailingEnabled_);
    trailingRow->addSpacing(8);
    trailingRow->addWidget(labelFor(trailingCharacter_, QStringLiteral("0x")));
    trailingRow->addWidget(trailingCharacter_);
    trailingRow->addStretch(1);
    trailingCharacter_->setAccessibleName(withoutMnemonic(trailingEnabled_->text() + QStringLiteral(" 0x")));
    grid->addLayout(trailingRow, 6, 2, 1, 4);

    for (QLineEdit* edit : {sendCharacter_, trailingCharacter_}) {
        new TypedLengthLimit(edit, 2);
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("<None>")) + 12);
    }
    for (QLineEdit* edit : {packingThreshold_, timeout_}) {
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    }
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget* SerialPage::createQueueGroup() {
    auto* box = new QGroupBox(tr("受信データキュー更新条件"), this);
    auto* grid = new QGridLayout(box);

    gapTime_ = addEdit("gapTime");
    gapTime_->setMinimumWidth(fontMetrics().horizontalAdvance(QString::fromLatin1(fourCharacterPeriods)) +
                              16);
    grid->addWidget(labelFor(gapTime_, tr("ギャップ時間")), 0, 0);
    grid->addWidget(gapTime_, 0, 1, 1, 3);
    addUnit(grid, 0, 4, tr("ミリ秒"));
    auto* note = new QLabel(tr("0設定時は\n4データ分の時間"));
    grid->addWidget(note, 0, 5, 2, 1, Qt::AlignTop);

    queueThreshold_ = addEdit("queueThreshold");
    grid->addWidget(labelFor(queueThreshold_, tr("閾値")), 1, 0);
    queueThreshold_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(queueThreshold_);
    thresholdRow->addWidget(new QLabel(tr("バイト")));
    thresholdRow->addStretch(1);
    grid->addLayout(thresholdRow, 1, 1, 1, 4);

    firstMatch_ = addEdit("firstMatchByte");
    secondMatch_ = addEdit("secondMatchByte");
    const QString matchLabel = tr("判定データ");
    grid->addWidget(new QLabel(matchLabel), 2, 0);
    auto* matchRow = new QHBoxLayout;
    matchRow->addWidget(labelFor(firstMatch_, QStringLiteral("0x")));
    matchRow->addWidget(firstMatch_);
    matchRow->addSpacing(12);
    matchRow->addWidget(labelFor(secondMatch_, QStringLiteral("0x")));
    matchRow->addWidget(secondMatch_);
    matchRow->addStretch(1);
    grid->addLayout(matchRow, 2, 1, 1, 5);
    firstMatch_->setAccessibleName(withoutMnemonic(matchLabel + QStringLiteral(" 1")));
    secondMatch_->setAccessibleName(withoutMnemonic(matchLabel + QStringLiteral(" 2")));

    for (QLineEdit* edit : {firstMatch_, secondMatch_}) {
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 12);
    }
    grid->setColumnStretch(6, 1);
    return box;
}

void SerialPage::enableAll(bool on) {
    for (QWidget* control : controls_) {
        control->setEnabled(on);
    }
}

void SerialPage::applyFlowRule() {
    const bool software = flowControl_->checkedId() == softwareFlowControl;
    xon_->setEnabled(software);
    xoff_->setEnabled(software);
    if (!software) {
        return;
    }
    if (xon_->text().isEmpty()) {
        xon_->setText(QStringLiteral("11"));
    }
    if (xoff_->text().isEmpty()) {
        xoff_->setText(QStringLiteral("13"));
    }
}

void SerialPage::applyPackingRule() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{packingThreshold_, packingMode_->button(packingByTimeout), timeout_,
                                         packingMode_->button(packingBySendCharacter), sendCharacter_,
                                         flushSendCharacter_, trailingEnabled_, trailingCharacter_}) {
        control->setEnabled(false);
    }
    if (!packing_->isChecked()) {
        return;
    }
    packingThreshold_->setEnabled(true);
    packingMode_->button(packingByTimeout)->setEnabled(true);
    packingMode_->button(packingBySendCharacter)->setEnabled(true);
    if (packingMode_->checkedId() == -1) {
        packingMode_->button(packingByTimeout)->setChecked(true);
    }
    if (packingMode_->checkedId() == packingByTimeout) {
        timeout_->setEnabled(true);
    }
    if (packingMode_->checkedId() == packingBySendCharacter) {
        sendCharacter_->setEnabled(true);
        flushSendCharacter_->setEnabled(true);
        trailingEnabled_->setEnabled(true);
        trailingCharacter_->setEnabled(trailingEnabled_->isChecked());
    }
    const std::pair<QLineEdit*, const char*> defaults[] = {
        {packingThreshold_, "512"}, {timeout_, "60"}, {sendCharacter_, "0d"}, {trailingCharacter_, "<None>"}};
    for (const auto& [edit, text] : defaults) {
        if (edit->text().isEmpty()) {
            edit->setText(QString::fromLatin1(text));
        }
    }
}

void SerialPage::loadFromSettings() {
    enableAll(true);
    const DeviceSettings::Line& line = loaded_.line;
    baudRate_->setEditText(QString::fromStdString(decimal(line.baudRate)));
    showBound();

    xon_->clear();
    xoff_->clear();
    applyFlowRule();
    if (line.flowControl == softwareFlowControl) {
        setFieldText(xon_, twoHexDigits(line.xonChar));
        setFieldText(xoff_, twoHexDigits(line.xoffChar));
    }

    const DeviceSettings::Packing& packing = loaded_.packing;
    untickAll(packingMode_);
    flushSendCharacter_->setChecked(false);
    trailingEnabled_->setChecked(false);
    for (QLineEdit* edit : {packingThreshold_, timeout_, sendCharacter_, trailingCharacter_}) {
        edit->clear();
    }
    if (packing.enabled != 0) {
        showSetting(packingThreshold_, Setting::packingThreshold);
        if (packing.mode == packingByTimeout) {
            packingMode_->button(packingByTimeout)->setChecked(true);
            showSetting(timeout_, Setting::packingTimeout);
        }
        if (packing.mode == packingBySendCharacter) {
            packingMode_->button(packingBySendCharacter)->setChecked(true);
            setFieldText(sendCharacter_, twoHexDigits(packing.sendCharacter));
            flushSendCharacter_->setChecked(packing.flushSendCharacter != 0);
            trailingEnabled_->setChecked(packing.trailingCharacterEnabled != 0);
            setFieldText(trailingCharacter_, twoHexDigits(packing.trailingCharacter));
        }
    }
    applyPackingRule();

    showSetting(gapTime_, Setting::lineGapTimer);
    showSetting(queueThreshold_, Setting::lineThreshold);
    firstMatch_->clear();
    secondMatch_->clear();
    if (line.pushCount >= 1) {
        setFieldText(firstMatch_, twoHexDigits(line.push[0]));
    }
    if (line.pushCount >= 2) {
        setFieldText(secondMatch_, twoHexDigits(line.push[1]));
    }
}

bool SerialPage::validateAndStore() {
    storeChoices();
    const EditTexts texts = [this](Setting setting, std::size_t element) -> std::optional<TypedText> {
        if (setting == Setting::lineBaudRate) {
            return TypedText{numberFieldText(baudRate_)};
        }
        if (setting == Setting::linePush) {
            return TypedText{numberFieldText(element == 0 ? firstMatch_ : secondMatch_)};
        }
        const std::pair<Setting, QLineEdit*> edits[] = {
            {Setting::lineXonChar, xon_},
            {Setting::lineXoffChar, xoff_},
            {Setting::packingThreshold, packingThreshold_},
            {Setting::packingTimeout, timeout_},
            {Setting::packingSendCharacter, sendCharacter_},
            {Setting::packingTrailingCharacter, trailingCharacter_},
            {Setting::lineGapTimer, gapTime_},
            {Setting::lineThreshold, queueThreshold_},
        };
        const auto* bound = std::find_if(std::begin(edits), std::end(edits),
                                         [setting](const auto& edit) { return edit.first == setting; });
        return bound != std::end(edits) ? std::optional(TypedText{numberFieldText(bound->second)})
                                        : std::nullopt;
    };
    return passes({CheckSection::serialLine, CheckSection::serialPacking, CheckSection::serialQueue}, texts);
}

void SerialPage::storeChoices() {
    storeBound();
    DeviceSettings::Packing& packing = edited_.packing;
    if (!packing_->isChecked()) {
        return;
    }
    const int mode = packingMode_->checkedId();
    if (mode == packingByTimeout || mode == packingBySendCharacter) {
        packing.mode = mode;
    }
    if (mode == packingBySendCharacter) {
        packing.flushSendCharacter = flushSendCharacter_->isChecked() ? 1 : 0;
        packing.trailingCharacterEnabled = trailingEnabled_->isChecked() ? 1 : 0;
        packing.trailingCharacter = 0;
    }
}

} // namespace marlo
