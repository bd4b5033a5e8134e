#pragma once

#include "ui/ControlId.h"

#include <QList>
#include <QWidget>

namespace marlo {

// The ids of the controls that Tab reaches, in the order it reaches them, once round from `first`.
inline QList<int> keyboardOrder(QWidget* first) {
    QList<int> order;
    QWidget* widget = first;
    do {
        if (controlId(widget) != 0 && (widget->focusPolicy() & Qt::TabFocus)) {
            order.append(controlId(widget));
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return order;
}

} // namespace marlo
