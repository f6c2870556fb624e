// Canonical names must read back, in the same grammar, as the code they were made from: the
// chord manager replaces a typed name by its canonical name, stores it and later generates
// fingerings from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "AcordesTeste.h"
#include "InteracaoGravada.h"
#include "chords/BaseAcordesViolao.h"
#include "chords/ListaNomesAcordes.h"
#include "chords/TabelaTokens.h"
#include "foundations/DException.h"
#include "foundations/LeitorIni.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/XMLInstrumentoParser.h"
#include "languages/GerenciadorIdiomas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

using E = Especialista;

std::vector<std::string> corpus(Gramatica gramatica) {
  return ListaNomesAcordes::ler(std::filesystem::path(TESSARA_BIN_DIR) /
                                ListaNomesAcordes::nomeArquivo(gramatica));
}

std::vector<int32_t> codigosDoCorpus(Gramatica gramatica) {
  std::vector<int32_t> codigos;
  for (const auto& nome : corpus(gramatica)) {
    codigos.push_back(E::interpretar(nome, teste::idiomaDa(gramatica)));
  }
  return codigos;
}

// Every set of degree flags some name can give: the tokens' actions applied in every order
// to the major and the minor triad. Roots and basses vary from one set to the next.
std::vector<int32_t> codigosAlcancaveis(Gramatica gramatica) {
  const int32_t maior = teste::codigo(0, {3, 6});
  const int32_t menor = teste::codigo(0, {2, 6});
  std::set<int32_t> vistos = {maior, menor};
  std::vector<int32_t> pendentes = {maior, menor};
  while (!pendentes.empty()) {
    const int32_t atual = pendentes.back();
    pendentes.pop_back();
    for (const auto& token : TabelaTokens::de(gramatica).tokens()) {
      const int32_t proximo = token.aplicar(atual);
      if (vistos.insert(proximo).second) pendentes.push_back(proximo);
    }
  }
  std::vector<int32_t> codigos;
  int i = 0;
  for (const int32_t graus : vistos) {
    int32_t c = E::setRaiz(graus, i % E::NUMERO_GRAFIAS);
    if (i % 3 != 0) c = E::setBaixo(c, (i * 7) % E::NUMERO_GRAFIAS);
    codigos.push_back(c);
    ++i;
  }
  return codigos;
}

// The chords that the fingerings of the shipped chord base's chords sound on every shipped
// instrument (the built-in ones and those of the instrument base), named as the fretboard
// names them: the root on the lowest string that plays the chord's root.
std::vector<int32_t> codigosDasPosicoesEntregues(Gramatica gramatica) {
  const std::filesystem::path pasta{TESSARA_BIN_DIR};
  const char* arquivoIdioma = gramatica == Gramatica::Portugues ? "pt-BR.idm" : "en.idm";
  teste::InteracaoGravada interacao;
  GerenciadorIdiomas idiomas(pasta, interacao);
  idiomas.carregarIdioma(idiomas.indiceDoCodigo(gramatica == Gramatica::Portugues ? "pt" : "en"));
  BaseAcordesViolao base(idiomas, interacao);
  base.carregarBase(
      pasta /
      LeitorIni::deArquivo(pasta / arquivoIdioma).ler("parametros", "nomeArquivoBaseAcordes", ""));
  XMLInstrumentoParser parser(idiomas, pasta, pasta);
  GerenciadorInstrumentos gerenciador(idiomas, parser, pasta / "instrumentos.xml");
  const Especialista especialista(idiomas);
  const InstrumentoCordas* atual = nullptr;
  GeradorInstrumentoCordas gerador([&atual] { return atual; }, especialista);

  std::set<int32_t> codigos;
  for (const auto& instrumento : gerenciador.getInstrumentos()) {
    atual = &instrumento;
    for (const auto& nome : base.getNomes()) {
      const int32_t acorde = E::interpretar(nome, teste::idiomaDa(gramatica));
      const auto posicoes = gerador.gerar(acorde);
      for (int i = 0; i < posicoes.size(); ++i) {
        const auto& p =
            dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(*posicoes.getElement(i));
        const auto notas = p.getNotas(instrumento.getAfinacao(), instrumento.getNumeroCasas());
        const auto raiz = std::find_if(notas.begin(), notas.end(), [&](int n) {
          return n >= 0 && n % 12 == E::getClasseRaiz(acorde);
        });
        if (raiz == notas.end()) continue;
        codigos.insert(E::codigoDasNotas(notas, *raiz, teste::idiomaDa(gramatica)));
      }
    }
  }
  return {codigos.begin(), codigos.end()};
}

