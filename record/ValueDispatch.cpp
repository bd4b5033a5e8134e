#include "record/ValueDispatch.h"

#include "record/SettingsSchema.h"
#include "record/ValueCodecs.h"

namespace marlo {

bool storeValue(DeviceSettings& settings, std::int32_t formatNumber, std::int32_t index,
                std::string_view value) {
    const SettingRow* row = settingRowByNumber(formatNumber);
    if (!row) {
        return true;
    }
    // The index picks a profile or a destination; the push's one value fills its whole array.
    const bool indexed = row->array == SettingArray::profiles || row->array == SettingArray::hosts;
    if (!indexed) {
        return decodeValue(*row, settings, 0, value);
    }
    if (index < 0 || static_cast<std::size_t>(index) >= elementCount(row->array)) {
        return true;
    }
    return decodeValue(*row, settings, static_cast<std::size_t>(index), value);
}

} // namespace marlo
