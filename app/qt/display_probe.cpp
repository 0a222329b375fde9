#include "app/qt/display_probe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>

#include <cstdlib>
#include <string_view>
#include <vector>

namespace anod {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool PlatformPluginExists(const std::string& name) {
  QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms")};
  const QString own = QString::fromLocal8Bit(Environment("QT_QPA_PLATFORM_PLUGIN_PATH"));
  if (!own.isEmpty()) folders << own;
  for (const QString& path : QString::fromLocal8Bit(Environment("QT_PLUGIN_PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
    folders << path + QStringLiteral("/platforms");
  }
  for (const QString& folder : folders) {
    const QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files)) {
      const QJsonObject meta = QPluginLoader(dir.filePath(file)).metaData().value(QStringLiteral("MetaData")).toObject();
      for (const QJsonValue key : meta.value(QStringLiteral("Keys")).toArray()) {
        if (key.toString().compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0) return true;
      }
    }
  }
  return false;
}

bool DisplayAnswers(const std::string& display) {
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

// WAYLAND_DISPLAY names a socket in XDG_RUNTIME_DIR, or is a path itself.
bool WaylandAnswers(const std::string& wayland_display) {
  const std::string folder = Environment("XDG_RUNTIME_DIR");
  const std::string path = wayland_display.starts_with('/') ? wayland_display : folder + "/" + wayland_display;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if ((folder.empty() && !wayland_display.starts_with('/')) || path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  const int socket_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket_fd < 0) return false;
  const bool answers = connect(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(socket_fd);
  return answers;
}

}  // namespace

PlatformProbes QtPlatformProbes() { return {&PlatformPluginExists, &DisplayAnswers, &WaylandAnswers}; }

PlatformCheck CheckPlatform(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv, argv + argc);
  return CheckPlatform(arguments, &Environment, QtPlatformProbes());
}

}  // namespace anod
