#include "app/SettingChanges.h"

#include "record/SettingsComparison.h"

#include <QCoreApplication>

namespace marlo {

QStringList changeLines(const DeviceSettings& before, const DeviceSettings& after) {
    const TranslateText translate = [](const WindowText& text) {
        return QCoreApplication::translate(text.context, text.text).toStdString();
    };
    QStringList lines;
    for (const SettingDifference& difference : differingSettings(before, after)) {
        lines << QString::fromStdString(differenceLine(difference, before, after, translate));
    }
    return lines;
}

} // namespace marlo
