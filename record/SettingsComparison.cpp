#include "record/SettingsComparison.h"

#include "record/Codecs.h"
#include "record/EscapedText.h"
#include "record/RecordWriter.h"
#include "record/SettingsImport.h"
#include "record/TranslatableText.h"
#include "record/ValueCodecs.h"

#include <type_traits>

namespace marlo {

namespace {

constexpr const char* onText = QT_TRANSLATE_NOOP("SettingsComparison", "オン");
constexpr const char* offText = QT_TRANSLATE_NOOP("SettingsComparison", "オフ");
constexpr const char* absentText = QT_TRANSLATE_NOOP("SettingsComparison", "(なし)");
constexpr const char* changedText = QT_TRANSLATE_NOOP("SettingsComparison", "変更あり");

std::string comparisonText(const char* text, const TranslateText& translate) {
    return translate({"SettingsComparison", text});
}

// A label as a name: without its keyboard mnemonic and its trailing colon.
std::string asName(std::string label) {
    std::string name;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size()) {
            ++i;
        }
        name += label[i];
    }
    // A character's label ends in the "0x" shown before its box.
    for (const std::string_view end : {std::string_view("0x"), std::string_view(":"),
                                       std::string_view("\xef\xbc\x9a"), std::string_view(" ")}) {
        while (name.ends_with(end) || name.ends_with(" ")) {
            name.erase(name.size() - (name.ends_with(end) ? end.size() : 1));
        }
    }
    std::string single;
    for (const char c : name) {
        if (c != ' ' || single.empty() || single.back() != ' ') {
            single += c;
        }
    }
    return single;
}

bool isCheckBox(const SettingRow& row) {
    const bool onOffTable =
        row.codec.kind == CodecKind::enumeration && row.codec.table.data() == tables::onOff.data();
    return onOffTable || row.codec.kind == CodecKind::none;
}

// Sets the row's field of `to` to the one of `from`, every element of it.
void copyField(const SettingRow& row, const DeviceSettings& from, DeviceSettings& to) {
    for (std::size_t element = 0; element < elementCount(row.array); ++element) {
        std::visit(
            [&](auto* target) {
                using Value = std::decay_t<decltype(*target)>;
                *target = fieldOf<Value>(row, from, element);
            },
            row.field(to, element));
    }
}

// Whether the window shows the setting's value at all: some boxes stay empty while the choice that
// uses them is off, and the record then leaves their values out.
bool isInUse(Setting setting, const DeviceSettings& settings) {
    const bool packingBySendCharacter =
        settings.packing.enabled != 0 && settings.packing.mode == PackingMode::packingBySendCharacter;
    switch (setting) {
    case Setting::lineXonChar:
    case Setting::lineXoffChar:
        return settings.line.flowControl == softwareFlowControl;
    case Setting::acceptStartCharacter:
    case Setting::acceptFlushStartCharacter:
        return settings.accept.mode == tunnelStartCharacter;
    case Setting::connectStartCharacter:
    case Setting::connectFlushStartCharacter:
        return settings.connect.mode == tunnelStartCharacter;
    case Setting::disconnectStopCharacter:
        return settings.disconnect.stopCharacterEnabled != 0;
    case Setting::packingMode:
    case Setting::packingThreshold:
        return settings.packing.enabled != 0;
    case Setting::packingTimeout:
        return settings.packing.enabled != 0 && settings.packing.mode == PackingMode::packingByTimeout;
    case Setting::packingSendCharacter:
    case Setting::packingFlushSendCharacter:
    case Setting::packingTrailingCharacterEnabled:
        return packingBySendCharacter;
    case Setting::packingTrailingCharacter:
        return packingBySendCharacter && settings.packing.trailingCharacterEnabled != 0;
    default:
        return true;
    }
}

