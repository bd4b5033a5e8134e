#include "ui/TypedLengthLimit.h"

#include "ui/WidgetText.h"

#include <QLineEdit>
#include <algorithm>

namespace marlo {

namespace {

std::size_t byteLength(const QString& text) {
    const std::optional<Text> encoded = encodeText(text);
    return encoded ? encoded->size() : std::string::npos;
}

// True when `edited` is `before` with one run of characters taken out.
bool onlyRemoved(const QString& before, const QString& edited) {
    if (edited.size() >= before.size()) {
        return false;
    }
    qsizetype common = 0;
    while (common < edited.size() && edited[common] == before[common]) {
        ++common;
    }
    return before.endsWith(QStringView(edited).mid(common));
}

} // namespace

TypedLengthLimit::TypedLengthLimit(QLineEdit* edit, int maxBytes)
    : QObject(edit)
    , edit_(edit)
    , maxBytes_(maxBytes)
    , accepted_(edit->text()) {
    // textEdited comes before textChanged, so `accepted_` still holds the text before the typing.
    connect(edit, &QLineEdit::textEdited, this, &TypedLengthLimit::checkTyped);
    connect(edit, &QLineEdit::textChanged, this, [this] { accepted_ = edit_->text(); });
}

void TypedLengthLimit::checkTyped(const QString& typed) {
    const std::size_t length = byteLength(typed);
    const bool fits = length <= static_cast<std::size_t>(maxBytes_);
    if (fits || onlyRemoved(accepted_, typed)) {
        return;
    }
    const int cursor = edit_->cursorPosition() - static_cast<int>(typed.size() - accepted_.size());
    edit_->setText(accepted_);
    edit_->setCursorPosition(std::max(0, cursor));
}

} // namespace marlo
