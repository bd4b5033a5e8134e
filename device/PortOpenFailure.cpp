#include "device/PortOpenFailure.h"

#include "record/TextArguments.h"
#include "record/TranslatableText.h"

#include <string_view>

namespace marlo {

namespace {

// %1 is the port; %2 the group, the holder or the system's text.
constexpr const char* permissionDeniedText = QT_TRANSLATE_NOOP(
    "PortOpenFailure", "ポート %1 を開く権限がありません。ポートはグループ「%2」に属しています。"
                       "「sudo usermod -aG %2 $USER」で参加し、ログインし直してください。");
constexpr const char* ownerOnlyText = QT_TRANSLATE_NOOP(
    "PortOpenFailure",
    "ポート %1 を開く権限がありません。このポートを開けるのは所有者のユーザー「%2」だけです。");
constexpr const char* busyText = QT_TRANSLATE_NOOP(
    "PortOpenFailure",
    "ポート %1 は他のプログラム（%2）が使用中です。そのプログラムを終了してから再試行してください。");
constexpr const char* busyUnknownHolderText = QT_TRANSLATE_NOOP(
    "PortOpenFailure",
    "ポート %1 は他のプログラムが使用中です。そのプログラムを終了してから再試行してください。");
constexpr const char* busyAmongText =
    QT_TRANSLATE_NOOP("PortOpenFailure", "ポート %1 は次のいずれかのプログラムが使用中です: %2。"
                                         "そのプログラムを終了してから再試行してください。");
constexpr const char* vanishedText = QT_TRANSLATE_NOOP(
    "PortOpenFailure",
    "ポート %1 が見つかりません。アダプタが取り外された可能性があります。接続を確認してください。");
constexpr const char* noAnswerText = QT_TRANSLATE_NOOP(
    "PortOpenFailure", "ポート %1 から %2 秒以内に応答がありません。デバイスの電源が入っていること、"
                       "このポートがデバイスのコンソールポートであることを確認してください。");
constexpr const char* otherText =
    QT_TRANSLATE_NOOP("PortOpenFailure", "ポート %1 を開けませんでした（%2）。");

} // namespace

const char* portOpenFailureTemplate(const PortOpenFailure& failure) {
    switch (failure.reason) {
    case PortOpenFailure::Reason::permissionDenied:
        return permissionDeniedText;
    case PortOpenFailure::Reason::ownerOnly:
        return ownerOnlyText;
    case PortOpenFailure::Reason::busy:
        return failure.detail.empty() ? busyUnknownHolderText : busyText;
    case PortOpenFailure::Reason::busyAmong:
        return busyAmongText;
    case PortOpenFailure::Reason::vanished:
        return vanishedText;
    case PortOpenFailure::Reason::noAnswer:
        return noAnswerText;
    case PortOpenFailure::Reason::other:
        break;
    }
    return otherText;
}

std::string portOpenFailureText(const PortOpenFailure& failure, std::string_view text) {
    return withArguments(text, {failure.port, failure.detail});
}

} // namespace marlo
