#pragma once

#include <string_view>

namespace marlo {

enum class AddressInterface { station, accessPoint };

// The record holds an interface's address and mask as "address/prefix". For an address and mask
// it cannot write so (an address that is no dotted address, a mask with a gap or of all ones) this
// is the wireless page's message (UTF-8, context "AddressRefusal") about the edit to mend: the address's when
// the address is at fault, else the mask's. Null when the record can write them.
const char* addressPrefixRefusal(AddressInterface interface, std::string_view address, std::string_view mask);

} // namespace marlo