ShownValue shown(const SettingRow& row, const DeviceSettings& settings, std::size_t element) {
    if ((row.array == SettingArray::profiles && static_cast<int>(element) >= settings.profileCount) ||
        !isInUse(row.setting, settings)) {
        return {ShownValue::absent, {}, {}};
    }
    const FieldValue value = valueOf(row, settings, element);
    if (const auto* text = std::get_if<Text>(&value)) {
        // The device reports an empty address as "<None>"; the record may leave it empty instead.
        const Text& same = *text == "<None>" ? Text() : *text;
        return {isSecret(row.setting) ? ShownValue::secret : ShownValue::plain, escapedText(same), {}};
    }
    const auto number = static_cast<std::int32_t>(numberOf(row, settings, element));
    if (row.setting == Setting::connectReception) {
        // The destinations dialog's check box drops what other senders send.
        return {number == receptionRestricted ? ShownValue::on : ShownValue::off, {}, {}};
    }
    if ((row.setting == Setting::acceptMode || row.setting == Setting::connectMode) &&
        number == tunnelDisable) {
        // The mode's check box is off.
        return {ShownValue::off, {}, {}};
    }
    if (const auto label = choiceLabel(row.setting, number)) {
        return {ShownValue::choice, {}, *label};
    }
    if (row.codec.kind == CodecKind::enumeration && !isCheckBox(row)) {
        // A choice the window shows in the record's own words.
        return {ShownValue::plain, std::string(enumerationName(row.codec.table, number)), {}};
    }
    if (row.array == SettingArray::push) {
        return {ShownValue::plain,
                static_cast<int>(element) < settings.line.pushCount
                    ? formatNumberOrPlaceholder(number, 16, "")
                    : "",
                {}};
    }
    if (row.edit) {
        return {ShownValue::plain, editText(row, settings, element), {}};
    }
    if (isCheckBox(row)) {
        return {number != 0 ? ShownValue::on : ShownValue::off, {}, {}};
    }
    return {ShownValue::plain, std::to_string(number), {}};
}

} // namespace

bool isSecret(Setting setting) {
    return setting == Setting::accessPointPassphrase || setting == Setting::acceptPassword;
}

std::vector<SettingDifference> differingSettings(const DeviceSettings& before, const DeviceSettings& after) {
    std::vector<SettingDifference> differences;
    for (const SettingRow& row : settingsSchema()) {
        // The status the device reports is no setting of its configuration.
        if (!settingLabel(row.setting) || row.place.group == &groups::stationStatus) {
            continue;
        }
        for (std::size_t element = 0; element < elementCount(row.array); ++element) {
            if (shown(row, before, element) != shown(row, after, element)) {
                differences.push_back({row.setting, element});
            }
        }
    }
    return differences;
}

std::optional<DeviceSettings> settingsOfRecord(std::string_view configRecord) {
    SettingsDocument document;
    document.configRecord = Text(configRecord);
    if (!importSettings(document, 1, {})) {
        return std::nullopt;
    }
    return document.loaded;
}

DeviceSettings settingsToWrite(const SettingsDocument& document) {
    DeviceSettings settings = document.edited;
    if (const auto record = buildRecord(document, RecordTarget::file)) {
        if (auto read = settingsOfRecord(*record)) {
            settings = *read;
        }
    }
    for (const SettingRow& row : settingsSchema()) {
        const bool leftToDevice =
            (dialogOf(row.setting) != SettingsDialog::none && !document.confirmedInDialog(row.setting)) ||
            row.array == SettingArray::profiles || row.setting == Setting::profileCount ||
            row.place.group == &groups::stationStatus;
        if (leftToDevice) {
            copyField(row, document.loaded, settings);
        } else if (isSecret(row.setting) &&
                   fieldOf<Text>(row, document.holderOf(row.setting)) == configuredSecret) {
            fieldOf<Text>(row, settings) = std::string(configuredSecret);
        }
    }
    return settings;
}

ShownValue shownValue(const SettingDifference& difference, const DeviceSettings& settings) {
    return shown(settingRow(difference.setting), settings, difference.element);
}

std::string settingTitle(const SettingDifference& difference, const TranslateText& translate) {
    const std::optional<SettingLabel> label = settingLabel(difference.setting);
    if (!label) {
        return settingName(settingRow(difference.setting), difference.element);
    }
    std::string title = asName(translate(label->place));
    if (label->group) {
        title += " > " + asName(translate(*label->group));
    }
    title += " > " + asName(translate(label->label));
    if (settingRow(difference.setting).array != SettingArray::none) {
        title += " " + std::to_string(difference.element + 1);
    }
    return title;
}

std::string shownText(const ShownValue& value, const TranslateText& translate) {
    switch (value.kind) {
    case ShownValue::choice:
        return asName(translate(value.choiceText));
    case ShownValue::on:
        return comparisonText(onText, translate);
    case ShownValue::off:
        return comparisonText(offText, translate);
    case ShownValue::absent:
        return comparisonText(absentText, translate);
    case ShownValue::secret:
        return comparisonText(changedText, translate);
    case ShownValue::plain:
        break;
    }
    return value.text.empty() ? comparisonText(absentText, translate) : value.text;
}

std::string differenceLine(const SettingDifference& difference, const DeviceSettings& before,
                           const DeviceSettings& after, const TranslateText& translate) {
    const std::string title = settingTitle(difference, translate);
    if (isSecret(difference.setting)) {
        return title + ": " + comparisonText(changedText, translate);
    }
    return title + ": " + shownText(shownValue(difference, before), translate) + " \xe2\x86\x92 " +
           shownText(shownValue(difference, after), translate);
}

} // namespace marlo
