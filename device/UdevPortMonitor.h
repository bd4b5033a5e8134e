#pragma once

struct udev;
struct udev_monitor;

namespace marlo {

// Listens for `tty` devices being added or removed. The owner watches `fd()` for readability and
// then calls `takePortChange()`.
class UdevPortMonitor {
public:
    UdevPortMonitor(); // without udev there is no monitor and `fd()` is -1
    ~UdevPortMonitor();
    UdevPortMonitor(const UdevPortMonitor&) = delete;
    UdevPortMonitor& operator=(const UdevPortMonitor&) = delete;

    int fd() const;
    // Reads every waiting event; true when one of them added or removed a port.
    bool takePortChange();

private:
    udev* context_ = nullptr;
    udev_monitor* monitor_ = nullptr;
};

} // namespace marlo
