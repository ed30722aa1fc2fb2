# Writes a C++ source that carries files of the repository as byte arrays,
# so that the program is one executable with its site assets inside.
#   cmake -DOUTPUT=out.cc -DFILES=a.css,b.js -DFUNCTIONS=CssText,JsText
#         -DHEADER=site/site_assets.h -P embed_assets.cmake
# Each FUNCTIONS entry becomes `std::string_view NAME()` returning the bytes
# of the FILES entry at the same place.
string(REPLACE "," ";" files "${FILES}")
string(REPLACE "," ";" functions "${FUNCTIONS}")
list(LENGTH files count)
math(EXPR last "${count} - 1")

set(text "// Generated from the site assets by cmake/embed_assets.cmake: edit the\n")
string(APPEND text "// assets, not this file.\n#include \"${HEADER}\"\n\nnamespace corvalis {\n")
foreach(i RANGE ${last})
  list(GET files ${i} file)
  list(GET functions ${i} function)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  # 24 bytes a line.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(REGEX REPLACE "(('[^']*',){24})" "\\1\n    " bytes "${bytes}")
  string(APPEND text "namespace {\nconst char k${function}[] = {\n    ${bytes}'\\0'};\n}  // namespace\n")
  string(APPEND text "std::string_view ${function}() { return {k${function}, ${size}}; }\n\n")
endforeach()
string(APPEND text "}  // namespace corvalis\n")

file(WRITE "${OUTPUT}" "${text}")
