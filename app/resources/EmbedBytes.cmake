# cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=Symbol -DHEADER=app/X.h -P EmbedBytes.cmake
# Writes the input's bytes as a C++ array, so the program carries its
# resources inside and needs no file beside it.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT}; do not edit.\n#include \"${HEADER}\"\n\n"
  "const unsigned char ${NAME}Bytes[] = {\n${bytes}};\n"
  "const std::size_t ${NAME}Size = ${size};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
