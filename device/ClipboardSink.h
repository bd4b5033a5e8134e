#pragma once

#include <functional>
#include <string>

namespace marlo {

// Receives a text to put on the clipboard. The program wires it to the system clipboard; the
// device layer only hands texts over.
using ClipboardSink = std::function<void(const std::string&)>;

} // namespace marlo
