#include "device/UdevPortMonitor.h"

#include <libudev.h>
#include <string_view>

namespace marlo {

UdevPortMonitor::UdevPortMonitor()
    : context_(udev_new()) {
    if (context_ == nullptr) {
        return;
    }
    monitor_ = udev_monitor_new_from_netlink(context_, "udev");
    if (monitor_ != nullptr &&
        (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0 ||
         udev_monitor_enable_receiving(monitor_) < 0)) {
        udev_monitor_unref(monitor_);
        monitor_ = nullptr;
    }
}

UdevPortMonitor::~UdevPortMonitor() {
    if (monitor_ != nullptr) {
        udev_monitor_unref(monitor_);
    }
    if (context_ != nullptr) {
        udev_unref(context_);
    }
}

int UdevPortMonitor::fd() const {
    return monitor_ != nullptr ? udev_monitor_get_fd(monitor_) : -1;
}

bool UdevPortMonitor::takePortChange() {
    bool changed = false;
    while (monitor_ != nullptr) {
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (device == nullptr) {
            break;
        }
        const char* action = udev_device_get_action(device);
        const std::string_view kind = action != nullptr ? action : "";
        changed = changed || kind == "add" || kind == "remove";
        udev_device_unref(device);
    }
    return changed;
}

} // namespace marlo
