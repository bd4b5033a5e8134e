#pragma once

#include <QStringList>
#include <QWidget>

namespace marlo {

// The names of the named controls that Tab reaches, in the order it reaches them, once round from
// `first`. Qt's own inner widgets carry names that begin with "qt_" and are left out.
inline QStringList keyboardOrder(QWidget* first) {
    QStringList order;
    QWidget* widget = first;
    do {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            order.append(name);
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return order;
}

} // namespace marlo
