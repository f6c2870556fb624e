#pragma once

#include "foundations/DException.h"

namespace tessara {

class XMLParseException : public DException {
 public:
  XMLParseException(std::string mensagem, std::string detalhe, const std::string& nomeClasse,
                    const std::string& nomeMetodo)
      : DException(std::move(mensagem), nomeClasse, nomeMetodo), detalhe_(std::move(detalhe)) {}

  // The message already names the element that failed; the trace adds nothing for the user.
  std::string getMensagemCompleta() const override { return getMensagem(); }
  const std::string& getDetalhe() const { return detalhe_; }

 private:
  std::string detalhe_;
};

}  // namespace tessara
