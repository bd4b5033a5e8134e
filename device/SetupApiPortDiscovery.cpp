#include "device/PortDiscovery.h"

#include <windows.h>

#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

namespace marlo {

namespace {

std::string utf8(const std::wstring& text) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                             0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                          nullptr, nullptr);
    return bytes;
}

// The device's friendly name, or no value when it has none.
std::optional<std::wstring> friendlyName(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    DWORD size = 0;
    ::SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME, nullptr, nullptr, 0, &size);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring name(size / sizeof(wchar_t), L'\0');
    if (!::SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME, nullptr,
                                             reinterpret_cast<BYTE*>(name.data()), size, nullptr)) {
        return std::nullopt;
    }
    if (const auto end = name.find(L'\0'); end != std::wstring::npos) {
        name.resize(end);
    }
    return name;
}

// The present devices of the ports class whose friendly name ends in "(COMn)", such as
// "USB Serial Port (COM3)", each opened as \\.\COMn.
class SetupApiPortDiscovery : public PortDiscovery {
public:
    bool discoverPorts(std::vector<PortEntry>& ports) override {
        ports.clear();
        const HDEVINFO devices =
            ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
        if (devices == INVALID_HANDLE_VALUE) {
            return false;
        }
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        for (DWORD index = 0; ports.size() < maxPorts && ::SetupDiEnumDeviceInfo(devices, index, &device);
             ++index) {
            if (const auto name = friendlyName(devices, device)) {
                if (auto entry = comPortEntry(utf8(*name))) {
                    ports.push_back(std::move(*entry));
                }
            }
        }
        ::SetupDiDestroyDeviceInfoList(devices);
        return true;
    }
};

} // namespace

std::unique_ptr<PortDiscovery> systemPortDiscovery() {
    return std::make_unique<SetupApiPortDiscovery>();
}

std::optional<std::string> usbSerialNumber(const std::string&) {
    return std::nullopt;
}

} // namespace marlo
