#include "model/Disposicao.h"

#include <array>

namespace tessara {

namespace {

constexpr std::array<std::string_view, Disposicao::NUMERO> kNomes = {
    "root", "inversions", "rootless", "drop2", "drop3", "shell"};

}  // namespace

std::string_view Disposicao::nome() const { return kNomes[static_cast<size_t>(tipo_)]; }

std::optional<Disposicao> Disposicao::ler(std::string_view nome) {
  for (size_t i = 0; i < kNomes.size(); ++i) {
    if (kNomes[i] == nome) return Disposicao(static_cast<Tipo>(i));
  }
  return std::nullopt;
}

std::string Disposicao::nomesAceitos(std::string_view separador) {
  std::string nomes;
  for (const std::string_view nome : kNomes) {
    if (!nomes.empty()) nomes += separador;
    nomes += nome;
  }
  return nomes;
}

}  // namespace tessara
