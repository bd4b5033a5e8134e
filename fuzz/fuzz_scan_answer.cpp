// The wireless scan answer parser on outside bytes, as the device link hands the scan text over.

#include "device/ScanAnswer.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto results = marlo::parseScanAnswer(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!results) {
        return 0;
    }
    marlo::fuzz::require(results->size() <= marlo::maxScanResults, "a scan keeps a bounded list");
    for (const marlo::ScanResult& result : *results) {
        marlo::fuzz::require(result.ssid.find(' ') == std::string::npos &&
                                 result.bssid.find(' ') == std::string::npos &&
                                 result.security.find("\r\n") == std::string::npos,
                             "each network comes from one line of fields");
    }
    return 0;
}
