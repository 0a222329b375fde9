// ReplaceUserFile and ReadUserFile on POSIX systems.
#include "plan/user_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "plan/plan_texts.h"

namespace anod {
namespace {

std::string Reason(int error) {
  switch (error) {
    case ENOENT: return "fichier ou dossier introuvable";
    case EACCES:
    case EPERM: return "acc\xC3\xA8s refus\xC3\xA9";
    case EROFS: return "le disque est en lecture seule";
    case ENOSPC:
    case EDQUOT: return "le disque est plein";
    case EFBIG: return "fichier trop grand pour ce disque";
    case EISDIR: return "c'est un dossier";
    case ENOTDIR: return "un \xC3\xA9l\xC3\xA9ment du chemin n'est pas un dossier";
    default: return "erreur syst\xC3\xA8me " + std::to_string(error);
  }
}

// Closes the descriptor it owns.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, as a close may report a write the disk refused.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

// A path holds bytes, not necessarily UTF-8.
std::string PathText(const std::filesystem::path& path) { return VisibleLabel(path.string()); }

UserFileReading ReadUserFile(const std::filesystem::path& path, std::size_t limit) {
  constexpr const char* kAction = "Impossible de lire";
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return {{}, UserFileProblem(kAction, path, Reason(errno))};
  struct stat info {};
  if (::fstat(file.get(), &info) == 0 && S_ISDIR(info.st_mode)) return {{}, UserFileProblem(kAction, path, Reason(EISDIR))};
  UserFileReading reading;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {{}, UserFileProblem(kAction, path, Reason(errno))};
    if (got == 0) break;
    reading.bytes.append(buffer, static_cast<std::size_t>(got));
    if (reading.bytes.size() > limit) {
      return {{}, UserFileProblem(kAction, path, TooLargeReason(limit))};
    }
  }
  return reading;
}

std::string ReplaceUserFile(const std::filesystem::path& path, std::string_view bytes) {
  constexpr const char* kAction = "Impossible d'enregistrer";
  // A name of its own beside the target: two saves never share one.
  std::random_device random;
  std::filesystem::path temporary = path;
  temporary += "." + std::to_string(random()) + ".tmp";
  Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (file.get() < 0) return UserFileProblem(kAction, path, Reason(errno));
  const bool written = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  const int write_error = errno;
  if (!written || !file.Close()) {
    const int error = written ? errno : write_error;
    ::unlink(temporary.c_str());
    return UserFileProblem(kAction, path, Reason(error));
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return UserFileProblem(kAction, path, Reason(error));
  }
  // The rename itself reaches the disk with its folder.
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
  return {};
}

}  // namespace anod
