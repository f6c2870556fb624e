#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace tessara {

// The process environment as the core reads it. The front end hands in the system's; tests
// hand in their own, so that nothing depends on the machine they run on. An empty one has no
// variables at all.
class Ambiente {
 public:
  using Leitor = std::function<std::optional<std::string>(const std::string& nome)>;

  Ambiente() = default;
  explicit Ambiente(Leitor leitor) : leitor_(std::move(leitor)) {}

  static Ambiente doSistema();
  static Ambiente com(std::map<std::string, std::string> variaveis);

  // The variable's value; nothing when it is not set.
  std::optional<std::string> ler(const std::string& nome) const;

  // The language the user's locale asks for: the first of LC_ALL, LC_MESSAGES and LANG that
  // is set and not empty decides, as for the messages of any program; Portuguese
  // ("Português (Brasil)") when it begins with "pt", English otherwise.
  std::string idiomaDoLocale() const;

 private:
  Leitor leitor_;
};

}  // namespace tessara
