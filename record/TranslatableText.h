#pragma once

// Marks a fixed UTF-8 text of the program for the translation catalogue without Qt: lupdate reads
// the marker, and the text is looked up in `scope` where it is shown. The definition is Qt's own,
// so that a file may include both.
#define QT_TRANSLATE_NOOP(scope, x) x
