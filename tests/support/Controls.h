#pragma once

#include <QString>
#include <QWidget>

namespace marlo {

// The control that the code named `name`, anywhere inside `parent`.
inline QWidget* findControl(QWidget* parent, const QString& name) {
    return parent->findChild<QWidget*>(name);
}

template <class Control> Control* control(QWidget* parent, const QString& name) {
    return parent->findChild<Control*>(name);
}

} // namespace marlo
