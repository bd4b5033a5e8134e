#pragma once

#include "device/UdevPortMonitor.h"

#include <QObject>
#include <functional>

namespace marlo {

// Calls `onPortChange` on the GUI thread whenever a serial port is plugged in or removed.
class UdevPortWatcher : public QObject {
public:
    UdevPortWatcher(std::function<void()> onPortChange, QObject* parent = nullptr);

private:
    UdevPortMonitor monitor_;
    std::function<void()> onPortChange_;
};

} // namespace marlo
