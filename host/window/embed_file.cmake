# Turns a binary file into a C++ header holding it as a byte array.
#   cmake -DINPUT=file -DOUTPUT=header.h -DNAME=Symbol -P embed_file.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} at build time; do not edit.\n#pragma once\n\n"
  "static const unsigned char ${NAME}[${size}] = {\n${bytes}\n};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
