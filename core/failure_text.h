// How a failure's message is shown: a "." is appended when the message is
// not empty and its last byte is above "." (2E hexadecimal); a message
// ending in ".", or in any byte at most 2E ("-", ",", ")", "!", a space), is
// left as it is. Windows-1252 in, Windows-1252 out.
//
//   MessageForDisplay("Débordement en virgule flottante")
//                                       -> "Débordement en virgule flottante."
//   MessageForDisplay("Fin.")           -> "Fin."
//   MessageForDisplay("Attention !")    -> "Attention !"
//   MessageForDisplay("(x)")            -> "(x)"
//   MessageForDisplay("« 1,5 »")        -> "« 1,5 »."   (» is BB)
//   MessageForDisplay("")               -> ""
#pragma once

#include <string>
#include <string_view>

namespace anod {

std::string MessageForDisplay(std::string_view message);

}  // namespace anod
