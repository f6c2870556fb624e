#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BaseAcordesViolao.h"
#include "BaseEscalas.h"
#include "Especialista.h"
#include "Fachada.h"
#include "FachadaGUIGravada.h"
#include "GeradorEscalas.h"
#include "GeradorInstrumentoCordas.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorConfiguracao.h"
#include "GerenciadorEscalas.h"
#include "GerenciadorIdiomas.h"
#include "GerenciadorImpressao.h"
#include "GerenciadorInstrumentos.h"
#include "IllegalArgumentException.h"
#include "InteracaoGravada.h"
#include "OutOfBoundsException.h"
#include "PastaTemporaria.h"
#include "PortaGravacao.h"
#include "RelogioVirtual.h"
#include "SaidaMIDI.h"
#include "SuperficieGravada.h"
#include "TrabalhoImpressao.h"
#include "XMLInstrumentoParser.h"

namespace tessara {
namespace {

using Nomes = std::vector<std::string>;

GerenciadorIdiomas idiomaIngles(Interacao& interacao) {
  GerenciadorIdiomas idiomas(TESSARA_SOURCE_DATA, interacao);
  idiomas.carregarIdioma(idiomas.indiceDoCodigo("en"));
  return idiomas;
}

// Every manager built over the source language files and a fresh user folder, the MIDI
// output on a recording port with devices 0 and 1, the guitar current.
class FachadaTest : public ::testing::Test {
 protected:
  FachadaTest() {
    parser.salvar(pasta / "instrumentos.xml",
                  {InstrumentoCordas("Ukulele", "soprano", 4, 12, 4, 24, {67, 60, 64, 69}, false)});
    AcordeComposto c("C", {});
    c.getPosicoes().addElement(PosicaoHarmonicaInstrumentoCordas("C", {-1, 3, 2, 0, 1, 0},
                                                                 {6, 3, 2, 0, 1, 0}));
    AcordeComposto db("Db", {});
    db.getPosicoes().addElement(PosicaoHarmonicaInstrumentoCordas("Db", {-1, 4, 3, 1, 2, 1},
                                                                  {6, 4, 3, 1, 2, 1}));
    BaseAcordesViolao::gravar(pasta / idiomas.getTexto("parametros", "nomeArquivoBaseAcordes"),
                              {&c, &db});
    fachada.setInstrumento(0);
    midi.clear();
  }

  // Built on first use, as the process-wide one is, once the chord base is written.
  GerenciadorAcordes& acordes() {
    if (!acordes_) {
      auto textos = [this](std::string_view secao, std::string_view chave) {
        return idiomas.getTexto(secao, chave);
      };
      acordes_ = std::make_unique<GerenciadorAcordes>(
          GerenciadorAcordes::Colaboradores{
              idiomas, especialista, gerador, [this] { return instrumentos.getInstrumentoAtual(); },
              interacao, std::make_unique<BaseAcordesViolao>(textos, interacao)},
          pasta.caminho());
    }
    return *acordes_;
  }

  std::unique_ptr<SaidaMIDI> criarSaida() {
    return std::make_unique<SaidaMIDI>(
        [this](Relogio& r) {
          std::vector<std::unique_ptr<MidiPort>> portas;
          portas.push_back(
              std::make_unique<teste::PortaGravacao>(Nomes{"d0", "d1"}, std::set<int>{-1, 0, 1},
                                                     r, midi));
          return portas;
        },
        relogio, [](std::string_view, std::string_view chave) { return std::string(chave); });
  }

  Nomes log() const { return teste::textos(midi); }
  std::string arquivoConfiguracao() const { return teste::lerArquivo(pasta / "tessara.ini"); }