// A set of codes that the canonical names must carry through. Further sets (the codes of the
// shipped instruments' fingerings, say) are one more line in the table below.
struct FonteCodigos {
  const char* nome;
  Gramatica gramatica;
  std::function<std::vector<int32_t>()> codigos;
};

const FonteCodigos kFontes[] = {
    {"CorpusPortugues", Gramatica::Portugues, [] { return codigosDoCorpus(Gramatica::Portugues); }},
    {"CorpusIngles", Gramatica::Ingles, [] { return codigosDoCorpus(Gramatica::Ingles); }},
    {"AlcancaveisPortugues", Gramatica::Portugues,
     [] { return codigosAlcancaveis(Gramatica::Portugues); }},
    {"AlcancaveisIngles", Gramatica::Ingles, [] { return codigosAlcancaveis(Gramatica::Ingles); }},
    {"PosicoesEntreguesPortugues", Gramatica::Portugues,
     [] { return codigosDasPosicoesEntregues(Gramatica::Portugues); }},
    {"PosicoesEntreguesIngles", Gramatica::Ingles,
     [] { return codigosDasPosicoesEntregues(Gramatica::Ingles); }},
};

class IdaEVolta : public ::testing::TestWithParam<FonteCodigos> {};

TEST_P(IdaEVolta, NomeCanonicoLeDeVoltaOMesmoCodigo) {
  const FonteCodigos& fonte = GetParam();
  const auto codigos = fonte.codigos();
  ASSERT_FALSE(codigos.empty());
  int falhas = 0;
  for (const int32_t c : codigos) {
    if (falhas >= 20) break;  // enough to see the pattern
    const std::string nome = E::nomear(c, fonte.gramatica);
    int32_t lido = 0;
    try {
      lido = E::interpretar(nome, teste::idiomaDa(fonte.gramatica));
    } catch (const DException& e) {
      ADD_FAILURE() << nome << " refused: " << e.getMensagem();
      ++falhas;
      continue;
    }
    if (lido != c) {
      ADD_FAILURE() << nome << " reads back as " << E::nomear(lido, fonte.gramatica) << std::hex
                    << " (" << c << " read as " << lido << ")";
      ++falhas;
    }
    const bool terca = E::temGrau(c, 2) || E::temGrau(c, 3);
    if (terca && nome.find("sus") != std::string::npos) {
      ADD_FAILURE() << nome << " has a third";
      ++falhas;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Fontes, IdaEVolta, ::testing::ValuesIn(kFontes),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(CorpusNomes, CadaGramaticaLeTodosOsSeusNomesComTodasAsRaizes) {
  for (const auto gramatica : {Gramatica::Portugues, Gramatica::Ingles}) {
    const auto nomes = corpus(gramatica);
    EXPECT_GE(nomes.size(), 2000u);
    std::set<int> raizes;
    int comBaixo = 0;
    for (const auto& nome : nomes) {
      try {
        const int32_t c = E::interpretar(nome, teste::idiomaDa(gramatica));
        raizes.insert(E::getRaiz(c));
        comBaixo += E::getBaixo(c) >= 0;
      } catch (const DException& e) {
        ADD_FAILURE() << nome << ": " << e.getMensagem();
      }
    }
    EXPECT_EQ(raizes.size(), static_cast<size_t>(E::NUMERO_GRAFIAS));
    EXPECT_GT(comBaixo, 100);
  }
  EXPECT_EQ(corpus(Gramatica::Portugues)[0], "C");
}

}  // namespace
}  // namespace tessara
