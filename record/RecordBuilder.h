#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace marlo {

// Whether `text` holds a CR or an LF, which would end a record's line inside it.
inline bool breaksALine(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Appends the lines of a record's groups in the written layout: indented by 3, 6 and 9 blanks,
// one blank on each side of "=", each line ending in a lone CR. Names, instances and values are
// taken as record text: the caller escapes what the user typed.
class RecordBuilder {
public:
    void groupStart(std::string_view name, std::optional<std::string_view> instance = std::nullopt);
    void groupEnd();
    void itemStart(std::string_view name, std::optional<std::string_view> instance = std::nullopt);
    void itemEnd();
    void value(std::string_view text);
    void namedValue(std::string_view name, std::string_view text);
    // An item holding one unnamed value.
    void item(std::string_view name, std::string_view text);
    // Any text, such as the record header.
    void append(std::string_view text);

    std::string take() { return std::move(text_); }
    // Whether a name or value given to it held a CR or an LF, which would break its line.
    bool textBreaksALine() const { return textBreaksALine_; }

private:
    // `text`, noting whether it holds a line break.
    std::string_view checked(std::string_view text);

    std::string text_;
    bool textBreaksALine_ = false;
};

} // namespace marlo
