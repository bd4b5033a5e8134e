#pragma once

#include <string_view>

namespace marlo {

// The opening of every record the tool writes: the declaration, the generated-record comment,
// the document type and the `configrecord` start tag, each line ending in a lone CR.
std::string_view recordHeader();

// "</configrecord>" and its CR.
std::string_view recordClosingLine();

} // namespace marlo
