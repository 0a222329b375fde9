// Files a user keeps (plans): read whole or not at all, and written so that
// the previous file survives any failure. Messages are French, UTF-8, and
// name the file.
//
// ReplaceUserFile writes the bytes to a new file beside the target (same
// folder, so the rename cannot cross devices), flushes it to the disk, then
// renames it over the target in one step (on Windows a replacing
// MoveFileExW, paths in UTF-16). On any failure the new file is removed and
// the target is as it was.
//
//   ReplaceUserFile("plan.anodplan", text)              -> ""  (done)
//   ... on a full disk                                  -> "Impossible d'enregistrer
//       « plan.anodplan » : le disque est plein", the old plan.anodplan intact
//   ReadUserFile("absent.anodplan", limit).problem      -> "Impossible de lire
//       « absent.anodplan » : fichier introuvable"
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace anod {

struct UserFileReading {
  std::string bytes;
  std::string problem;  // empty when the whole file was read
};

// Refuses a file of more than `limit` bytes (a plan is a few kB) without
// reading it.
UserFileReading ReadUserFile(const std::filesystem::path& path, std::size_t limit);

// Empty when written; otherwise why not.
std::string ReplaceUserFile(const std::filesystem::path& path, std::string_view bytes);

// The path as users read it, in UTF-8.
std::string PathText(const std::filesystem::path& path);

// How every message about a user's file reads, whatever the system:
//   UserFileProblem("Impossible de lire", "a.anodplan", "fichier introuvable")
//     -> "Impossible de lire « a.anodplan » : fichier introuvable"
std::string UserFileProblem(std::string_view action, const std::filesystem::path& path, std::string_view reason);
// "fichier trop grand (plus de 16777216 octets)"
std::string TooLargeReason(std::size_t limit);

}  // namespace anod
