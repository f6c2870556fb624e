#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "NucleoTeste.h"
#include "SinteseOuvir.h"
#include "app/Fachada.h"
#include "app/VistaAcorde.h"
#include "chords/Especialista.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "ouvir/SegmentadorAcordes.h"
#include "ouvir/VocabularioAcordes.h"

namespace tessara {
namespace {

constexpr int PROGRAMA_NYLON = 24;
constexpr int PROGRAMA_ACO = 25;
// Each chord sounds this long, then rests while its strings ring out.
constexpr double DURACAO = 1.2;
constexpr double PAUSA = 0.4;

struct Esperado;
uint16_t comBaixo(const Esperado& e);

// A chord as the ear should name it: root, the pitch classes above it, the bass.
struct Esperado {
  std::string nome;
  int raiz = 0;
  uint16_t classes = 0;
  int baixo = 0;

  bool operator==(const Esperado& o) const {
    return raiz == o.raiz && baixo == o.baixo && comBaixo(*this) == comBaixo(o);
  }
};

Esperado lerNome(const std::string& nome) {
  const IdiomaAcordes ingles{Gramatica::Ingles, ""};
  const int32_t codigo = Especialista::interpretar(nome, ingles);
  Esperado e;
  e.nome = nome;
  e.raiz = Especialista::getClasseRaiz(codigo);
  e.classes = VocabularioAcordes::mascaraDoCodigo(codigo);
  const int baixo = Especialista::getBaixo(codigo);
  e.baixo = baixo < 0 ? e.raiz : Especialista::classeGrafia(baixo);
  return e;
}

// What sounds: A/G and A7/G are the same notes over the same bass, and no ear tells them apart.
uint16_t comBaixo(const Esperado& e) {
  return static_cast<uint16_t>(e.classes | 1u << ((e.baixo - e.raiz + 12) % 12));
}

struct Amostra {
  Esperado esperado;  // the base's chord, with the fingering's lowest note as the bass
  std::vector<int> notas;
};

// The qualities heard (English names), one spelling per root; slash chords of them too.
bool qualidadeOuvida(const std::string& sufixo) {
  static const std::set<std::string> sufixos = {"",    "m",     "7",   "maj7", "m7",
                                                "dim", "m(b5)", "aug", "sus2", "sus4",
                                                "6",   "m6",    "9",   "m7b5", "add9"};
  const auto barra = sufixo.find('/');
  return sufixos.count(sufixo.substr(0, barra)) != 0;
}

// The first fingering of every chord of the shipped base the ear knows, on the guitar.
std::vector<Amostra> amostrasDaBase() {
  teste::NucleoTeste ambiente;
  std::filesystem::copy_file(std::filesystem::path(TESSARA_BIN_DIR) / "chords-en.bin",
                             ambiente.programa() / "chords-en.bin");
  Fachada& fachada = ambiente.nucleo.fachada();
  fachada.setInstrumento(0);
  std::vector<Amostra> amostras;
  std::set<std::pair<int, std::string>> vistos;
  for (const std::string& nome : fachada.getNomesAcordes()) {
    const size_t raiz = nome.size() > 1 && (nome[1] == '#' || nome[1] == 'b') ? 2 : 1;
    const std::string sufixo = nome.substr(raiz);
    if (!qualidadeOuvida(sufixo)) continue;
    Esperado esperado = lerNome(nome);
    if (!vistos.insert({esperado.raiz, sufixo}).second) continue;  // Db after C#
    const VistaAcorde vista = fachada.abrirAcorde(nome);
    if (vista.posicao == nullptr) continue;
    const std::vector<int> notas = fachada.getNotasCasas(vista.posicao->getCasas());
    const auto grave = std::find_if(notas.begin(), notas.end(), [](int n) { return n >= 0; });
    if (grave == notas.end()) continue;
    esperado.baixo = *grave % 12;
    amostras.push_back({esperado, notas});
  }
  return amostras;
}

// Every sample rendered once per sound, kept for the tests of this file.
class ReconhecimentoAcordesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    amostras_ = new std::vector<Amostra>(amostrasDaBase());
    sons_ = new std::map<int, std::vector<float>>;
  }
  static void TearDownTestSuite() {
    delete amostras_;
    delete sons_;
  }

  const std::vector<float>& som(int programa) {
    auto& s = (*sons_)[programa];
    if (s.empty()) {
      std::vector<teste::Toque> toques;
      for (const Amostra& a : *amostras_) {
        toques.push_back({a.notas, DURACAO});
        toques.push_back({{}, PAUSA});
      }
      s = teste::renderizar(programa, toques);
    }
    return s;
  }

