#include "pages/PageFields.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace marlo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

std::string trimmedBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x80');
    }
    const std::size_t first = bytes.find_first_not_of(" \t\n\v\f\r");
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = bytes.find_last_not_of(" \t\n\v\f\r");
    return bytes.substr(first, last - first + 1);
}

} // namespace

std::uint32_t parseUnsigned(std::string_view text, int base) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    bool overflow = false;
    for (; at < text.size() && digitValue(text[at]) < base; ++at) {
        value = value * base + digitValue(text[at]);
        if (value > limit) {
            overflow = true;
            value = limit;
        }
    }
    if (overflow) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    const auto result = static_cast<std::uint32_t>(value);
    return negative ? 0u - result : result;
}

bool isHexDigits(std::string_view text) {
    for (const char c : text) {
        if (digitValue(c) >= 16) {
            return false;
        }
    }
    return true;
}

std::string numberFieldText(const QLineEdit* edit) {
    return trimmedBytes(edit->text());
}

std::string numberFieldText(const QComboBox* combo) {
    return trimmedBytes(combo->currentText());
}

void setFieldText(QLineEdit* edit, std::string_view text) {
    edit->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void tickValue(QButtonGroup* group, int value) {
    if (QAbstractButton* button = group->button(value)) {
        button->setChecked(true);
    } else {
        untickAll(group);
    }
}

void untickAll(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

QWidget* labelFor(QWidget* control, const QString& text) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(text);
    return label;
}

void nameInGroup(QAbstractButton* button, const QString& groupLabel) {
    button->setAccessibleName(groupLabel + QLatin1Char(' ') + button->text());
}

} // namespace marlo
