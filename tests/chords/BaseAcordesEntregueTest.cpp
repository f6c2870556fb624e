// Checks the chord bases the build writes beside the executables.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "AcordesTeste.h"
#include "InteracaoGravada.h"
#include "TextosTeste.h"
#include "chords/BaseAcordesViolao.h"
#include "foundations/DException.h"
#include "foundations/LeitorIni.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using Vetor = std::vector<int>;

struct BaseEntregue {
  const char* idioma;  // the language file
  Gramatica gramatica;
};

const BaseEntregue kBases[] = {{"pt-BR.idm", Gramatica::Portugues}, {"en.idm", Gramatica::Ingles}};

class BaseAcordesEntregue : public ::testing::TestWithParam<BaseEntregue> {
 protected:
  void SetUp() override {
    const fs::path pasta{TESSARA_BIN_DIR};
    const auto arquivo = LeitorIni::deArquivo(pasta / GetParam().idioma)
                             .ler("parametros", "nomeArquivoBaseAcordes", "");
    ASSERT_FALSE(arquivo.empty());
    base.carregarBase(pasta / arquivo);
  }

  const PosicaoHarmonicaInstrumentoCordas& primeira(const std::string& nome) const {
    const int i = base.indiceDoNome(nome);
    EXPECT_GE(i, 0) << nome;
    return dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(
        *base.getAcorde(std::max(i, 0))->getPosicoes().getElement(0));
  }

  teste::InteracaoGravada interacao;
  teste::TextosTeste semTextos{nullptr};
  BaseAcordesViolao base{semTextos, interacao};
};

TEST_P(BaseAcordesEntregue, TodosOsNomesLidosNaGramaticaDoIdioma) {
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_GT(base.getNumeroAcordes(), 450);
  std::set<int32_t> codigos;
  std::set<int> raizes;
  for (int i = 0; i < base.getNumeroAcordes(); ++i) {
    const std::string nome = base.getNomes()[static_cast<size_t>(i)];
    EXPECT_EQ(base.getAcorde(i)->getNome(), nome);
    const int fingerings = base.getAcorde(i)->getPosicoes().size();
    EXPECT_GE(fingerings, 1) << nome;
    EXPECT_LE(fingerings, 5) << nome;
    try {
      const int32_t codigo = Especialista::interpretar(nome, teste::idiomaDa(GetParam().gramatica));
      EXPECT_TRUE(codigos.insert(codigo).second) << nome << " names a chord twice";
      raizes.insert(Especialista::getRaiz(codigo));
    } catch (const DException& e) {
      ADD_FAILURE() << nome << ": " << e.getMensagem();
    }
  }
  EXPECT_EQ(raizes.size(), static_cast<size_t>(Especialista::NUMERO_GRAFIAS));
}

struct Forma {
  const char* nome;
  Vetor casas;
};

// What a guitar teacher shows first: the open shapes, and the barre shapes where there is no
// open one.
const Forma kFormas[] = {
    {"C", {-1, 3, 2, 0, 1, 0}},   {"A", {-1, 0, 2, 2, 2, 0}},      {"G", {3, 2, 0, 0, 0, 3}},
    {"E", {0, 2, 2, 1, 0, 0}},    {"D", {-1, -1, 0, 2, 3, 2}},     {"Am", {-1, 0, 2, 2, 1, 0}},
    {"Em", {0, 2, 2, 0, 0, 0}},   {"Dm", {-1, -1, 0, 2, 3, 1}},    {"E7", {0, 2, 0, 1, 0, 0}},
    {"A7", {-1, 0, 2, 0, 2, 0}},  {"D7", {-1, -1, 0, 2, 1, 2}},    {"B7", {-1, 2, 1, 2, 0, 2}},
    {"C7", {-1, 3, 2, 3, 1, 0}},  {"G7", {3, 2, 0, 0, 0, 1}},      {"F", {1, 3, 3, 2, 1, 1}},
    {"Bm", {-1, 2, 4, 4, 3, 2}},  {"F#m", {2, 4, 4, 2, 2, 2}},     {"Bb", {-1, 1, 3, 3, 3, 1}},
    {"Am7", {-1, 0, 2, 0, 1, 0}}, {"Em7", {0, 2, 0, 0, 0, 0}},     {"Dm7", {-1, -1, 0, 2, 1, 1}},
    {"Fm", {1, 3, 3, 1, 1, 1}},   {"Dsus2", {-1, -1, 0, 2, 3, 0}}, {"Asus2", {-1, 0, 2, 2, 0, 0}},
    {"G/B", {-1, 2, 0, 0, 0, 3}}, {"D/F#", {2, 0, 0, 2, 3, 2}},    {"C/G", {3, 3, 2, 0, 1, 0}},
};

