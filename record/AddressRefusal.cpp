#include "record/AddressRefusal.h"

#include "record/Codecs.h"
#include "record/TranslatableText.h"

namespace marlo {

const char* addressPrefixRefusal(AddressInterface interface, std::string_view address,
                                 std::string_view mask) {
    if (formatAddressPrefix(address, mask)) {
        return nullptr;
    }
    const bool station = interface == AddressInterface::station;
    if (!parseDottedAddress(address)) {
        return station ? QT_TRANSLATE_NOOP("AddressRefusal", "STAモードのIPアドレスが正しくありません。")
                       : QT_TRANSLATE_NOOP("AddressRefusal", "APモードのIPアドレスが正しくありません。");
    }
    return station ? QT_TRANSLATE_NOOP("AddressRefusal", "STAモードのサブネットマスクが正しくありません。")
                   : QT_TRANSLATE_NOOP("AddressRefusal", "APモードのサブネットマスクが正しくありません。");
}

} // namespace marlo
