#pragma once

#include "record/TranslatableText.h"

namespace marlo {

// The program's messages about work with the device that the windows and marlo-cli both show;
// UTF-8, translated in the context "DeviceMessages".
inline constexpr const char* communicationFailedMessage =
    QT_TRANSLATE_NOOP("DeviceMessages", "デバイスとの通信に失敗しました。\n\n"
                                        "設定直後であればしばらく待って再試行してください。\n"
                                        "または一度アプリケーションを閉じてやりなおしてください。");
// Followed by a blank line and the device's answer.
inline constexpr const char* writeFailedMessage =
    QT_TRANSLATE_NOOP("DeviceMessages", "設定の書き込みに失敗しました。");
inline constexpr const char* scanCommunicationError = QT_TRANSLATE_NOOP("DeviceMessages", "通信エラー");
inline constexpr const char* scanParseError = QT_TRANSLATE_NOOP("DeviceMessages", "解析エラー");

} // namespace marlo
