#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BytesWav.h"
#include "foundations/DataFormatException.h"
#include "foundations/IllegalArgumentException.h"
#include "ouvir/Afinador.h"
#include "ouvir/LeitorWav.h"
#include "ouvir/ReconhecedorAcordes.h"
#include "ouvir/SegmentadorAcordes.h"

namespace tessara {
namespace {

using teste::BytesWav;

std::unique_ptr<LeitorWav> abrir(const std::string& bytes) {
  return std::make_unique<LeitorWav>(std::make_unique<std::istringstream>(bytes));
}

std::vector<float> lerTudo(LeitorWav& leitor) {
  std::vector<float> tudo;
  std::vector<float> bloco(777);
  while (const size_t n = leitor.ler(bloco.data(), bloco.size())) {
    tudo.insert(tudo.end(), bloco.begin(), bloco.begin() + static_cast<std::ptrdiff_t>(n));
  }
  return tudo;
}

// Every sample size reads to the same values, the channels averaged.
TEST(LeitorWav, AmostrasDeCadaTamanhoViramMonoEmMenos1a1) {
  struct Caso {
    uint16_t formato, canais, bits;
    std::string dados;  // two frames
    std::vector<float> esperado;
  };
  const Caso casos[] = {
      {1, 1, 8, std::string("\x80\xC0", 2), {0.0f, 0.5f}},
      {1, 1, 16, std::string("\x00\x40\x00\xC0", 4), {0.5f, -0.5f}},
      {1, 2, 16, std::string("\x00\x40\x00\x00\x00\xC0\x00\xC0", 8), {0.25f, -0.5f}},
      {1, 1, 24, std::string("\x00\x00\x40\x00\x00\xC0", 6), {0.5f, -0.5f}},
      {1, 1, 32, std::string("\x00\x00\x00\x40\x00\x00\x00\xC0", 8), {0.5f, -0.5f}},
      {3, 1, 32, std::string("\x00\x00\x00\x3F\x00\x00\x00\xBF", 8), {0.5f, -0.5f}},
      {3, 1, 64, std::string("\0\0\0\0\0\0\xE0\x3F\0\0\0\0\0\0\xE0\xBF", 16), {0.5f, -0.5f}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, format " << c.formato);
    BytesWav wav;
    wav.formato = c.formato;
    wav.canais = c.canais;
    wav.bits = c.bits;
    wav.dados = c.dados;
    auto leitor = abrir(wav.bytes());
    EXPECT_EQ(leitor->quadros(), 2u);
    EXPECT_EQ(lerTudo(*leitor), c.esperado);
  }
}

// What cannot be read says why; what is short or claims too much reads as far as it goes.
TEST(LeitorWav, EntradaRuimDaErroClaroOuResultado) {
  const std::string meioSegundo = BytesWav::seno16(440, 0.5, 44100);
  struct Caso {
    const char* nome;
    std::string bytes;
    const char* erro;  // nullptr: it reads
    uint64_t quadros;
  };
  BytesWav adpcm;
  adpcm.formato = 2;
  adpcm.bits = 4;
  adpcm.dados = "xxxx";
  BytesWav mulaw;
  mulaw.formato = 7;
  mulaw.bits = 8;
  mulaw.dados = "xxxx";
  BytesWav vazio;
  BytesWav doisGiga;
  doisGiga.dados = meioSegundo;
  doisGiga.tamanhoDeclarado = 0x7FFFFFF0u;
  BytesWav cortado;
  cortado.dados = meioSegundo.substr(0, 1001);  // half a frame at the end
  cortado.tamanhoDeclarado = static_cast<uint32_t>(meioSegundo.size());
  BytesWav semTaxa;
  semTaxa.taxa = 0;
  BytesWav semCanais;
  semCanais.canais = 0;
  BytesWav normal;
  normal.dados = meioSegundo;
  const std::string inteiro = normal.bytes();
  std::string dadosAntes = inteiro.substr(0, 12) + inteiro.substr(36) + inteiro.substr(12, 24);
  const Caso casos[] = {
      {"empty file", "", "cut short", 0},
      {"header cut short", inteiro.substr(0, 30), "cut short", 0},
      {"not RIFF", "RIFX" + inteiro.substr(4), "RIFF", 0},
      {"ADPCM", adpcm.bytes(), "not PCM", 0},
      {"mu-law", mulaw.bytes(), "not PCM", 0},
      {"no data chunk", inteiro.substr(0, 36), "no data chunk", 0},
      {"data before fmt", dadosAntes, "before its fmt", 0},
      {"sample rate 0", semTaxa.bytes(), "sample rate", 0},
      {"no channels", semCanais.bytes(), "channels", 0},
      {"0 samples", vazio.bytes(), nullptr, 0},
      {"a 2 GB claim", doisGiga.bytes(), nullptr, 22050},
      {"data cut short", cortado.bytes(), nullptr, 500},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    if (c.erro != nullptr) {
      try {
        abrir(c.bytes);
        ADD_FAILURE() << "read";
      } catch (const DataFormatException& e) {
        EXPECT_NE(e.getMensagem().find(c.erro), std::string::npos) << e.getMensagem();
      }
      continue;
    }
    auto leitor = abrir(c.bytes);
    EXPECT_EQ(leitor->quadros(), c.quadros);
    EXPECT_EQ(lerTudo(*leitor).size(), c.quadros);
  }
}

// Telephone and studio rates are heard as well as the CD's.
TEST(LeitorWav, OitoE96kHzSaoOuvidos) {
  for (uint32_t taxa : {8000u, 96000u}) {
    SCOPED_TRACE(taxa);
    BytesWav wav;
    wav.taxa = taxa;
    wav.dados = BytesWav::seno16(220, 1.0, taxa);
    auto leitor = abrir(wav.bytes());
    ASSERT_EQ(leitor->taxa(), static_cast<int>(taxa));
    const std::vector<float> som = lerTudo(*leitor);
    Afinador afinador(taxa);
    afinador.alimentar(som.data(), som.size());
    ASSERT_TRUE(afinador.leitura().temNota);
    EXPECT_EQ(afinador.leitura().notaMidi, 57);
    EXPECT_NEAR(afinador.leitura().centsNota, 0, 1.0);
    const auto segmentos = SegmentadorAcordes::segmentar(som.data(), som.size(), taxa);
    for (const auto& s : segmentos) EXPECT_LE(s.fim, 1.0 + 1e-9);
  }
}

// Rates no sound card has are refused by name; samples that are not numbers are silence.
TEST(LeitorWav, TaxasImpossiveisRecusadasEAmostrasInvalidasSaoSilencio) {
  for (double taxa : {0.0, 100.0, 1e9, std::nan("")}) {
    EXPECT_THROW(Afinador{taxa}, IllegalArgumentException);
    EXPECT_THROW(ReconhecedorAcordes{taxa}, IllegalArgumentException);
  }
  const std::vector<float> estranhas(44100, std::numeric_limits<float>::quiet_NaN());
  ReconhecedorAcordes reconhecedor(44100);
  reconhecedor.alimentar(estranhas.data(), estranhas.size());
  EXPECT_FALSE(reconhecedor.atual().temAcorde);
  Afinador afinador(44100);
  afinador.alimentar(estranhas.data(), estranhas.size());
  EXPECT_FALSE(afinador.leitura().temNota);
}

}  // namespace
}  // namespace tessara
