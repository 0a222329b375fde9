#include "app/display_check.h"

#include <xcb/xcb.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>

#include <cstdlib>
#include <string_view>

namespace anod {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The platform's name, lower case, without its ":options".
std::string ChosenPlatform(int argc, char** argv) {
  std::string name;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") name = argv[i + 1];
  }
  if (name.empty()) name = Environment("QT_QPA_PLATFORM");
  if (name.empty()) return Environment("WAYLAND_DISPLAY").empty() ? "xcb" : "";
  name = name.substr(0, name.find(';'));
  name = name.substr(0, name.find(':'));
  for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return name;
}

// Whether a platform plugin of that name is where Qt looks for one.
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

}  // namespace

std::string PlatformProblem(int argc, char** argv) {
  const std::string platform = ChosenPlatform(argc, argv);
  if (platform.empty()) return {};
  if (!PlatformPluginExists(platform)) {
    return "Anodisation : plate-forme graphique \xC2\xAB " + platform + " \xC2\xBB introuvable.\n" +
           "Anodisation: graphical platform \"" + platform + "\" not found.\n";
  }
  if (platform != "xcb") return {};
  const std::string display = Environment("DISPLAY");
  if (display.empty()) {
    return "Anodisation : aucun \xC3\xA9" "cran (DISPLAY n'est pas d\xC3\xA9" "fini).\n"
           "Anodisation: no display (DISPLAY is not set).\n";
  }
  if (!DisplayAnswers(display)) {
    return "Anodisation : l'\xC3\xA9" "cran DISPLAY=" + display + " ne r\xC3\xA9pond pas.\n" +
           "Anodisation: display DISPLAY=" + display + " is not answering.\n";
  }
  return {};
}

}  // namespace anod
