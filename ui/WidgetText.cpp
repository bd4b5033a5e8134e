#include "ui/WidgetText.h"

#include "record/Cp932.h"

#include <QCoreApplication>

namespace marlo {

std::optional<Text> encodeText(const QString& text) {
    return utf8ToCp932(text.toStdString());
}

std::optional<QString> decodeText(std::string_view cp932) {
    const std::optional<std::string> utf8 = cp932ToUtf8(cp932);
    if (!utf8) {
        return std::nullopt;
    }
    return QString::fromStdString(*utf8);
}

QString displayText(std::string_view cp932) {
    if (std::optional<QString> decoded = decodeText(cp932)) {
        return *decoded;
    }
    QString shown;
    for (const char byte : cp932) {
        const auto code = static_cast<unsigned char>(byte);
        shown.append(code < 0x80 ? QChar(code) : QChar(QChar::ReplacementCharacter));
    }
    return shown;
}

QString refusalText(const RecordRefusal& refusal) {
    const QString message = QCoreApplication::translate(refusal.context, refusal.message);
    return refusal.argument.empty() ? message : message.arg(QString::fromStdString(refusal.argument));
}

QString withoutMnemonic(const QString& text) {
    QString said;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        said += text[i];
    }
    return said;
}

} // namespace marlo
