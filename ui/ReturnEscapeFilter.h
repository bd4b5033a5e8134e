#pragma once

#include <QObject>

class QWidget;

namespace marlo {

// Return and Escape pressed anywhere inside `window` reach neither its controls nor the window
// itself: no default button is pressed, no editable list takes the text, the window stays open.
// The filter belongs to the window and ends with it.
class ReturnEscapeFilter : public QObject {
public:
    explicit ReturnEscapeFilter(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};

} // namespace marlo
