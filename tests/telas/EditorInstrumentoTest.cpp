#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LimiteDeTamanho.h"
#include "NucleoTeste.h"
#include "app/Fachada.h"
#include "instruments/XMLInstrumentoParser.h"
#include "telas/EditorInstrumento.h"
#include "telas/MenuNotas.h"

namespace tessara {
namespace {

using Resultado = EditorInstrumento::Resultado;
using Nomes = std::vector<std::string>;

// The root's objects in English, with a user base holding a ukulele and a bass (indexes 2
// and 3, after the guitar and the cavaquinho).
class EditorInstrumentoTest : public ::testing::Test {
 protected:
  EditorInstrumentoTest() {
    ambiente.nucleo.parserInstrumentos().salvar(
        arquivo(), {InstrumentoCordas("Ukulele", "soprano", 4, 12, 4, 24, {67, 60, 64, 69}, false),
                    InstrumentoCordas("Bass", "", 4, 12, 3, 33, {28, 33, 38, 43}, false)});
  }

  std::filesystem::path arquivo() const { return ambiente.usuario() / "instrumentos.xml"; }
  std::string conteudo() const { return teste::lerArquivo(arquivo()); }
  InstrumentoCordas lido(int indice) { return fachada.getInstrumento(indice); }
  static CamposInstrumento nomeado(const std::string& nome) {
    CamposInstrumento campos;
    campos.nome = nome;
    return campos;
  }

  teste::NucleoTeste ambiente;
  Fachada& fachada = ambiente.nucleo.fachada();
  EditorInstrumento editor{fachada};
};

TEST_F(EditorInstrumentoTest, CriarComOsPadroesGravaAAfinacaoDoViolao) {
  const auto salvo = editor.salvar(nomeado("V"), -1);
  ASSERT_EQ(salvo.resultado, Resultado::Salvo) << salvo.mensagem;
  EXPECT_EQ(salvo.indice, 4);
  const InstrumentoCordas v = lido(4);
  EXPECT_EQ(v.getName(), "V");
  EXPECT_EQ(v.getNumeroCordas(), 6);
  EXPECT_EQ(v.getNumeroCasas(), 14);
  EXPECT_EQ(v.getDistancia(), 3);
  EXPECT_EQ(v.getSom(), 24);
  EXPECT_EQ(v.getAfinacao(), (std::vector<int>{40, 45, 50, 55, 59, 64}));
}

TEST_F(EditorInstrumentoTest, QuatroCordasUsamAsQuatroLinhasDeCimaEAteDozeCasas) {
  CamposInstrumento campos = nomeado("Tenor");
  campos.cordas = 4;
  campos.casas = EditorInstrumento::maximoCasas(4);
  campos.notas = {69, 62, 55, 48, 1, 2};
  EXPECT_EQ(campos.casas, 12);
  EXPECT_EQ(EditorInstrumento::maximoCasas(5), 14);
  const InstrumentoCordas tenor = EditorInstrumento::montar(campos);
  EXPECT_EQ(tenor.getAfinacao(), (std::vector<int>{48, 55, 62, 69}));

  // Reading it back into fields: the unused rows keep what they held.
  CamposInstrumento antes;
  const CamposInstrumento relidos = EditorInstrumento::campos(tenor, antes);
  EXPECT_EQ(relidos.cordas, 4);
  EXPECT_EQ(relidos.notas, (std::array<int, 6>{69, 62, 55, 48, 45, 40}));
  // An instrument beyond what the editor offers comes within it.
  const CamposInstrumento largo = EditorInstrumento::campos(
      InstrumentoCordas("L", "", 8, 30, 3, 200, {1, 2, 3, 4, 5, 6, 7, 8}, false));
  EXPECT_EQ(largo.cordas, 6);
  EXPECT_EQ(largo.casas, 14);
  EXPECT_EQ(largo.som, 127);
}

// Every refusal leaves the file and the list as they were and says why in the language.
TEST_F(EditorInstrumentoTest, NomesRecusados) {
  struct Caso {
    const char* nome;
    int indiceEditado;
    Resultado resultado;
    const char* secao;
    const char* chave;
  };
  const Caso casos[] = {
      {"", -1, Resultado::NomeVazio, "fmCriarInstrumento", "mensagemNome"},
      {"  \t ", -1, Resultado::NomeVazio, "fmCriarInstrumento", "mensagemNome"},
      {"Cavaquinho", -1, Resultado::NomePadrao, "fmCriarInstrumento", "msgEdicaoInstrumentoPadrao"},
      // Blanks around and inside are gone when the file is read back.
      {" Cavaquinho ", -1, Resultado::NomePadrao, "fmCriarInstrumento",
       "msgEdicaoInstrumentoPadrao"},
      {"Standard  Guitar", 1, Resultado::NomePadrao, "fmCriarInstrumento",
       "msgEdicaoInstrumentoPadrao"},
      // The guitar edited without a new name.
      {"Standard Guitar", 0, Resultado::NomePadrao, "fmCriarInstrumento",
       "msgEdicaoInstrumentoPadrao"},
      {"Ukulele", -1, Resultado::NomeExistente, "exception", "instrumentoExistente"},
      {"Ukulele ", 0, Resultado::NomeExistente, "exception", "instrumentoExistente"},
      // Renaming a user instrument to another's name.
      {"Bass", 2, Resultado::NomeExistente, "exception", "instrumentoExistente"},
      {" Bass", 2, Resultado::NomeExistente, "exception", "instrumentoExistente"},
  };
  const std::string antes = conteudo();
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string("'") + c.nome + "' at " + std::to_string(c.indiceEditado));
    const auto salvo = editor.salvar(nomeado(c.nome), c.indiceEditado);
    EXPECT_EQ(salvo.resultado, c.resultado);
    EXPECT_EQ(salvo.mensagem, fachada.getTexto(c.secao, c.chave));
    EXPECT_FALSE(salvo.mensagem.empty());
    EXPECT_EQ(conteudo(), antes);
  }
}

