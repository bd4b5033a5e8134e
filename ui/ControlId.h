#pragma once

#include <QWidget>

namespace marlo {

// Every dialog carries the number of its template and every control the numbered id it has in that
// template. Ids repeat between dialogs (the serial page reuses some of the main window's), so a
// control is looked up inside one dialog, never inside the dialogs it hosts.
void setDialogTemplate(QWidget* dialog, int templateId);
int dialogTemplate(const QWidget* widget); // 0 for a widget that is not a dialog

void setControlId(QWidget* control, int id);
int controlId(const QWidget* control); // 0 for a widget without an id

QWidget* findControl(QWidget* dialog, int id);

template <class Control> Control* control(QWidget* dialog, int id) {
    return qobject_cast<Control*>(findControl(dialog, id));
}

} // namespace marlo
