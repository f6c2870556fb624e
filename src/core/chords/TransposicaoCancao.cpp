#include "chords/TransposicaoCancao.h"

#include "chords/Especialista.h"
#include "chords/FolhaCifra.h"
#include "foundations/Texto.h"

namespace tessara {

void TransposicaoCancao::transpor(Cancao& cancao, int semitons) const {
  if (semitons == 0) return;
  std::string tomNovo;
  if (const auto tom = cancao.valor("key")) {
    tomNovo = nomeTransposto(texto::aparar(*tom), semitons, {});
    cancao.definirValor("key", tomNovo);
  }
  moverAcordes(cancao, semitons, tomNovo);
}

void TransposicaoCancao::colocarCapo(Cancao& cancao, int casa) const {
  const int antes = cancao.capo();
  moverAcordes(cancao, antes - casa, cancao.valor("key").value_or(""));
  cancao.definirValor("capo", casa > 0 ? std::to_string(casa) : std::string());
}

std::string TransposicaoCancao::nomeTransposto(std::string_view nome, int semitons,
                                               const std::string&) const {
  const auto m = FolhaCifra::movimento(semitons);
  if (m.passos == 0 || !Especialista::ehNomeDeAcorde(nome, idioma_)) return std::string(nome);
  return Especialista::transpor(nome, m.passos, m.direcao, idioma_);
}

void TransposicaoCancao::moverAcordes(Cancao& cancao, int semitons,
                                      const std::string& tomNovo) const {
  if (semitons == 0) return;
  for (auto& linha : cancao.linhas()) {
    for (auto& marca : linha.marcas) {
      if (marca.anotacao) continue;
      const std::string_view nome = FolhaCifra::acordeDaPalavra(marca.texto, idioma_);
      if (nome.empty()) continue;
      const size_t inicio = static_cast<size_t>(nome.data() - marca.texto.data());
      const size_t tamanho = nome.size();
      marca.texto.replace(inicio, tamanho, nomeTransposto(nome, semitons, tomNovo));
    }
  }
}

}  // namespace tessara
