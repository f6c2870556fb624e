#include "MontadorBaseAcordes.h"

#include <algorithm>
#include <set>

#include "Tocabilidade.h"
#include "chords/Especialista.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "generation/Fingering.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

MontadorBaseAcordes::MontadorBaseAcordes(GeradorInstrumentoCordas& gerador,
                                         const InstrumentoCordas& violao,
                                         const IdiomaAcordes& idioma)
    : gerador_(gerador), violao_(violao), idioma_(idioma) {}

std::vector<const PosicaoHarmonica*> MontadorBaseAcordes::ordenar(
    const ColecaoPtr<PosicaoHarmonica>& posicoes) const {
  std::vector<std::pair<int, const PosicaoHarmonica*>> avaliadas;
  for (int i = 0; i < posicoes.size(); ++i) {
    const auto& p = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(*posicoes.getElement(i));
    const std::vector<int> casas = p.getCasas();
    const Fingering dedos(casas, violao_.getNumeroCasas());
    const int custoDedos = dedos.getCustos().empty() ? 0 : dedos.getCustos().front();
    avaliadas.emplace_back(Tocabilidade::custo(casas, p.getDedos(), custoDedos), &p);
  }
  // Equal costs keep the generator's order, so the result does not depend on the sort.
  std::stable_sort(avaliadas.begin(), avaliadas.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const PosicaoHarmonica*> ordem;
  for (const auto& [custo, p] : avaliadas) ordem.push_back(p);
  return ordem;
}

std::vector<AcordeComposto> MontadorBaseAcordes::montar(const std::vector<std::string>& nomes,
                                                        std::ostream& erros) {
  std::vector<AcordeComposto> acordes;
  std::set<int32_t> vistos;
  bool falhou = false;
  for (const auto& nome : nomes) {
    const std::string escrito = cp1252::paraUtf8(nome);
    int32_t codigo = 0;
    try {
      codigo = Especialista::interpretar(nome, idioma_);
    } catch (const DException&) {
      erros << escrito << ": the grammar does not read this name\n";
      falhou = true;
      continue;
    }
    if (!vistos.insert(codigo).second) {
      erros << escrito << ": the same chord as a name before it\n";
      falhou = true;
      continue;
    }
    const ColecaoPtr<PosicaoHarmonica> geradas = gerador_.gerar(codigo);
    if (geradas.size() == 0) {
      erros << escrito << ": no fingering on the guitar\n";
      falhou = true;
      continue;
    }
    AcordeComposto acorde(nome, {});
    for (const PosicaoHarmonica* p : ordenar(geradas)) {
      if (acorde.getPosicoes().size() == POSICOES_POR_ACORDE) break;
      acorde.getPosicoes().addElement(p);
    }
    acordes.push_back(std::move(acorde));
  }
  if (falhou) acordes.clear();
  return acordes;
}

}  // namespace tessara
