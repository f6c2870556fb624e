#include "instruments/TraducaoInstrumentos.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "TextosTeste.h"

namespace tessara {
namespace {

// Two shipped instruments; the second has no description of its own in this language.
const std::map<std::string, std::string> ENTRADAS = {
    {"nome1", "Bass guitar (E A D G)"},
    {"traducao1", "Contrabaixo (E A D G)"},
    {"descricao1", "Contrabaixo de quatro cordas."},
    {"nome2", "Guitar in DADGAD"},
    {"traducao2", "Violão em DADGAD"},
    {"nome4", "never read: the entries stop at a gap"},
    {"traducao4", "Gap"}};

TEST(TraducaoInstrumentos, SoOsEntreguesMudamDeNomeNaTela) {
  const teste::TextosTeste textos([](std::string_view secao, std::string_view chave) {
    const auto achada = ENTRADAS.find(std::string(chave));
    return secao == TraducaoInstrumentos::SECAO && achada != ENTRADAS.end() ? achada->second
                                                                            : std::string();
  });
  const TraducaoInstrumentos traducao(textos);
  struct Caso {
    const char* nome;
    const char* descricao;
    const char* nomeMostrado;
    const char* descricaoMostrada;
  };
  for (const auto& c : {
           Caso{"Bass guitar (E A D G)", "Four-string bass.", "Contrabaixo (E A D G)",
                "Contrabaixo de quatro cordas."},
           Caso{"Guitar in DADGAD", "Celtic tuning.", "Violão em DADGAD", "Celtic tuning."},
           Caso{"My bass", "Mine.", "My bass", "Mine."},
           Caso{"bass guitar (e a d g)", "Renamed.", "bass guitar (e a d g)", "Renamed."},
           Caso{"never read: the entries stop at a gap", "x",
                "never read: the entries stop at a gap", "x"},
           Caso{"", "", "", ""},
       }) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(traducao.nome(c.nome), c.nomeMostrado);
    EXPECT_EQ(traducao.descricao(c.nome, c.descricao), c.descricaoMostrada);
  }
}

}  // namespace
}  // namespace tessara
