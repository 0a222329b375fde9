#include <string>

#include "plan/user_file.h"

namespace anod {

std::string UserFileProblem(std::string_view action, const std::filesystem::path& path, std::string_view reason) {
  return std::string(action) + " \xC2\xAB " + PathText(path) + " \xC2\xBB : " + std::string(reason);
}

std::string TooLargeReason(std::size_t limit) {
  return "fichier trop grand (plus de " + std::to_string(limit) + " octets)";
}

}  // namespace anod
