#include "foundations/DException.h"

#include <utility>

namespace tessara {

DException::DException(std::string mensagem) : mensagem_(std::move(mensagem)) {}

DException::DException(std::string mensagem, const std::string& nomeClasse,
                       const std::string& nomeMetodo)
    : mensagem_(std::move(mensagem)) {
  adicionarRastro(nomeClasse, nomeMetodo);
}

const char* DException::what() const noexcept { return mensagem_.c_str(); }

std::string DException::getMensagemCompleta() const {
  std::string completa = mensagem_;
  for (const auto& entrada : rastro_) {
    completa += "\n\r";  // line feed first, then carriage return: stored texts rely on this order
    completa += entrada;
  }
  return completa;
}

void DException::adicionarRastro(const std::string& nomeClasse, const std::string& nomeMetodo) {
  rastro_.push_back(nomeClasse + "::" + nomeMetodo);
}

}  // namespace tessara
