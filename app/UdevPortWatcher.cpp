#include "app/UdevPortWatcher.h"

#include <QSocketNotifier>

namespace marlo {

UdevPortWatcher::UdevPortWatcher(std::function<void()> onPortChange, QObject* parent)
    : QObject(parent)
    , onPortChange_(std::move(onPortChange)) {
    if (monitor_.fd() < 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(monitor_.fd(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        if (monitor_.takePortChange()) {
            onPortChange_();
        }
    });
}

} // namespace marlo
