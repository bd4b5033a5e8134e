#include "device/UdevPortDiscovery.h"

#include <libudev.h>
#include <memory>
#include <sys/stat.h>

namespace marlo {

namespace {

struct UdevDeleter {
    void operator()(udev* handle) const { udev_unref(handle); }
    void operator()(udev_enumerate* handle) const { udev_enumerate_unref(handle); }
    void operator()(udev_device* handle) const { udev_device_unref(handle); }
};
template <class Handle> using UdevPtr = std::unique_ptr<Handle, UdevDeleter>;

std::string_view orEmpty(const char* text) {
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// Consoles, pseudo-terminals and the like have no parent device. The legacy 8250 driver registers
// a fixed set of ttyS ports under its platform device whether a UART answers or not; a port it
// did find hangs below the firmware's description of the UART instead.
bool hasHardwareParent(udev_device* device) {
    udev_device* parent = udev_device_get_parent(device);
    return parent != nullptr && orEmpty(udev_device_get_sysname(parent)) != "serial8250";
}

// The same judgement from the device's path alone, for the many terminals it rules out: opening a
// device to ask costs far more than reading its path, and a window lists the ports as it starts.
bool surelyWithoutHardwareParent(std::string_view syspath) {
    return syspath.starts_with("/sys/devices/virtual/") ||
           syspath.find("/serial8250/tty/") != std::string_view::npos;
}

std::string modelOf(udev_device* device) {
    if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device")) {
        const std::string_view product = orEmpty(udev_device_get_sysattr_value(usb, "product"));
        if (!product.empty()) {
            return std::string(product);
        }
    }
    const std::string_view database =
        orEmpty(udev_device_get_property_value(device, "ID_MODEL_FROM_DATABASE"));
    if (!database.empty()) {
        return std::string(database);
    }
    return decodeUdevText(orEmpty(udev_device_get_property_value(device, "ID_MODEL_ENC")));
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::string portDisplayName(std::string_view model, std::string_view kernelName) {
    std::string name(model.empty() ? std::string_view("Serial port") : model);
    name.append(" (").append(kernelName).append(")");
    return name;
}

std::string decodeUdevText(std::string_view encoded) {
    std::string text;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\\' && i + 3 < encoded.size() && encoded[i + 1] == 'x' &&
            hexValue(encoded[i + 2]) >= 0 && hexValue(encoded[i + 3]) >= 0) {
            text.push_back(static_cast<char>(hexValue(encoded[i + 2]) * 16 + hexValue(encoded[i + 3])));
            i += 3;
        } else {
            text.push_back(encoded[i]);
        }
    }
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

UdevPortDiscovery::UdevPortDiscovery(std::vector<PortEntry> fixedEntries)
    : fixedEntries_(std::move(fixedEntries)) {}

bool UdevPortDiscovery::discoverPorts(std::vector<PortEntry>& ports) {
    ports.clear();
    for (const PortEntry& entry : fixedEntries_) {
        if (ports.size() < maxPorts) {
            ports.push_back(entry);
        }
    }

    const UdevPtr<udev> context(udev_new());
    const UdevPtr<udev_enumerate> enumeration(context ? udev_enumerate_new(context.get()) : nullptr);
    if (!enumeration || udev_enumerate_add_match_subsystem(enumeration.get(), "tty") < 0 ||
        udev_enumerate_scan_devices(enumeration.get()) < 0) {
        return !ports.empty();
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration.get())) {
        if (ports.size() >= maxPorts) {
            break;
        }
        const std::string_view syspath = orEmpty(udev_list_entry_get_name(entry));
        if (surelyWithoutHardwareParent(syspath)) {
            continue;
        }
        const UdevPtr<udev_device> device(udev_device_new_from_syspath(context.get(), syspath.data()));
        if (!device || !hasHardwareParent(device.get())) {
            continue;
        }
        const std::string_view path = orEmpty(udev_device_get_devnode(device.get()));
        if (path.empty()) {
            continue;
        }
        ports.push_back(
            {portDisplayName(modelOf(device.get()), orEmpty(udev_device_get_sysname(device.get()))),
             std::string(path)});
    }
    return true;
}

std::unique_ptr<PortDiscovery> systemPortDiscovery() {
    return std::make_unique<UdevPortDiscovery>();
}

std::optional<std::string> usbSerialNumber(const std::string& portPath) {
    struct stat status {};
    if (::stat(portPath.c_str(), &status) != 0 || !S_ISCHR(status.st_mode)) {
        return std::nullopt;
    }
    const UdevPtr<udev> context(udev_new());
    const UdevPtr<udev_device> device(
        context ? udev_device_new_from_devnum(context.get(), 'c', status.st_rdev) : nullptr);
    udev_device* usb =
        device ? udev_device_get_parent_with_subsystem_devtype(device.get(), "usb", "usb_device") : nullptr;
    const std::string_view serial = usb ? orEmpty(udev_device_get_sysattr_value(usb, "serial")) : "";
    if (serial.empty()) {
        return std::nullopt;
    }
    // Adapters of one make may share a serial number; with the vendor and product they rarely do.
    return std::string(orEmpty(udev_device_get_sysattr_value(usb, "idVendor"))) + "-" +
           std::string(orEmpty(udev_device_get_sysattr_value(usb, "idProduct"))) + "-" + std::string(serial);
}

} // namespace marlo
