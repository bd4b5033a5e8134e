#include "record/AddressRefusal.h"

#include "record/Codecs.h"

namespace marlo {

const char* addressPrefixRefusal(AddressInterface interface, std::string_view address,
                                 std::string_view mask) {
    if (formatAddressPrefix(address, mask)) {
        return nullptr;
    }
    const bool station = interface == AddressInterface::station;
    if (!parseDottedAddress(address)) {
        return station ? "STAモードのIPアドレスが正しくありません。"
                       : "APモードのIPアドレスが正しくありません。";
    }
    return station ? "STAモードのサブネットマスクが正しくありません。"
                   : "APモードのサブネットマスクが正しくありません。";
}

} // namespace marlo