  teste::PastaTemporaria pasta;
  teste::InteracaoGravada interacao;
  GerenciadorIdiomas idiomas = idiomaIngles(interacao);
  Especialista especialista{idiomas};
  GerenciadorConfiguracao configuracao{pasta / "tessara.ini"};
  RelogioVirtual relogio;
  std::vector<teste::RegistroMidi> midi;
  std::unique_ptr<SaidaMIDI> saida = criarSaida();
  XMLInstrumentoParser parser{idiomas, pasta.caminho(), pasta.caminho()};
  GerenciadorInstrumentos instrumentos{idiomas, parser, pasta / "instrumentos.xml"};
  GeradorInstrumentoCordas gerador{[this] { return instrumentos.getInstrumentoAtual(); },
                                   especialista};
  std::unique_ptr<GerenciadorAcordes> acordes_;
  teste::FachadaGUIGravada gui{interacao};
  BaseEscalas baseEscalas{idiomas, std::filesystem::path(TESSARA_SOURCE_DATA) / "scales.xml"};
  GeradorEscalas geradorEscalas{idiomas, instrumentos};
  GerenciadorEscalas escalas{baseEscalas, geradorEscalas, idiomas, gui, interacao};
  GerenciadorImpressao impressao{
      [this](std::string_view secao, std::string_view chave) {
        return idiomas.getTexto(secao, chave);
      },
      especialista, interacao, gui, [this] { return instrumentos.getInstrumentoAtual(); }};
  Fachada fachada{Fachada::Servicos{
      [this]() -> GerenciadorConfiguracao& { return configuracao; },
      [this]() -> GerenciadorIdiomas& { return idiomas; },
      [this]() -> SaidaMIDI& { return *saida; },
      [this]() -> GerenciadorInstrumentos& { return instrumentos; },
      [this]() -> GerenciadorAcordes& { return acordes(); },
      [this]() -> GerenciadorEscalas& { return escalas; },
      [this]() -> GerenciadorImpressao& { return impressao; },
      [this]() -> teste::FachadaGUIGravada& { return gui; }}};
};

TEST_F(FachadaTest, SalvarConfiguracaoGuardaInstrumentoEModoEGravaOArquivo) {
  fachada.setInstrumento(1);
  fachada.setPosicaoBraco(3);
  gui.escalas = true;
  EXPECT_FALSE(std::filesystem::exists(pasta / "tessara.ini"));  // not before saving
  fachada.salvarConfiguracao();
  const std::string ini = arquivoConfiguracao();
  EXPECT_NE(ini.find("\ninstrumento=Cavaquinho\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\nexibicaoEscalas=1\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\nposicaoBraco=3\n"), std::string::npos) << ini;
  EXPECT_EQ(fachada.getNomeInstrumentoConfigurado(), "Cavaquinho");
  EXPECT_EQ(fachada.getPosicaoBraco(), 3);

  gui.escalas = false;
  fachada.salvarConfiguracao();
  EXPECT_NE(arquivoConfiguracao().find("\nexibicaoEscalas=0\n"), std::string::npos);
}

TEST_F(FachadaTest, SetDriverUsaODispositivoOuCaiNoZero) {
  fachada.setDriver(1);
  EXPECT_EQ(fachada.getDriver(), 1);
  EXPECT_EQ(saida->getDispositivo(), 1);
  // A device the output refuses: device 0, stored as 0, nothing raised.
  EXPECT_NO_THROW(fachada.setDriver(7));
  EXPECT_EQ(fachada.getDriver(), 0);
  EXPECT_EQ(saida->getDispositivo(), 0);
}

TEST_F(FachadaTest, NotasMidiEReinicio) {
  fachada.tocarNota(1, 127, 64);
  fachada.pararNota(1, 64);  // a note-on of velocity 0, not a note-off
  fachada.resetarMIDI();
  EXPECT_EQ(log(), (Nomes{"91 40 7F", "91 40 00", "reiniciar"}));
}

TEST_F(FachadaTest, InstrumentosComOAnterior) {
  EXPECT_EQ(fachada.getNomesInstrumentos(), (Nomes{"Standard Guitar", "Cavaquinho", "Ukulele"}));
  fachada.setInstrumento(2);
  EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Ukulele");
  EXPECT_EQ(fachada.getDescricaoInstrumentoAtual(), "soprano");
  EXPECT_EQ(fachada.getInstrumentoAtual()->getName(), "Ukulele");
  EXPECT_EQ(fachada.getInstrumentoAnterior()->getName(), "Standard Guitar");

  fachada.addInstrumento(InstrumentoCordas("Bandolim", "", 4, 12, 3, 24, {55, 62, 69, 76}, false));
  EXPECT_EQ(fachada.getNomesInstrumentos().back(), "Bandolim");
  fachada.removerInstrumento(2);
  EXPECT_EQ(fachada.getNomesInstrumentos(), (Nomes{"Standard Guitar", "Cavaquinho", "Bandolim"}));
  // The managers' exceptions pass through.
  EXPECT_THROW(fachada.addInstrumento(instrumentos.getInstrumento(0)),
               IllegalArgumentException);
}

TEST_F(FachadaTest, AcordesDoGerenciador) {
  EXPECT_EQ(fachada.getNomesAcordes(), (Nomes{"C", "Db"}));
  EXPECT_EQ(fachada.getIndiceAcordeAtual(), -1);
  ASSERT_TRUE(fachada.setAcordePorNome("db"));
  EXPECT_EQ(fachada.getNomeAcordeAtual(), "Db");
  EXPECT_EQ(fachada.getRaizAcordeAtual(), 1);
  EXPECT_TRUE(fachada.usaBemolAcordeAtual());
  EXPECT_EQ(fachada.getPosicaoAcordeAtual()->getCasas(), (std::vector<int>{-1, 4, 3, 1, 2, 1}));

  fachada.setAcorde(0);
  EXPECT_FALSE(fachada.usaBemolAcordeAtual());
  const PosicaoHarmonicaInstrumentoCordas armado({-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0});
  EXPECT_TRUE(fachada.existePosicao(&armado));
  EXPECT_TRUE(fachada.encontrarPosicao(&armado));
  EXPECT_GE(fachada.getAcordeAtual()->getPosicoes().size(), 1);
  fachada.proximaPosicao();  // past the stored one: the generated ones are appended
  EXPECT_GT(fachada.getAcordeAtual()->getPosicoes().size(), 1);
  fachada.posicaoAnterior();
  EXPECT_EQ(*fachada.getPosicaoAcordeAtual(), armado);

  const std::vector<int> notas = {-1, 48, 52, 55, 60, 64};
  EXPECT_EQ(fachada.nomearAcorde(notas, 48), "C");
  EXPECT_FALSE(fachada.setAcordePorNome("Hmaj"));
  // The managers' exceptions pass through.
  EXPECT_THROW(fachada.setAcorde(2), OutOfBoundsException);
  EXPECT_THROW(fachada.encontrarPosicao(nullptr), IllegalArgumentException);
}

TEST_F(FachadaTest, PerguntasPelasCaixasDeMensagem) {
  interacao.resposta = false;
  EXPECT_FALSE(gui.perguntarSimNao("Title", "Quit?"));
  EXPECT_EQ(gui.perguntarOkCancelar("Title", "Go on?"), FachadaGUI::CANCELAR);
  interacao.resposta = true;
  EXPECT_TRUE(gui.perguntarSimNao("", "Quit?"));
  EXPECT_EQ(gui.perguntarOkCancelar("", "Go on?"), FachadaGUI::OK);
  ASSERT_EQ(interacao.mensagens.size(), 4u);
  EXPECT_EQ(interacao.mensagens[0].texto, "Quit?");
  EXPECT_EQ(interacao.mensagens[0].titulo, "Title");
  EXPECT_EQ(interacao.mensagens[0].botoes, Interacao::Botoes::SimNao);
  EXPECT_EQ(interacao.mensagens[1].botoes, Interacao::Botoes::OkCancelar);
}

TEST_F(FachadaTest, EscalasComAsExibicoesGeradasAntesDoIndice) {
  EXPECT_EQ(fachada.getNomesEscalas().front(), "Major (Ionian)");
  EXPECT_EQ(fachada.getNomesTonicas()[1], "C# or Db");
  fachada.setEscala("Major (Ionian)");
  ASSERT_TRUE(fachada.getEscalaAtual());
  EXPECT_EQ(fachada.getEscalaAtual()->getNome(), "Major (Ionian)");
  // No display has been asked for yet: the index is taken once they are generated.
  fachada.setIndiceExibicao(3);
  EXPECT_EQ(fachada.getIndiceExibicao(), 3);
  EXPECT_EQ(fachada.proximaExibicao(), 4);
  EXPECT_EQ(fachada.exibicaoAnterior(), 3);
  EXPECT_FALSE(fachada.getEscalaExibicao().getCasas().empty());
  fachada.limparEscala();
  EXPECT_FALSE(fachada.getEscalaAtual());
  EXPECT_EQ(fachada.getIndiceExibicao(), 3);

  fachada.setTonicaEscala("G");
  EXPECT_EQ(fachada.getTonicaEscala(), "G");
  EXPECT_THROW(fachada.setEscala("No such scale"), OutOfBoundsException);
}

TEST_F(FachadaTest, ImprimeAListaDaJanelaComOTextoGuardado) {
  gui.listaImpressao.addElement(
      PosicaoHarmonicaInstrumentoCordas("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}));
  gui.listaImpressao.addElement(
      PosicaoHarmonicaInstrumentoCordas("G", {3, 2, 0, 0, 0, 3}, {2, 1, 0, 0, 0, 3}));
  fachada.setTextoImpressao("C   G\nla la");
  EXPECT_EQ(fachada.getTextoImpressao(), "C   G\nla la");
  teste::ImpressoraGravada impressora;
  fachada.imprimir(impressora, TrabalhoImpressao::TEXTO_E_DIAGRAMAS, TrabalhoImpressao::DEDOS);
  EXPECT_EQ(impressora.superficie.apenasTextos("Courier New"), (Nomes{"C   G", "la la"}));
  EXPECT_EQ(impressora.superficie.apenasTextos("Times New Roman"), (Nomes{"C", "G"}));
  EXPECT_EQ(impressora.documentosFinalizados, 1);
}

TEST_F(FachadaTest, VisualizarDesenhaNoZoomDadoEDepoisACemEMostraAJanela) {
  fachada.visualizarImpressao(TrabalhoImpressao::DIAGRAMAS, TrabalhoImpressao::DEDOS, 1, 300);
  ASSERT_EQ(gui.imagensCriadas.size(), 2u);
  EXPECT_EQ(gui.imagensCriadas[0].largura, 1080);
  EXPECT_EQ(gui.imagensCriadas[1].largura, 360);
  EXPECT_EQ(gui.exibicoes.back().largura, 360);
  EXPECT_EQ(gui.janelasVisualizacao, 1);

  fachada.exibirPaginaVisualizacao(1, 200);
  EXPECT_EQ(gui.exibicoes.back().largura, 720);
  EXPECT_EQ(gui.janelasVisualizacao, 1);
}

TEST_F(FachadaTest, TextoDoIdiomaAtual) {
  EXPECT_EQ(fachada.getTexto("geral", "nomeAplicacao"), "Tessara");
  EXPECT_EQ(fachada.getTexto("geral", "no such key"), "");
}

TEST(FachadaGUI, RegistroServeAImpressaoEAsEscalas) {
  teste::InteracaoGravada interacao;
  teste::FachadaGUIGravada gui(interacao);
  gui.tonica = "E";
  FachadaGUI::definirGlobal(&gui);
  EXPECT_EQ(&FachadaGUI::global(), &gui);
  EXPECT_EQ(&FrenteImpressao::global(), &gui);
  EXPECT_EQ(EscolhaTonica::global().getTonicaEscolhida(), "E");
  FachadaGUI::definirGlobal(nullptr);
  EXPECT_NE(&FrenteImpressao::global(), &gui);
  EXPECT_EQ(EscolhaTonica::global().getTonicaEscolhida(), "");
  EXPECT_FALSE(FachadaGUI::global().exibindoEscalas());
}

}  // namespace
}  // namespace tessara
