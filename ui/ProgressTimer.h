#pragma once

#include <QTimer>

class QProgressBar;

namespace marlo {

// Steps a progress bar once a second while a device operation runs; the bar stays at its maximum
// once it gets there. `stop` leaves the bar's value as it is.
class ProgressTimer : public QTimer {
public:
    ProgressTimer(QProgressBar* bar, QObject* parent);

    // Empties the bar, gives it `maximumSeconds` steps and starts stepping.
    void restart(int maximumSeconds);

private:
    void step();

    QProgressBar* bar_;
    int seconds_ = 0;
};

} // namespace marlo