TEST_F(EditorInstrumentoTest, EditarUmInstrumentoDoUsuarioOSubstituiNoMesmoLugar) {
  CamposInstrumento campos = EditorInstrumento::campos(lido(2));
  campos.descricao = "concert";
  campos.som = 40;
  // Its own name, with blanks that read away, is no clash.
  campos.nome = "Ukulele ";
  auto salvo = editor.salvar(campos, 2);
  ASSERT_EQ(salvo.resultado, Resultado::Salvo) << salvo.mensagem;
  EXPECT_EQ(salvo.indice, 2);
  EXPECT_EQ(lido(2).getDescricao(), "concert");
  EXPECT_EQ(lido(2).getSom(), 40);
  EXPECT_EQ(lido(2).getAfinacao(), (std::vector<int>{67, 60, 64, 69}));
  EXPECT_EQ(fachada.getNomesInstrumentos(),
            (Nomes{"Standard Guitar", "Cavaquinho", "Ukulele", "Bass"}));

  campos.nome = "Baritone";
  salvo = editor.salvar(campos, 3);
  ASSERT_EQ(salvo.resultado, Resultado::Salvo);
  EXPECT_EQ(fachada.getNomesInstrumentos(),
            (Nomes{"Standard Guitar", "Cavaquinho", "Ukulele", "Baritone"}));
}

TEST_F(EditorInstrumentoTest, EditarUmInstrumentoEmbutidoGravaUmNovoNoFim) {
  CamposInstrumento campos = EditorInstrumento::campos(lido(1));
  campos.nome = "Cavaquinho (low)";
  const auto salvo = editor.salvar(campos, 1);
  ASSERT_EQ(salvo.resultado, Resultado::Salvo) << salvo.mensagem;
  EXPECT_EQ(salvo.indice, 4);
  EXPECT_EQ(fachada.getNomesInstrumentos().back(), "Cavaquinho (low)");
  EXPECT_EQ(lido(4).getAfinacao(), (std::vector<int>{50, 55, 59, 64}));
  EXPECT_EQ(lido(1).getName(), "Cavaquinho");
}

TEST_F(EditorInstrumentoTest, FalhaAoGravarDevolveAMensagemENadaMuda) {
  const std::string antes = conteudo();
  EditorInstrumento::Salvamento salvo{Resultado::Salvo, {}};
  {
    teste::LimiteDeTamanho limite(antes.size());
    salvo = editor.salvar(nomeado("Mandolin"), -1);
  }
  EXPECT_EQ(salvo.resultado, Resultado::Falha);
  EXPECT_TRUE(
      salvo.mensagem.starts_with(fachada.getTexto("exception", "erroGravarBaseInstrumentos")))
      << salvo.mensagem;
  EXPECT_EQ(conteudo(), antes);
  EXPECT_EQ(fachada.getNomesInstrumentos().size(), 4u);
}

TEST(MenuNotas, DuasMetadesComOsMesmosValoresEOLaComSuaFrequencia) {
  const MenuNotas menu("Low", "Middle", "High");
  const auto porNota = menu.porNota();
  const auto porOitava = menu.porOitava();
  ASSERT_EQ(porNota.size(), 12u);
  ASSERT_EQ(porOitava.size(), 6u);
  EXPECT_EQ(porNota[0].rotulo, "C");
  EXPECT_EQ(porNota[1].rotulo, "C#");
  const char* oitavas[] = {"Low (1)", "Low (2)", "Low (3)", "Middle (4)", "High (5)", "High (6)"};
  const int hertz[] = {55, 110, 220, 440, 880, 1760};  // A4 is 440 Hz
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(porOitava[static_cast<size_t>(j)].rotulo, oitavas[j]);
    // The A of each octave, either way.
    const auto& la = porNota[9].escolhas[static_cast<size_t>(j)];
    EXPECT_EQ(la.rotulo, std::string(oitavas[j]) + " - " + std::to_string(hertz[j]) + "Hz");
    EXPECT_EQ(la.nota, 33 + 12 * j);
    EXPECT_EQ(porOitava[static_cast<size_t>(j)].escolhas[9].rotulo,
              "A - " + std::to_string(hertz[j]) + "Hz");
    for (int i = 0; i < 12; ++i) {
      EXPECT_EQ(porOitava[static_cast<size_t>(j)].escolhas[static_cast<size_t>(i)].nota,
                porNota[static_cast<size_t>(i)].escolhas[static_cast<size_t>(j)].nota);
    }
  }
  EXPECT_EQ(porNota[0].escolhas[0].nota, 24);  // C1: a bass's low E and a low B are in reach
  EXPECT_EQ(porNota[11].escolhas[5].nota, 95);
  EXPECT_EQ(porNota[0].escolhas[0].rotulo, "Low (1)");
}

}  // namespace
}  // namespace tessara
