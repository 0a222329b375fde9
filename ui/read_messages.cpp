#include "ui/read_messages.h"

namespace anod {

std::string ReadingMessage(std::string_view name, std::string_view dot, std::string_view path,
                           std::string_view inner) {
  std::string out = "Erreur lors de la lecture de ";
  out += name;
  out += dot;
  out += path;
  out += ": ";
  out += inner;
  return out;
}

std::string UnknownPropertyMessage(std::string_view path) {
  return "Propri\xE9t\xE9 " + std::string(path) + " inexistante";
}

std::string UnknownClassMessage(std::string_view class_name) {
  return "Classe " + std::string(class_name) + " introuvable";
}

std::string UnknownHandlerMessage(std::string_view handler) {
  return "M\xE9thode " + std::string(handler) + " introuvable";
}

}  // namespace anod
