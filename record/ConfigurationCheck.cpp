#include "record/ConfigurationCheck.h"

#include "record/Codecs.h"
#include "record/SettingEdits.h"
#include "record/TranslatableText.h"

#include <algorithm>
#include <array>

namespace marlo {

namespace {

constexpr const char* softwareFlowTooFast =
    QT_TRANSLATE_NOOP("SerialPage", "ソフトウェアフロー制御時は230400bpsが最大値です");
constexpr const char* matchByteNotHex =
    QT_TRANSLATE_NOOP("SerialPage", "受信データキュー更新条件の判定データ 指定エラー");
constexpr const char* matchByteOutOfRange = QT_TRANSLATE_NOOP(
    "SerialPage", "受信データキュー更新条件の判定データは0x00-0x0F, 0x21-0x7Eである必要があります。");
constexpr const char* secondMatchByteAlone = QT_TRANSLATE_NOOP(
    "SerialPage", "受信データキュー更新条件の判定データは1バイト目から設定する必要があります。");

bool isMatchByte(std::uint32_t value) {
    return value <= 0x0f || (value >= 0x21 && value <= 0x7e);
}

// One walk through the checks of a section.
class Checker {
public:
    Checker(DeviceSettings& settings, const EditTexts& texts, const RefusalSink& sink, SettingsArea area)
        : settings_(settings)
        , texts_(texts)
        , sink_(sink)
        , area_(area) {}

    // Whether the walk goes on: no refusal yet, or the sink asked for the rest.
    bool going() const { return going_; }
    // False when the sink stops the walk.
    bool refuse(const char* context, const char* message, const char* control, Setting setting,
                std::size_t element = 0) {
        passed_ = false;
        going_ = sink_({context, message, area_, control, setting, element});
        return going_;
    }

    // An edit box bound to `setting`: its text, or the text the page shows for the value held, read
    // by the setting's rule and stored.
    void edit(Setting setting, const char* control, std::size_t element = 0) {
        if (!going_) {
            return;
        }
        const std::optional<std::string> typed = texts_(setting, element);
        const std::string text = typed ? *typed : formatForEdit(setting, settings_, element);
        if (const char* refusal = storeFromEdit(setting, text, settings_, element)) {
            refuse("SettingsSchema", refusal, control, setting, element);
        }
    }
    // Whether the page gave a text for `setting`: the box is switched on.
    bool typed(Setting setting) const { return texts_(setting, 0).has_value(); }
    // The match byte's text: typed, or as the page shows the value held (empty past the count).
    std::string matchByteText(std::size_t element) const {
        if (const std::optional<std::string> typed = texts_(Setting::linePush, element)) {
            return *typed;
        }
        const auto& line = settings_.line;
        return static_cast<std::int32_t>(element) < line.pushCount
                   ? formatNumberOrPlaceholder(line.push[element], 16, "")
                   : std::string();
    }

