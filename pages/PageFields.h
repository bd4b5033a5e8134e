#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QWidget;

namespace marlo {

// Reading and filling the controls of the settings pages.

// A number field's text, trimmed of blanks at both ends, as bytes. A character outside ASCII
// stands as one byte that is neither digit, blank nor sign: the number parser and the digit
// checks stop at it, just as they stop at any code page 932 character.
std::string numberFieldText(const QLineEdit* edit);
std::string numberFieldText(const QComboBox* combo);

// A number for an edit box in decimal (base 10) or as two hexadecimal digits (base 16); the empty
// text for 0.
std::string numberOrEmpty(std::uint32_t value, int base);

// Sets an edit to a text made by the settings' formatters (ASCII).
void setFieldText(QLineEdit* edit, std::string_view text);

// Ticks the button whose group id is `value`; with no such button the whole group is unticked.
void tickValue(QButtonGroup* group, int value);
void untickAll(QButtonGroup* group);

// Gives `control` the focus with its text selected, so that what the user types replaces a value
// that was refused.
void focusForRetyping(QWidget* control);

// The width of an edit in `widget`'s font that shows `sample` whole.
int editWidthFor(const QWidget* widget, const char* sample);

// A label that names `control` for the keyboard and for assistive technology.
QWidget* labelFor(QWidget* control, const QString& text);

// Names a radio button after its group's label and its own text ("パリティ: なし").
void nameInGroup(QAbstractButton* button, const QString& groupLabel);

} // namespace marlo
