#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "chords/IdiomaAcordes.h"

namespace tessara {

// The tokens that may follow a chord's root in one grammar, in the order the parser tries
// them, each with what it does to the degree flags of the chord code.
class TabelaTokens {
 public:
  struct Token {
    std::string_view texto;
    int32_t desligar;  // degree bits cleared, then
    int32_t ligar;     // degree bits set
    bool separador;    // one of ( ) . , | / and the backslash: a bass may follow
    // Also set when the name so far holds no sixth, seventh or thirteenth: the English "9",
    // "11" and "13" stand for the dominant chord that reaches them.
    int32_t implicitos = 0;
    bool soNoFim = false;  // only at the end of the name or before a separator

    // The degrees that name a chord's upper part (sixth 8, sevenths 9 and 10, thirteenth
    // 19; degree g is bit 26 - g): with one of them present, implied degrees are not added.
    static constexpr int32_t MASCARA_SUPERIOR = (1 << 18) | (1 << 17) | (1 << 16) | (1 << 7);

    // The code after this token.
    int32_t aplicar(int32_t codigo) const;
  };

  static const TabelaTokens& de(Gramatica gramatica);

  // The first token, in table order, that the name begins with at `posicao`; nothing when none.
  const Token* procurar(std::string_view nome, size_t posicao) const;

  // Every token, in table order (for tests and tools that explore the grammar).
  const std::vector<Token>& tokens() const { return tokens_; }

 private:
  struct Grupo;
  explicit TabelaTokens(const std::vector<Grupo>& grupos);

  std::vector<Token> tokens_;
  // Indexes into tokens_ by the token's first byte, keeping table order: at a given position
  // only the tokens that start with that byte can match.
  std::array<std::vector<uint16_t>, 256> porInicial_;
};

}  // namespace tessara