    DeviceSettings& settings() { return settings_; }
    bool passed() const { return passed_; }

private:
    DeviceSettings& settings_;
    const EditTexts& texts_;
    const RefusalSink& sink_;
    SettingsArea area_;
    bool going_ = true;
    bool passed_ = true;
};

void checkNetworkServer(Checker& check) {
    const DeviceSettings::Accept& accept = check.settings().accept;
    if (accept.mode == tunnelStartCharacter) {
        check.edit(Setting::acceptStartCharacter, "serverStartCharacter");
    }
    check.edit(Setting::acceptLocalPort, "serverLocalPort");
}

void checkNetworkClient(Checker& check) {
    if (check.settings().connect.mode == tunnelStartCharacter) {
        check.edit(Setting::connectStartCharacter, "clientStartCharacter");
    }
}

void checkNetworkStopCharacter(Checker& check) {
    if (check.settings().disconnect.stopCharacterEnabled != 0) {
        check.edit(Setting::disconnectStopCharacter, "stopCharacter");
    }
}

// Switched on by its check box on the page; in settings read from a record, by a time at all.
void checkNetworkSilence(Checker& check) {
    if (check.typed(Setting::disconnectTimeout) || check.settings().disconnect.timeout != 0) {
        check.edit(Setting::disconnectTimeout, "silenceTimeout");
    }
}

void checkSerialLine(Checker& check) {
    const DeviceSettings::Line& line = check.settings().line;
    check.edit(Setting::lineBaudRate, "baudRate");
    if (!check.going() || line.flowControl != softwareFlowControl) {
        return;
    }
    const auto rate = static_cast<std::int32_t>(line.baudRate);
    if (rate < 9600 || rate > 230400) {
        check.refuse("SerialPage", softwareFlowTooFast, "baudRate", Setting::lineBaudRate);
    }
    check.edit(Setting::lineXonChar, "xonCharacter");
    check.edit(Setting::lineXoffChar, "xoffCharacter");
}

void checkSerialPacking(Checker& check) {
    const DeviceSettings::Packing& packing = check.settings().packing;
    if (packing.enabled == 0) {
        return;
    }
    check.edit(Setting::packingThreshold, "packingThreshold");
    if (packing.mode == packingByTimeout) {
        check.edit(Setting::packingTimeout, "packingTimeout");
    }
    if (packing.mode == packingBySendCharacter) {
        check.edit(Setting::packingSendCharacter, "sendCharacter");
        if (packing.trailingCharacterEnabled != 0) {
            check.edit(Setting::packingTrailingCharacter, "trailingCharacter");
        }
    }
}

void checkMatchByte(Checker& check, std::size_t element, const std::string& text) {
    static constexpr std::array<const char*, 2> controls{"firstMatchByte", "secondMatchByte"};
    const bool hexDigits = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
    const std::uint32_t value = parseUnsigned(text, 16);
    if (!hexDigits) {
        check.refuse("SerialPage", matchByteNotHex, controls[element], Setting::linePush, element);
    } else if (!isMatchByte(value)) {
        check.refuse("SerialPage", matchByteOutOfRange, controls[element], Setting::linePush, element);
    } else {
        check.settings().line.push[element] = static_cast<std::uint8_t>(value);
    }
}

void checkSerialQueue(Checker& check) {
    check.edit(Setting::lineGapTimer, "gapTime");
    check.edit(Setting::lineThreshold, "queueThreshold");
    if (!check.going()) {
        return;
    }
    const std::string first = check.matchByteText(0);
    const std::string second = check.matchByteText(1);
    DeviceSettings::Line& line = check.settings().line;
    line.pushCount = 0;
    line.push = {0, 0};
    if (!first.empty()) {
        line.pushCount = 1;
        checkMatchByte(check, 0, first);
    }
    if (!second.empty() && check.going()) {
        if (first.empty() &&
            !check.refuse("SerialPage", secondMatchByteAlone, "firstMatchByte", Setting::linePush)) {
            return;
        }
        line.pushCount = 2;
        checkMatchByte(check, 1, second);
    }
}

constexpr std::array sections{CheckSection::networkServer,        CheckSection::networkClient,
                              CheckSection::networkStopCharacter, CheckSection::networkSilence,
                              CheckSection::serialLine,           CheckSection::serialPacking,
                              CheckSection::serialQueue};

} // namespace

bool checkSection(CheckSection section, DeviceSettings& settings, const EditTexts& texts,
                  const RefusalSink& sink) {
    const bool serial = section == CheckSection::serialLine || section == CheckSection::serialPacking ||
                        section == CheckSection::serialQueue;
    Checker check(settings, texts, sink, serial ? SettingsArea::serialPage : SettingsArea::networkPage);
    switch (section) {
    case CheckSection::networkServer:
        checkNetworkServer(check);
        break;
    case CheckSection::networkClient:
        checkNetworkClient(check);
        break;
    case CheckSection::networkStopCharacter:
        checkNetworkStopCharacter(check);
        break;
    case CheckSection::networkSilence:
        checkNetworkSilence(check);
        break;
    case CheckSection::serialLine:
        checkSerialLine(check);
        break;
    case CheckSection::serialPacking:
        checkSerialPacking(check);
        break;
    case CheckSection::serialQueue:
        checkSerialQueue(check);
        break;
    }
    return check.passed();
}

std::span<const CheckSection> checkSections() {
    return sections;
}

} // namespace marlo
