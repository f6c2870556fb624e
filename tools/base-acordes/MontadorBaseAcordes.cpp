#include "MontadorBaseAcordes.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "chords/Especialista.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "generation/Tocabilidade.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

MontadorBaseAcordes::MontadorBaseAcordes(GeradorInstrumentoCordas& gerador,
                                         const InstrumentoCordas& violao,
                                         const IdiomaAcordes& idioma)
    : gerador_(gerador), violao_(violao), idioma_(idioma) {}

bool MontadorBaseAcordes::completa(const std::vector<int>& casas, int32_t codigo) const {
  using E = Especialista;
  const TonsAcorde tons = GeradorInstrumentoCordas::decodificar(codigo);
  std::set<int> soam;
  for (const int nota : violao_.getNotas(casas)) {
    if (nota >= 0) soam.insert(classeNota(nota % NUMERO_NOTAS));
  }
  const auto soa = [&soam](int classe) { return soam.count(classeNota(classe)) > 0; };
  if ((E::temGrau(codigo, 2) || E::temGrau(codigo, 3)) && !soa(tons.terca)) return false;
  if ((E::temGrau(codigo, 5) || E::temGrau(codigo, 7)) && !soa(tons.quinta)) return false;
  if (tons.setima != 0 && !soa(tons.setima)) return false;
  return std::all_of(tons.tensoes.begin(), tons.tensoes.end(), soa);
}

std::vector<const PosicaoHarmonica*> MontadorBaseAcordes::ordenar(
    const ColecaoPtr<PosicaoHarmonica>& posicoes, int32_t codigo) const {
  // (incomplete, playing cost): a shape missing a named note only after every complete one.
  std::vector<std::pair<std::pair<bool, int>, const PosicaoHarmonica*>> avaliadas;
  const TonsAcorde tons = GeradorInstrumentoCordas::decodificar(codigo);
  for (int i = 0; i < posicoes.size(); ++i) {
    const auto& p = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(*posicoes.getElement(i));
    const std::vector<int> casas = p.getCasas();
    avaliadas.push_back(
        {{!completa(casas, codigo), Tocabilidade::custo(casas, p.getDedos(), violao_, tons)}, &p});
  }
  // Equal costs keep the generator's order, so the result does not depend on the sort.
  std::stable_sort(avaliadas.begin(), avaliadas.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const PosicaoHarmonica*> ordem;
  for (const auto& [custo, p] : avaliadas) ordem.push_back(p);
  return ordem;
}

namespace {

std::vector<int> casasDe(const PosicaoHarmonica* p) {
  return dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(*p).getCasas();
}

// C# and Db name one chord: its pitch classes, not its spelling, tell chords apart.
std::tuple<int, int, int32_t> somDoAcorde(int32_t codigo) {
  using E = Especialista;
  const int baixo = E::getBaixo(codigo);
  return {E::getClasseRaiz(codigo), baixo < 0 ? -1 : E::classeGrafia(baixo), codigo & 0x07FFFFE0};
}

}  // namespace

std::vector<AcordeComposto> MontadorBaseAcordes::montar(const std::vector<std::string>& nomes,
                                                        std::ostream& erros) {
  std::vector<AcordeComposto> acordes;
  std::set<int32_t> vistos;
  // The first diagram of each chord so far, with the chord it belongs to.
  std::map<std::vector<int>, std::pair<std::tuple<int, int, int32_t>, std::string>> primeiras;
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
    std::vector<const PosicaoHarmonica*> ordem = ordenar(geradas, codigo);
    const auto som = somDoAcorde(codigo);
    const auto deOutro = [&](const PosicaoHarmonica* p) {
      const auto achada = primeiras.find(casasDe(p));
      return achada != primeiras.end() && achada->second.first != som;
    };
    if (deOutro(ordem.front())) {
      const auto propria = std::find_if(ordem.begin(), ordem.end(), [&](const auto* p) {
        return completa(casasDe(p), codigo) && !deOutro(p);
      });
      if (propria != ordem.end()) {
        std::rotate(ordem.begin(), propria, propria + 1);
      } else {
        erros << "note: " << escrito << " starts with the diagram of "
              << cp1252::paraUtf8(primeiras[casasDe(ordem.front())].second) << '\n';
      }
    }
    primeiras.try_emplace(casasDe(ordem.front()), som, nome);
    AcordeComposto acorde(nome, {});
    for (const PosicaoHarmonica* p : ordem) {
      if (acorde.getPosicoes().size() == POSICOES_POR_ACORDE) break;
      acorde.getPosicoes().addElement(p);
    }
    acordes.push_back(std::move(acorde));
  }
  if (falhou) acordes.clear();
  return acordes;
}

}  // namespace tessara