  // The share of the samples named exactly, printing the misses as a confusion table.
  double acertos(int programa, double ruidoDb) {
    const std::vector<float>& tudo = som(programa);
    if (tudo.empty()) return -1;
    std::mt19937 gerador(7);
    std::map<std::pair<std::string, std::string>, int> confusoes;
    int certos = 0;
    const auto tamanho = static_cast<size_t>(DURACAO * teste::TAXA_SINTESE);
    for (size_t i = 0; i < amostras_->size(); ++i) {
      const auto inicio =
          static_cast<size_t>(static_cast<double>(i) * (DURACAO + PAUSA) * teste::TAXA_SINTESE);
      std::vector<float> trecho(
          tudo.begin() + static_cast<std::ptrdiff_t>(inicio),
          tudo.begin() + static_cast<std::ptrdiff_t>(std::min(tudo.size(), inicio + tamanho)));
      if (ruidoDb > 0) adicionarRuido(trecho, ruidoDb, gerador);
      const auto segmentos =
          SegmentadorAcordes::segmentar(trecho.data(), trecho.size(), teste::TAXA_SINTESE);
      const auto maior = std::max_element(
          segmentos.begin(), segmentos.end(),
          [](const auto& a, const auto& b) { return a.fim - a.inicio < b.fim - b.inicio; });
      const std::string ouvido = maior == segmentos.end() ? "-" : maior->acorde.nome;
      const Esperado& esperado = (*amostras_)[i].esperado;
      if (ouvido != "-" && lerNome(ouvido) == esperado) {
        ++certos;
      } else {
        ++confusoes[{esperado.nome + (esperado.baixo != esperado.raiz
                                          ? " (bass " + std::to_string(esperado.baixo) + ")"
                                          : ""),
                     ouvido}];
      }
    }
    std::cout << "program " << programa << ", noise " << ruidoDb << " dB: " << certos << " of "
              << amostras_->size() << "\n";
    for (const auto& [par, vezes] : confusoes) {
      std::cout << "  " << par.first << " -> " << par.second
                << (vezes > 1 ? " x" + std::to_string(vezes) : "") << "\n";
    }
    return static_cast<double>(certos) / static_cast<double>(amostras_->size());
  }

  // White noise `snrDb` below the clip's own power.
  static void adicionarRuido(std::vector<float>& trecho, double snrDb, std::mt19937& gerador) {
    double potencia = 0;
    for (float a : trecho) potencia += static_cast<double>(a) * a;
    potencia /= static_cast<double>(std::max<size_t>(1, trecho.size()));
    std::normal_distribution<float> ruido(
        0.0f, static_cast<float>(std::sqrt(potencia / std::pow(10.0, snrDb / 10))));
    for (float& a : trecho) a += ruido(gerador);
  }

  static std::vector<Amostra>* amostras_;
  static std::map<int, std::vector<float>>* sons_;
};

std::vector<Amostra>* ReconhecimentoAcordesTest::amostras_ = nullptr;
std::map<int, std::vector<float>>* ReconhecimentoAcordesTest::sons_ = nullptr;

TEST_F(ReconhecimentoAcordesTest, AmostraCobreTriadesESetimasEmTodasAsRaizes) {
  ASSERT_GE(amostras_->size(), 200u);
  std::set<int> raizes;
  for (const Amostra& a : *amostras_) raizes.insert(a.esperado.raiz);
  EXPECT_EQ(raizes.size(), 12u);
}

// The goals are 95 % clean and 90 % with noise or the other guitar; these floors sit a sample
// or two under what the recogniser reaches now (87 %, 86 %, 90 %: a fifth played an octave and
// a half above the root sits on the root's third harmonic, a seventh or sixth on a high string
// dies away soonest, and overtones pass for ninths), so that it only gets better. The misses are
// printed as a table: the base's chord, then what was heard.
TEST_F(ReconhecimentoAcordesTest, PrimeirasPosicoesDaBaseNomeadasExatamente) {
  const double nylon = acertos(PROGRAMA_NYLON, 0);
  if (nylon < 0) GTEST_SKIP() << "no General MIDI SoundFont installed (fluid-soundfont-gm)";
  EXPECT_GE(nylon, 0.86);
  EXPECT_GE(acertos(PROGRAMA_NYLON, 20), 0.85);
  EXPECT_GE(acertos(PROGRAMA_ACO, 0), 0.89);
}

}  // namespace
}  // namespace tessara
