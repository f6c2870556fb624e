#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tessara::arte {

// The source language files name their pictures with values of the form "@name"; the
// shipped files hold "offset,length" in the picture pack instead.
class ReferenciasImagem {
 public:
  using Localizador = std::function<std::string(const std::string& nome)>;

  // Copies the language file byte for byte, except that each entry whose whole value is
  // "@name" gets the value `localizar(name)`. Section lines are never touched.
  static std::string resolver(std::string_view idm, const Localizador& localizar);

  // The picture name of a value such as "@entrada", or empty when the value is plain text.
  static std::string nomeReferido(std::string_view valor);
};

}  // namespace tessara::arte
