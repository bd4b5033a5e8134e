#pragma once

#include <QString>
#include <string>

namespace marlo {

// The message of a read the device did not answer as it should.
inline const QString communicationFailed =
    QStringLiteral("デバイスとの通信に失敗しました。\n\n設定直後であればしばらく待って再試行してください。\n"
                   "または一度アプリケーションを閉じてやりなおしてください。");

// The same, when nothing at all answered on `port` within the window's two seconds.
inline QString unansweredRead(const std::string& port) {
    return communicationFailed + QStringLiteral("\n\nポート ") + QString::fromStdString(port) +
           QStringLiteral(" から 2 秒以内に応答がありません。デバイスの電源が入っていること、"
                          "このポートがデバイスのコンソールポートであることを確認してください。");
}

} // namespace marlo
