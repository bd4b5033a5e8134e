#include "record/RecordBuilder.h"

namespace marlo {

namespace {

void appendStart(std::string& text, std::string_view indent, std::string_view element, std::string_view name,
                 std::optional<std::string_view> instance) {
    text += indent;
    text += "<";
    text += element;
    text += " name = \"";
    text += name;
    if (instance) {
        text += "\" instance = \"";
        text += *instance;
    }
    text += "\">\r";
}

} // namespace

std::string_view RecordBuilder::checked(std::string_view text) {
    textBreaksALine_ = textBreaksALine_ || breaksALine(text);
    return text;
}

void RecordBuilder::groupStart(std::string_view name, std::optional<std::string_view> instance) {
    appendStart(text_, "   ", "configgroup", checked(name),
                instance ? std::optional(checked(*instance)) : instance);
}

void RecordBuilder::groupEnd() {
    text_ += "   </configgroup>\r";
}

void RecordBuilder::itemStart(std::string_view name, std::optional<std::string_view> instance) {
    appendStart(text_, "      ", "configitem", checked(name),
                instance ? std::optional(checked(*instance)) : instance);
}

void RecordBuilder::itemEnd() {
    text_ += "      </configitem>\r";
}

void RecordBuilder::value(std::string_view text) {
    text_ += "         <value>";
    text_ += checked(text);
    text_ += "</value>\r";
}

void RecordBuilder::namedValue(std::string_view name, std::string_view text) {
    text_ += "         <value name = \"";
    text_ += checked(name);
    text_ += "\">";
    text_ += checked(text);
    text_ += "</value>\r";
}

void RecordBuilder::item(std::string_view name, std::string_view text) {
    itemStart(name);
    value(text);
    itemEnd();
}

void RecordBuilder::append(std::string_view text) {
    text_ += text;
}

} // namespace marlo
