#include "record/RecordFrame.h"

namespace marlo {

std::string_view recordHeader() {
    return "<?xml version=\"1.0\" standalone=\"yes\"?>\r"
           "<!-- Automatically generated XML -->\r"
           "<!DOCTYPE configrecord [\r"
           "   <!ELEMENT configrecord (configgroup+)>\r"
           "   <!ELEMENT configgroup (configitem+)>\r"
           "   <!ELEMENT configitem (value+)>\r"
           "   <!ELEMENT value (#PCDATA)>\r"
           "   <!ATTLIST configrecord version CDATA #IMPLIED>\r"
           "   <!ATTLIST configgroup name CDATA #IMPLIED>\r"
           "   <!ATTLIST configgroup instance CDATA #IMPLIED>\r"
           "   <!ATTLIST configitem name CDATA #IMPLIED>\r"
           "   <!ATTLIST configitem instance CDATA #IMPLIED>\r"
           "   <!ATTLIST value name CDATA #IMPLIED>\r"
           "]>\r"
           "<configrecord version=\"0.1.0.1\">\r";
}

std::string_view recordClosingLine() {
    return "</configrecord>\r";
}

} // namespace marlo
