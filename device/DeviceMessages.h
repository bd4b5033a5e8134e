#pragma once

#include "device/DeviceLink.h"
#include "record/TranslatableText.h"

#include <string_view>

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
inline constexpr const char* communicationErrorMessage = QT_TRANSLATE_NOOP("DeviceMessages", "通信エラー");
inline constexpr const char* unreachableMessage = QT_TRANSLATE_NOOP("DeviceMessages", "対象と通信できません");
inline constexpr const char* scanParseError = QT_TRANSLATE_NOOP("DeviceMessages", "解析エラー");

// The program's own message, to be translated, that a reply of `DeviceLink::sendRecord` stands
// for; null when the reply is the device's answer.
inline const char* programReplyMessage(std::string_view reply) {
    if (reply == unreachableText) {
        return unreachableMessage;
    }
    return reply == communicationErrorText ? communicationErrorMessage : nullptr;
}

} // namespace marlo
