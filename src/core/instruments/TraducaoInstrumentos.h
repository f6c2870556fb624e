#pragma once

#include <string>

namespace tessara {

class Textos;

// The instruments shipped in the base file are stored under one name and description; the
// language file may give them in its own words, for showing only. The stored name stays the
// instrument's key (settings, the command line, the editor), so a base rewritten by the program
// keeps it. A user's instrument, or a shipped one the user renamed, is shown as stored.
class TraducaoInstrumentos {
 public:
  static constexpr const char* SECAO = "instrumentosEnviados";

  explicit TraducaoInstrumentos(const Textos& textos) : textos_(textos) {}

  std::string nome(const std::string& armazenado) const;
  // The description of the instrument of that stored name.
  std::string descricao(const std::string& nomeArmazenado,
                        const std::string& descricaoArmazenada) const;

 private:
  // The entry's number (nome1, nome2, ...) for a stored name, 0 when it has none.
  int entrada(const std::string& armazenado) const;
  std::string texto(const char* chave, int numero) const;

  const Textos& textos_;
};

}  // namespace tessara
