#pragma once

#include "record/TranslatableText.h"

namespace marlo::cli {

// The texts marlo-cli frames its own messages with, translated in the context "marlo-cli"; %1 and
// %2 stand for what each names.

inline constexpr const char* cannotReadFile =
    QT_TRANSLATE_NOOP("marlo-cli", "marlo-cli: %1 を読み込めません: %2");
inline constexpr const char* cannotWriteFile =
    QT_TRANSLATE_NOOP("marlo-cli", "marlo-cli: %1 に書き込めません: %2");
inline constexpr const char* cannotWriteOutput =
    QT_TRANSLATE_NOOP("marlo-cli", "marlo-cli: 標準出力に書き込めません");
// %1 is the record file, %2 why a value of it cannot be written.
inline constexpr const char* recordCannotHold =
    QT_TRANSLATE_NOOP("marlo-cli", "marlo-cli: %1 の値を記録に書き込めません: %2");
// %1 is the system's text of a port failure.
inline constexpr const char* portFailure = QT_TRANSLATE_NOOP("marlo-cli", "marlo-cli: ポート: %1");
// %1 is a setting name given to --set; %2 the value that could not be taken.
inline constexpr const char* unknownSetting =
    QT_TRANSLATE_NOOP("marlo-cli", "marlo-cli: --set %1: そのような設定はありません");
inline constexpr const char* unusableValue =
    QT_TRANSLATE_NOOP("marlo-cli", "marlo-cli: --set %1: 値 %2 は設定できません");
// %1 is a command and its arguments.
inline constexpr const char* commandUsage = QT_TRANSLATE_NOOP("marlo-cli", "使い方: marlo-cli %1");
inline constexpr const char* usageHeading = QT_TRANSLATE_NOOP("marlo-cli", "使い方:");
inline constexpr const char* languageOption =
    QT_TRANSLATE_NOOP("marlo-cli", "コマンドの前の --lang ja|en でメッセージの言語を選びます。"
                                   "指定がなければロケールの言語です。");

} // namespace marlo::cli
