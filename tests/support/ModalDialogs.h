#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace marlo {

// Runs `answer` on the dialog that is open modally once control returns to an event loop, which
// is the nested loop of a dialog that the next step opens. A dialog still open after `answer` is
// rejected. `opened`, when given, tells whether a dialog was there to answer.
inline void onNextModal(std::function<void(QDialog*)> answer, bool* opened = nullptr) {
    QTimer::singleShot(0, [answer = std::move(answer), opened] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        if (opened != nullptr) {
            *opened = true;
        }
        answer(dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

} // namespace marlo
