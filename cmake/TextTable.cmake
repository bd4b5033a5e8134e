# Writes the entries of a catalogue in gettext form (lconvert -of po) as the rows of a C++ table,
# {"context", "source", "translation"}, one per text; the form's quoted lines are already C string
# literals. Run as: cmake -DPO=catalogue.po -DOUT=table.inc -P TextTable.cmake
file(READ ${PO} text)
string(FIND "${text}" "\nmsgctxt " first)
string(SUBSTRING "${text}" ${first} -1 text)
string(REGEX REPLACE "\n#[^\n]*" "" text "${text}")
string(REGEX REPLACE "\nmsgctxt \"([^\"|]*)\\|[^\"]*\"" "\nmsgctxt \"\\1\"" text "${text}")
string(REPLACE "\nmsgctxt " "},\n{" text "${text}")
string(REPLACE "\nmsgid " ",\n" text "${text}")
string(REPLACE "\nmsgstr " ",\n" text "${text}")
string(SUBSTRING "${text}" 2 -1 text)
file(WRITE ${OUT} "// Made from the English catalogue by cmake/TextTable.cmake.\n${text}},\n")
