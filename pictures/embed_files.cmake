# Writes OUTPUT, a C++ source defining anod::ArtFile over the bytes of FILES
# (a ;-list of paths), each known by its file name. Run with cmake -P.
set(body "")
set(table "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const std::uint8_t kFile${index}[${size}] = {\n${bytes}\n};\n")
  string(APPEND table "    {\"${name}\", {kFile${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from pictures/art by pictures/embed_files.cmake; do not edit.
#include \"pictures/art_files.h\"

#include <array>
#include <utility>

namespace anod {
namespace {
${body}
const std::pair<std::string_view, std::span<const std::uint8_t>> kFiles[] = {
${table}};
}  // namespace

std::span<const std::uint8_t> ArtFile(std::string_view name) {
  for (const auto& [file, bytes] : kFiles) {
    if (file == name) return bytes;
  }
  return {};
}

}  // namespace anod
")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
