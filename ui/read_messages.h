// The French messages of the window description reader (Windows-1252).
#pragma once

#include <string>
#include <string_view>

namespace anod {

inline constexpr const char* kStreamReadError = "Erreur de lecture du flux";
inline constexpr const char* kInvalidPropertyValue = "Valeur de propri\xE9t\xE9 incorrecte";

// "Erreur lors de la lecture de %s%s%s: %s", filled with the object's name,
// ".", the property path and the inner message:
//   ReadingMessage("img1", ".", "Picture.Data", "Erreur JPEG #53")
//     -> "Erreur lors de la lecture de img1.Picture.Data: Erreur JPEG #53"
std::string ReadingMessage(std::string_view name, std::string_view dot, std::string_view path,
                           std::string_view inner);

// "Propriété %s inexistante", "Classe %s introuvable", "Méthode %s introuvable".
std::string UnknownPropertyMessage(std::string_view path);
std::string UnknownClassMessage(std::string_view class_name);
std::string UnknownHandlerMessage(std::string_view handler);

}  // namespace anod
