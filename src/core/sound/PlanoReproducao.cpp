#include "sound/PlanoReproducao.h"

namespace tessara {

using Tipo = EventoReproducao::Tipo;
using std::chrono::milliseconds;

void PlanoReproducao::adicionar(milliseconds instante, Tipo tipo, int valor) {
  eventos_.push_back({instante, tipo, valor});
}

PlanoReproducao PlanoReproducao::deAcorde(const std::vector<int>& notasPorCorda) {
  PlanoReproducao plano;
  milliseconds instante{0};
  for (int nota : notasPorCorda) {
    if (nota < 0) continue;  // a string not played takes no time
    plano.adicionar(instante, Tipo::LigarNota, nota);
    instante += INTERVALO_ACORDE;
  }
  plano.adicionar(instante, Tipo::Reiniciar);
  return plano;
}

PlanoReproducao PlanoReproducao::deEscala(const std::vector<int>& notas) {
  PlanoReproducao plano;
  milliseconds instante{0};
  for (size_t k = 0; k < notas.size(); ++k) {
    const int nota = notas[k];
    if (nota < 0) continue;
    const int indice = static_cast<int>(k);
    plano.adicionar(instante, Tipo::Destacar, indice);
    plano.adicionar(instante, Tipo::LigarNota, nota);
    instante += DURACAO_NOTA_ESCALA;
    plano.adicionar(instante, Tipo::DesligarNota, nota);
    plano.adicionar(instante, Tipo::ApagarDestaque, indice);
  }
  return plano;
}

PlanoReproducao PlanoReproducao::deTeste(int primeira, int ultima) {
  PlanoReproducao plano;
  milliseconds instante{0};
  for (int nota = primeira; nota <= ultima; ++nota) {
    plano.adicionar(instante, Tipo::LigarNota, nota);
    instante += INTERVALO_TESTE;
  }
  plano.adicionar(instante, Tipo::Reiniciar);
  return plano;
}

milliseconds PlanoReproducao::getDuracao() const {
  return eventos_.empty() ? milliseconds{0} : eventos_.back().instante;
}

}  // namespace tessara