TEST_P(BaseAcordesEntregue, PrimeiroAFormaQueOProfessorMostra) {
  for (const auto& forma : kFormas) {
    EXPECT_EQ(primeira(forma.nome).getCasas(), forma.casas) << forma.nome;
  }
  // Names of each grammar's own.
  const bool portugues = GetParam().gramatica == Gramatica::Portugues;
  EXPECT_EQ(primeira(portugues ? "C7M" : "Cmaj7").getCasas(), (Vetor{-1, 3, 2, 0, 0, 0}));
  EXPECT_EQ(primeira(portugues ? "G7M" : "Gmaj7").getCasas(), (Vetor{3, 2, 0, 0, 0, 2}));
  if (!portugues) {
    EXPECT_EQ(primeira("Asus4").getCasas(), (Vetor{-1, 0, 2, 2, 3, 0}));
    EXPECT_EQ(primeira("Dsus4").getCasas(), (Vetor{-1, -1, 0, 2, 3, 3}));
  }
  // A silent string is stored with finger 6; the others keep their fingers.
  EXPECT_EQ(primeira("C").getDedos(), (Vetor{6, 3, 2, 0, 1, 0}));
  EXPECT_EQ(primeira("F").getDedos(), (Vetor{1, 3, 4, 2, 1, 1}));
}

// The semitones above the root of what gives a chord its name: the third, the seventh (the
// diminished one too) and an altered fifth. The open guitar tuning turns frets into notes.
std::vector<std::pair<const char*, int>> notasQueDaoONome(int32_t codigo) {
  using E = Especialista;
  std::vector<std::pair<const char*, int>> notas;
  const std::pair<int, std::pair<const char*, int>> graus[] = {
      {2, {"minor third", 3}}, {3, {"major third", 4}},    {5, {"flat fifth", 6}},
      {7, {"sharp fifth", 8}}, {9, {"minor seventh", 10}}, {10, {"major seventh", 11}},
  };
  for (const auto& [grau, nota] : graus) {
    if (E::temGrau(codigo, grau)) notas.push_back(nota);
  }
  if (E::temGrau(codigo, 2) && E::temGrau(codigo, 5) && E::temGrau(codigo, 8)) {
    notas.emplace_back("diminished seventh", 9);
  }
  return notas;
}

TEST_P(BaseAcordesEntregue, PrimeiraPosicaoSoaATercaASetimaEAQuintaAlterada) {
  const Vetor afinacao = {40, 45, 50, 55, 59, 64};
  for (int i = 0; i < base.getNumeroAcordes(); ++i) {
    const std::string nome = base.getNomes()[static_cast<size_t>(i)];
    const int32_t codigo = Especialista::interpretar(nome, teste::idiomaDa(GetParam().gramatica));
    const auto& p = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(
        *base.getAcorde(i)->getPosicoes().getElement(0));
    std::set<int> soam;
    const Vetor casas = p.getCasas();
    for (size_t s = 0; s < casas.size(); ++s) {
      if (casas[s] >= 0) soam.insert((afinacao[s] + casas[s]) % 12);
    }
    for (const auto& [papel, semitons] : notasQueDaoONome(codigo)) {
      EXPECT_TRUE(soam.count((Especialista::getClasseRaiz(codigo) + semitons) % 12))
          << nome << " has no " << papel << " in " << ::testing::PrintToString(casas);
    }
  }
}

TEST_P(BaseAcordesEntregue, AcordesDiferentesComecamPorDiagramasDiferentes) {
  // C# and Db are one chord; chords that sound differently never share the first diagram.
  std::map<Vetor, std::pair<std::tuple<int, int, int32_t>, std::string>> primeiras;
  for (int i = 0; i < base.getNumeroAcordes(); ++i) {
    const std::string nome = base.getNomes()[static_cast<size_t>(i)];
    const int32_t codigo = Especialista::interpretar(nome, teste::idiomaDa(GetParam().gramatica));
    const int baixo = Especialista::getBaixo(codigo);
    const std::tuple<int, int, int32_t> som{Especialista::getClasseRaiz(codigo),
                                            baixo < 0 ? -1 : Especialista::classeGrafia(baixo),
                                            codigo & 0x07FFFFE0};  // the degrees
    const auto casas = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(
                           *base.getAcorde(i)->getPosicoes().getElement(0))
                           .getCasas();
    const auto [lugar, novo] = primeiras.try_emplace(casas, som, nome);
    EXPECT_TRUE(novo || lugar->second.first == som)
        << nome << " starts like " << lugar->second.second;
  }
}

TEST_P(BaseAcordesEntregue, NenhumaPestanaSobreCordaMuda) {
  for (int i = 0; i < base.getNumeroAcordes(); ++i) {
    const auto& posicoes = base.getAcorde(i)->getPosicoes();
    for (int k = 0; k < posicoes.size(); ++k) {
      const auto& p =
          dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(*posicoes.getElement(k));
      const Vetor casas = p.getCasas();
      const Vetor dedos = p.getDedos();
      const auto primeira = std::find(dedos.begin(), dedos.end(), 1);
      const auto ultima = std::find(dedos.rbegin(), dedos.rend(), 1).base();
      for (auto d = primeira; d < ultima; ++d) {
        EXPECT_GE(casas[static_cast<size_t>(d - dedos.begin())], 0)
            << base.getNomes()[static_cast<size_t>(i)] << ' ' << ::testing::PrintToString(casas)
            << ' ' << ::testing::PrintToString(dedos);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Idiomas, BaseAcordesEntregue, ::testing::ValuesIn(kBases), [](const auto& info) {
      return std::string(info.param.gramatica == Gramatica::Portugues ? "Portugues" : "Ingles");
    });

}  // namespace
}  // namespace tessara
