#include "pages/PageFields.h"

#include "record/Codecs.h"
#include "ui/WidgetText.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace marlo {

namespace {

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

std::string numberFieldText(const QLineEdit* edit) {
    return trimmedBytes(edit->text());
}

std::string numberFieldText(const QComboBox* combo) {
    return trimmedBytes(combo->currentText());
}

std::string numberOrEmpty(std::uint32_t value, int base) {
    return value == 0 ? std::string() : formatNumberOrPlaceholder(value, base, "");
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

void focusForRetyping(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(control); combo != nullptr && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    }
}

int editWidthFor(const QWidget* widget, const char* sample) {
    return widget->fontMetrics().horizontalAdvance(QString::fromUtf8(sample)) + 12;
}

QWidget* labelFor(QWidget* control, const QString& text) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(withoutMnemonic(text));
    return label;
}

void nameInGroup(QAbstractButton* button, const QString& groupLabel) {
    button->setAccessibleName(withoutMnemonic(groupLabel + QLatin1Char(' ') + button->text()));
}

} // namespace marlo
