#include "cli/SettingsPrinter.h"

#include "cli/Console.h"
#include "record/SettingsSchema.h"

#include <string>
#include <string_view>

namespace marlo::cli {

namespace {

class FieldPrinter {
public:
    explicit FieldPrinter(std::ostream& out)
        : out_(out) {}

    void operator()(const SettingRow& row, std::size_t element, const DeviceSettings& settings) {
        out_ << settingName(row, element) << " = ";
        std::visit(*this, valueOf(row, settings, element));
        out_ << "\n";
    }

    void operator()(const Text& value) { out_ << escapedText(value); }
    void operator()(std::int32_t value) { out_ << value; }
    void operator()(std::uint32_t value) { out_ << value; }
    void operator()(std::uint8_t value) { out_ << static_cast<unsigned>(value); }

private:
    std::ostream& out_;
};

Setting settingAt(std::size_t index) {
    return static_cast<Setting>(index);
}

} // namespace

void printSettings(const DeviceSettings& settings, std::ostream& out) {
    FieldPrinter print(out);
    for (std::size_t first = 0; first < settingCount;) {
        // The fields of an array's element are printed together, element by element.
        const SettingArray array = settingRow(settingAt(first)).array;
        std::size_t end = first + 1;
        while (array != SettingArray::none && end < settingCount &&
               settingRow(settingAt(end)).array == array) {
            ++end;
        }
        for (std::size_t element = 0; element < elementCount(array); ++element) {
            for (std::size_t index = first; index < end; ++index) {
                print(settingRow(settingAt(index)), element, settings);
            }
        }
        first = end;
    }
}

} // namespace marlo::cli
