#include "ui/ControlId.h"

#include <QList>

namespace marlo {

namespace {
constexpr const char* templateProperty = "marloTemplate";
constexpr const char* controlIdProperty = "marloControlId";
} // namespace

void setDialogTemplate(QWidget* dialog, int templateId) {
    dialog->setProperty(templateProperty, templateId);
}

int dialogTemplate(const QWidget* widget) {
    return widget->property(templateProperty).toInt();
}

void setControlId(QWidget* control, int id) {
    control->setProperty(controlIdProperty, id);
    control->setObjectName(QStringLiteral("control%1").arg(id));
}

int controlId(const QWidget* control) {
    return control->property(controlIdProperty).toInt();
}

QWidget* findControl(QWidget* dialog, int id) {
    QList<QWidget*> pending{dialog};
    while (!pending.isEmpty()) {
        const QWidget* parent = pending.takeFirst();
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget == nullptr || dialogTemplate(widget) != 0) {
                continue;
            }
            if (controlId(widget) == id) {
                return widget;
            }
            pending.append(widget);
        }
    }
    return nullptr;
}

} // namespace marlo
