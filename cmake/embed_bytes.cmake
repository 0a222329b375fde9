# Writes a file's bytes as a C++ source defining one function that returns
# them, so that every platform carries the same bytes without a toolkit's
# resource system:
#   cmake -DINPUT=form1.anw -DOUTPUT=form1_description.cpp
#         -DHEADER=ui/form1_description.h -DFUNCTION=anod::Form1Description
#         -P embed_bytes.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
# Sixteen bytes to a line: "0x41,0x4e,...".
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "::[^:]*$" "" namespace "${FUNCTION}")
string(REGEX REPLACE "^.*::" "" name "${FUNCTION}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT} at build time; do not edit.
#include \"${HEADER}\"

namespace ${namespace} {
namespace {

const std::uint8_t kBytes[${size}] = {
${bytes}
};

}  // namespace

std::span<const std::uint8_t> ${name}() { return kBytes; }

}  // namespace ${namespace}
")
