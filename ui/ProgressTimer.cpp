#include "ui/ProgressTimer.h"

#include <QProgressBar>
#include <algorithm>

namespace marlo {

ProgressTimer::ProgressTimer(QProgressBar* bar, QObject* parent)
    : QTimer(parent)
    , bar_(bar) {
    setInterval(1000);
    connect(this, &QTimer::timeout, this, &ProgressTimer::step);
}

void ProgressTimer::restart(int maximumSeconds) {
    bar_->setRange(0, maximumSeconds);
    seconds_ = 0;
    bar_->setValue(0);
    start();
}

void ProgressTimer::step() {
    ++seconds_;
    bar_->setValue(std::min(seconds_, bar_->maximum()));
}

} // namespace marlo
