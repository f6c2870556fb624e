#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "foundations/Textos.h"

namespace tessara::teste {

// A language made of a function: by default every text reads "section/key", so a test sees
// which text was looked up.
class TextosTeste : public Textos {
 public:
  using Funcao = std::function<std::string(std::string_view secao, std::string_view chave)>;

  explicit TextosTeste(Funcao funcao = secaoChave, std::string nomeIdioma = "English")
      : funcao_(std::move(funcao)), nomeIdioma_(std::move(nomeIdioma)) {}

  std::string getTexto(std::string_view secao, std::string_view chave) const override {
    return funcao_ ? funcao_(secao, chave) : std::string();
  }
  std::string getNomeIdiomaAtual() const override { return nomeIdioma_; }

  static std::string secaoChave(std::string_view secao, std::string_view chave) {
    return std::string(secao) + "/" + std::string(chave);
  }

 private:
  Funcao funcao_;
  std::string nomeIdioma_;
};

}  // namespace tessara::teste
