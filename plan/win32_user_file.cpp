// ReplaceUserFile and ReadUserFile on Windows: UTF-16 paths throughout, the
// new file flushed with FlushFileBuffers and put in place by a replacing
// MoveFileExW.
#include <windows.h>

#include <random>

#include "plan/plan_texts.h"
#include "plan/user_file.h"

namespace anod {
namespace {

std::string Reason(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return "fichier ou dossier introuvable";
    case ERROR_ACCESS_DENIED: return "acc\xC3\xA8s refus\xC3\xA9";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return "le fichier est ouvert dans un autre programme";
    case ERROR_WRITE_PROTECT: return "le disque est en lecture seule";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "le disque est plein";
    default: return "erreur syst\xC3\xA8me " + std::to_string(error);
  }
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 1u << 20 ? 1u << 20 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::string PathText(const std::filesystem::path& path) {
  try {
    const std::u8string text = path.u8string();
    return VisibleLabel(std::string(text.begin(), text.end()));
  } catch (const std::exception&) {
    return "?";  // an unpaired surrogate
  }
}

UserFileReading ReadUserFile(const std::filesystem::path& path, std::size_t limit) {
  constexpr const char* kAction = "Impossible de lire";
  Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return {{}, UserFileProblem(kAction, path, Reason(GetLastError()))};
  UserFileReading reading;
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
      return {{}, UserFileProblem(kAction, path, Reason(GetLastError()))};
    }
    if (got == 0) break;
    reading.bytes.append(buffer, got);
    if (reading.bytes.size() > limit) {
      return {{}, UserFileProblem(kAction, path, TooLargeReason(limit))};
    }
  }
  return reading;
}

std::string ReplaceUserFile(const std::filesystem::path& path, std::string_view bytes) {
  constexpr const char* kAction = "Impossible d'enregistrer";
  std::random_device random;
  std::filesystem::path temporary = path;
  temporary += L"." + std::to_wstring(random()) + L".tmp";
  Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return UserFileProblem(kAction, path, Reason(GetLastError()));
  bool done = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
  DWORD error = GetLastError();
  if (done && !file.Close()) {
    done = false;
    error = GetLastError();
  }
  file.Close();
  if (done && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    done = false;
    error = GetLastError();
  }
  if (!done) {
    DeleteFileW(temporary.c_str());
    return UserFileProblem(kAction, path, Reason(error));
  }
  return {};
}

}  // namespace anod
