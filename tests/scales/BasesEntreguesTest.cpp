// Checks the scale bases the build installs beside the executables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "AmbienteEscalas.h"
#include "foundations/Cp1252.h"
#include "foundations/LeitorIni.h"
#include "model/Notas.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using Lista = std::vector<int>;

const fs::path PASTA_DADOS{TESSARA_BIN_DIR};

std::vector<Escala> escalas(const teste::AmbienteEscalas& ambiente, const char* idioma) {
  const auto arquivo =
      LeitorIni::deArquivo(PASTA_DADOS / idioma).ler("escalas", "nome_arquivo", "");
  BaseEscalas base(ambiente.idiomas, PASTA_DADOS / arquivo);
  std::vector<Escala> todas;
  for (int i = 0; i < base.numeroEscalas(); ++i) todas.push_back(*base.getEscala(i));
  EXPECT_EQ(todas.size(), base.getNomesEscalas().size()) << idioma;
  return todas;
}

TEST(BasesEscalasEntregues, ArquivosDosIdiomas) {
  EXPECT_EQ(LeitorIni::deArquivo(PASTA_DADOS / "en.idm").ler("escalas", "nome_arquivo", ""),
            "scales.xml");
  EXPECT_EQ(LeitorIni::deArquivo(PASTA_DADOS / "pt-BR.idm").ler("escalas", "nome_arquivo", ""),
            "escalas.xml");
}

// The same scales in the same order in both languages, each name once, each scale rising from
// its root to an octave of it, within what the fretboard shows.
TEST(BasesEscalasEntregues, MesmasEscalasNosDoisIdiomas) {
  const teste::AmbienteEscalas ambiente;
  const auto ingles = escalas(ambiente, "en.idm");
  const auto portugues = escalas(ambiente, "pt-BR.idm");
  ASSERT_EQ(ingles.size(), portugues.size());
  ASSERT_FALSE(ingles.empty());
  EXPECT_EQ(ingles.front().getNome(), "Major (Ionian)");
  EXPECT_EQ(portugues.front().getNome(), TXT("Maior (jônio)"));
  for (const auto* lista : {&ingles, &portugues}) {
    std::set<std::string> nomes;
    for (const auto& e : *lista) {
      EXPECT_TRUE(nomes.insert(e.getNome()).second) << e.getNome();
      const auto notas = e.getNotas();
      ASSERT_GE(notas.size(), 2u) << e.getNome();
      EXPECT_LE(notas.size(), static_cast<size_t>(GeradorEscalas::MAXIMO_NOTAS)) << e.getNome();
      EXPECT_EQ(notas.front(), 0) << e.getNome();
      EXPECT_TRUE(std::is_sorted(notas.begin(), notas.end())) << e.getNome();
      EXPECT_EQ(notas.back() % NUMERO_NOTAS, 0) << e.getNome();
    }
  }
  for (size_t i = 0; i < ingles.size(); ++i) {
    EXPECT_TRUE(ingles[i] == portugues[i]) << ingles[i].getNome();
  }
}

TEST(BasesEscalasEntregues, EscalasPedidas) {
  const teste::AmbienteEscalas ambiente;
  std::set<Lista> entregues;
  for (const auto& e : escalas(ambiente, "en.idm")) entregues.insert(e.getNotas());
  const Lista pedidas[] = {
      {0, 2, 4, 5, 7, 9, 11, 12},     // major
      {0, 2, 3, 5, 7, 9, 10, 12},     // Dorian
      {0, 1, 3, 5, 7, 8, 10, 12},     // Phrygian
      {0, 2, 4, 6, 7, 9, 11, 12},     // Lydian
      {0, 2, 4, 5, 7, 9, 10, 12},     // Mixolydian
      {0, 2, 3, 5, 7, 8, 10, 12},     // natural minor
      {0, 1, 3, 5, 6, 8, 10, 12},     // Locrian
      {0, 2, 3, 5, 7, 8, 11, 12},     // harmonic minor
      {0, 2, 3, 5, 7, 9, 11, 12},     // melodic minor
      {0, 2, 4, 7, 9, 12},            // major pentatonic
      {0, 3, 5, 7, 10, 12},           // minor pentatonic
      {0, 3, 5, 6, 7, 10, 12},        // blues
      {0, 2, 4, 6, 8, 10, 12},        // whole tone
      {0, 2, 3, 5, 6, 8, 9, 11, 12},  // diminished, whole step first
      {0, 1, 3, 4, 6, 7, 9, 10, 12},  // diminished, half step first
      {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
      {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24},
      {0, 2, 3, 5, 7, 8, 10, 12, 14, 15, 17, 19, 20, 22, 24},
      {0, 2, 4, 7, 9, 12, 14, 16, 19, 21, 24},
      {0, 3, 5, 7, 10, 12, 15, 17, 19, 22, 24},
  };
  for (const auto& notas : pedidas) {
    EXPECT_TRUE(entregues.count(notas)) << ::testing::PrintToString(notas);
  }
}

// Every shipped scale lays out on the built-in guitar in every key, well within the search's
// bounds.
TEST(BasesEscalasEntregues, TodasNoViolaoEmTodosOsTons) {
  teste::AmbienteEscalas ambiente;
  for (const auto& escala : escalas(ambiente, "en.idm")) {
    for (int raiz = 0; raiz < NUMERO_NOTAS; ++raiz) {
      const auto tonica = nomeNotaEnarmonica(raiz, ambiente.idiomas.getNomeIdiomaAtual());
      const auto exibicoes = ambiente.gerador.obterPosicoesEscala(escala, tonica);
      EXPECT_GT(exibicoes.size(), 0) << escala.getNome() << ' ' << tonica;
      EXPECT_LT(static_cast<size_t>(exibicoes.size()), GeradorEscalas::LIMITE_EXIBICOES / 10)
          << escala.getNome() << ' ' << tonica;
    }
  }
}

}  // namespace
}  // namespace tessara
