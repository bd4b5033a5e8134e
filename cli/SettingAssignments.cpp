#include "cli/SettingAssignments.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/Translation.h"

#include <algorithm>

namespace marlo::cli {

std::optional<std::pair<std::string, std::string>> assignment(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

bool setValues(const Assignments& values, DeviceSettings& settings, std::ostream& err) {
    for (const auto& [name, value] : values) {
        const std::optional<NamedSetting> named = settingNamed(name);
        if (!named) {
            err << said(unknownSetting, {escapedUtf8(name)}) << "\n";
            return false;
        }
        if (!setFromPrinted(*named, value, settings)) {
            err << said(unusableValue, {escapedUtf8(name), escapedUtf8(value)}) << "\n";
            return false;
        }
    }
    return true;
}

bool judgeSettings(SettingsDocument& document, const Assignments& values, const RefusalSink& sink) {
    bool refused = false;
    const RefusalSink noted = [&](const ConfigurationRefusal& refusal) {
        refused = true;
        return sink(refusal);
    };
    const EditTexts asLoaded = [](Setting, std::size_t) { return std::optional<TypedText>(); };
    for (const SettingsDialog dialog : {SettingsDialog::accessPoint, SettingsDialog::destinations}) {
        const bool changed = std::any_of(values.begin(), values.end(), [dialog](const auto& value) {
            const std::optional<NamedSetting> named = settingNamed(value.first);
            return named && dialogOf(named->setting) == dialog;
        });
        if (changed) {
            checkSection(dialogCheckSection(dialog), document, asLoaded, noted);
        }
    }
    for (const CheckSection section : pageCheckSections()) {
        checkSection(section, document, asLoaded, noted);
    }
    return !refused;
}

} // namespace marlo::cli
