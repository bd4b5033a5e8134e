#include "ui/ReturnEscapeFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace marlo {

ReturnEscapeFilter::ReturnEscapeFilter(QWidget* window)
    : QObject(window)
    , window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool ReturnEscapeFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == window_;
}

} // namespace marlo
