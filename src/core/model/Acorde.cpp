#include "model/Acorde.h"

#include <algorithm>

namespace tessara {

namespace {

bool acidente(char c) { return c == '#' || c == 'b'; }

}  // namespace

std::unique_ptr<Acorde> Acorde::clonar() const {
  auto copia = std::make_unique<Acorde>();
  copia->atribuir(*this);
  return copia;
}

void Acorde::atribuir(const Acorde& outro) {
  nome_ = outro.nome_;
  codigo_ = outro.codigo_;
}

bool Acorde::menorQue(const Acorde& outro) const { return ordemNomes(nome_, outro.nome_); }

bool Acorde::ordemNomes(const std::string& a, const std::string& b) {
  const size_t comum = std::min(a.size(), b.size());
  for (size_t i = 0; i < comum; ++i) {
    if (i == 1 && acidente(a[i]) != acidente(b[i])) return acidente(b[i]);
    if (a[i] != b[i]) return static_cast<signed char>(a[i]) < static_cast<signed char>(b[i]);
  }
  return a.size() < b.size();
}

}  // namespace tessara
