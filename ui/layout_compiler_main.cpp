// Build-time tool: compiles the window layout into its byte stream.
//   anod-layout-compiler <source.layout> <output.bin>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "ui/layout_compiler.h"

namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: anod-layout-compiler <source.layout> <output.bin>\n";
    return 2;
  }
  try {
    const std::filesystem::path source(argv[1]);
    const std::filesystem::path base = source.parent_path();
    const std::string bytes = anod::CompileLayout(ReadAll(source), argv[1], [&](const std::string& path) {
      return ReadAll(base / path);
    });
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
