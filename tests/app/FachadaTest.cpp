#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FachadaGUIGravada.h"
#include "InteracaoGravada.h"
#include "NucleoTeste.h"
#include "SuperficieGravada.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "chords/BaseAcordesViolao.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/RaizNaoEncontradaException.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/XMLInstrumentoParser.h"
#include "printing/TrabalhoImpressao.h"
#include "sound/SaidaMIDI.h"

namespace tessara {
namespace {

using Nomes = std::vector<std::string>;

// Every manager built by the root over the source language file and scale base, a fresh
// user folder with a ukulele, a chord base of C and Db, the MIDI output on a recording port
// with devices 0 and 1, the main window's side recorded, the guitar current.
class FachadaTest : public ::testing::Test {
 protected:
  FachadaTest() {
    ambiente.nucleo.parserInstrumentos().salvar(
        ambiente.usuario() / "instrumentos.xml",
        {InstrumentoCordas("Ukulele", "soprano", 4, 12, 4, 24, {67, 60, 64, 69}, false)});
    AcordeComposto c("C", {});
    c.getPosicoes().addElement(
        PosicaoHarmonicaInstrumentoCordas("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}));
    AcordeComposto db("Db", {});
    db.getPosicoes().addElement(
        PosicaoHarmonicaInstrumentoCordas("Db", {-1, 4, 3, 1, 2, 1}, {6, 4, 3, 1, 2, 1}));
    BaseAcordesViolao::gravar(
        ambiente.programa() / fachada.getTexto("parametros", "nomeArquivoBaseAcordes"), {&c, &db});
    ambiente.nucleo.definirFachadaGUI(&gui);
    fachada.setInstrumento(0);
    ambiente.nucleo.saida();  // opens its device now, so that the log starts empty
    ambiente.midi.clear();
  }

  ~FachadaTest() override { ambiente.nucleo.definirFachadaGUI(nullptr); }

  Nomes log() const { return teste::textos(ambiente.midi); }
  std::string arquivoConfiguracao() const {
    return teste::lerArquivo(ambiente.usuario() / "tessara.ini");
  }

  teste::NucleoTeste ambiente;
  teste::InteracaoGravada& interacao = ambiente.interacao;
  teste::FachadaGUIGravada gui{interacao};
  Fachada& fachada = ambiente.nucleo.fachada();
};

TEST_F(FachadaTest, SalvarConfiguracaoGuardaInstrumentoEModoEGravaOArquivo) {
  fachada.setInstrumento(1);
  fachada.setPosicaoBraco(3);
  EXPECT_FALSE(std::filesystem::exists(ambiente.usuario() / "tessara.ini"));  // not before saving
  fachada.salvarConfiguracao(true);
  const std::string ini = arquivoConfiguracao();
  EXPECT_NE(ini.find("\ninstrumento=Cavaquinho\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\nexibicaoEscalas=1\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\nposicaoBraco=3\n"), std::string::npos) << ini;
  EXPECT_EQ(fachada.getNomeInstrumentoConfigurado(), "Cavaquinho");
  EXPECT_EQ(fachada.getPosicaoBraco(), 3);

  fachada.salvarConfiguracao(false);
  EXPECT_NE(arquivoConfiguracao().find("\nexibicaoEscalas=0\n"), std::string::npos);
}

TEST_F(FachadaTest, SetDriverUsaODispositivoOuCaiNoZero) {
  fachada.setDriver(1);
  EXPECT_EQ(fachada.getDriver(), 1);
  EXPECT_EQ(ambiente.nucleo.saida().getDispositivo(), 1);
  // A device the output refuses: device 0, stored as 0, nothing raised.
  EXPECT_NO_THROW(fachada.setDriver(7));
  EXPECT_EQ(fachada.getDriver(), 0);
  EXPECT_EQ(ambiente.nucleo.saida().getDispositivo(), 0);
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
  EXPECT_THROW(fachada.addInstrumento(ambiente.nucleo.instrumentos().getInstrumento(0)),
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

// The window's requests, one call each: what it shows comes back with the answer.
TEST_F(FachadaTest, VistaDoAcordeNumaChamadaSo) {
  EXPECT_FALSE(fachada.getVistaAcorde().aceito);
  EXPECT_FALSE(fachada.passarPosicao(true).aceito);

  VistaAcorde vista = fachada.abrirAcorde("db");
  ASSERT_TRUE(vista.aceito);
  EXPECT_EQ(vista.nome, "Db");
  EXPECT_EQ(vista.indice, 1);
  EXPECT_EQ(vista.numeroAcordes, 2);
  EXPECT_EQ(vista.raiz, 1);
  EXPECT_TRUE(vista.bemol);
  EXPECT_EQ(vista.indicePosicao, 0);
  ASSERT_NE(vista.posicao, nullptr);
  EXPECT_EQ(vista.posicao->getCasas(), (std::vector<int>{-1, 4, 3, 1, 2, 1}));

  // A name new to the chord base grows its list.
  vista = fachada.abrirAcorde("C7");
  ASSERT_TRUE(vista.aceito);
  EXPECT_EQ(vista.numeroAcordes, 3);
  EXPECT_EQ(vista.indice, 2);
  EXPECT_FALSE(vista.bemol);

  vista = fachada.abrirAcorde(0);
  EXPECT_EQ(vista.nome, "C");
  vista = fachada.passarPosicao(true);
  EXPECT_EQ(vista.indicePosicao, 1);
  EXPECT_EQ(vista.posicao, fachada.getPosicaoAcordeAtual());
  EXPECT_EQ(fachada.passarPosicao(false).indicePosicao, 0);

  // A name that is not understood leaves the chord on show.
  EXPECT_FALSE(fachada.abrirAcorde("Hmaj").aceito);
  EXPECT_EQ(fachada.getVistaAcorde().nome, "C");
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
  fachada.setEscala("Major (Ionian)", "C");
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

TEST_F(FachadaTest, ImprimeAsPosicoesDadasComOTextoGuardado) {
  Fachada::Posicoes posicoes;
  posicoes.addElement(
      PosicaoHarmonicaInstrumentoCordas("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}));
  posicoes.addElement(
      PosicaoHarmonicaInstrumentoCordas("G", {3, 2, 0, 0, 0, 3}, {2, 1, 0, 0, 0, 3}));
  fachada.setTextoImpressao("C   G\nla la");
  EXPECT_EQ(fachada.getTextoImpressao(), "C   G\nla la");
  teste::ImpressoraGravada impressora;
  fachada.imprimir(impressora, TrabalhoImpressao::TEXTO_E_DIAGRAMAS, ModoRotulo::DEDOS, posicoes);
  EXPECT_EQ(impressora.superficie.apenasTextos("Courier New"), (Nomes{"C   G", "la la"}));
  EXPECT_EQ(impressora.superficie.apenasTextos("Times New Roman"), (Nomes{"C", "G"}));
  EXPECT_EQ(impressora.documentosFinalizados, 1);
}

TEST_F(FachadaTest, VisualizarDesenhaNoZoomDadoEDepoisACem) {
  Fachada::Posicoes posicoes;
  for (int i = 0; i < 40; ++i) {
    posicoes.addElement(
        PosicaoHarmonicaInstrumentoCordas("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}));
  }
  fachada.visualizarImpressao(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, 1, 300, posicoes);
  // The pages painted (text is measured on one-pixel pictures): the first page at each zoom.
  std::vector<int> larguras;
  for (const auto& criada : gui.imagensCriadas) {
    if (criada.largura > 1) larguras.push_back(criada.largura);
  }
  EXPECT_EQ(larguras, (std::vector<int>{1080, 360}));
  EXPECT_EQ(gui.exibicoes.back().largura, 360);
  const int paginas = gui.exibicoes.back().numeroPaginas;
  EXPECT_GT(paginas, 1);

  // Another zoom lays the same fingerings out again.
  fachada.exibirPaginaVisualizacao(1, 200);
  EXPECT_EQ(gui.exibicoes.back().largura, 720);
  EXPECT_EQ(gui.exibicoes.back().numeroPaginas, paginas);
}

TEST_F(FachadaTest, CasasViramNotasNomeEDedosNoInstrumentoAtual) {
  const std::vector<int> c = {-1, 3, 2, 0, 1, 0};
  EXPECT_EQ(fachada.getNotasCasas(c), (std::vector<int>{-1, 48, 52, 55, 60, 64}));
  EXPECT_EQ(fachada.nomearCasas(c), "C");  // the lowest string that sounds is the root
  EXPECT_EQ(fachada.nomearCasas(c, 3), "G6sus4/C");
  EXPECT_EQ(fachada.nomearCasas(c, 0), "");  // the root's string does not sound
  EXPECT_EQ(fachada.nomearCasas(c, 6), "");
  EXPECT_EQ(fachada.nomearCasas({-1, -1, -1, -1, -1, -1}), "");

  const PosicaoHarmonicaInstrumentoCordas posicao = fachada.posicaoDasCasas(c);
  EXPECT_EQ(posicao.getNome(), "C");
  EXPECT_EQ(posicao.getDedos(), (std::vector<int>{6, 3, 2, 0, 1, 0}));
  // Frets no hand can reach together keep their places, without fingers.
  const auto longe = fachada.posicaoDasCasas({1, -1, -1, -1, -1, 12});
  EXPECT_EQ(longe.getDedos(), (std::vector<int>{0, 6, 6, 6, 6, 0}));
  EXPECT_EQ(longe.getCasas(), (std::vector<int>{1, -1, -1, -1, -1, 12}));

  fachada.setInstrumento(2);  // the ukulele: G C E A
  EXPECT_EQ(fachada.getNotasCasas({0, 0, 0, 3, 5}), (std::vector<int>{67, 60, 64, 72, -1}));
}

TEST_F(FachadaTest, NomesDeAcordesECifrasNaGramaticaDoIdioma) {
  const AnaliseAcorde menor = fachada.analisarAcorde("C#m7");
  EXPECT_EQ(menor.raiz, "C#");
  EXPECT_EQ(menor.graus, (std::vector<int>{2, 6, 9}));
  EXPECT_EQ(menor.baixo, "");
  EXPECT_EQ(menor.nome, "C#m7");
  EXPECT_EQ(fachada.analisarAcorde("C/E").baixo, "E");
  EXPECT_THROW(fachada.analisarAcorde("Hmaj"), RaizNaoEncontradaException);

  // Any count of steps comes back to one of twelve; each chord is spelled by the key it lands in.
  EXPECT_EQ(fachada.transporCifra("Am  C/G\nla\n", 2), "Bm  D/A\nla\n");
  EXPECT_EQ(fachada.transporCifra("Am\n", 14), "Bm\n");
  EXPECT_EQ(fachada.transporCifra("Am\n", -1), "G#m\n");  // B major, not Cb
  EXPECT_EQ(fachada.transporCifra("Am\n", 0), "Am\n");
  EXPECT_EQ(fachada.getAcordesCifra("Am   C/G\nla la [D7]\n"), (Nomes{"Am", "C/G", "D7"}));

  EXPECT_EQ(fachada.rotuloTonica("db"), "C# or Db");
  EXPECT_EQ(fachada.rotuloTonica("F# OR GB"), "F# or Gb");
  EXPECT_EQ(fachada.rotuloTonica("H"), "");
}

TEST_F(FachadaTest, ExibicoesDeUmaEscalaSemSelecionarNenhuma) {
  const auto exibicoes = fachada.getExibicoesEscala("Major (Ionian)", "C");
  ASSERT_EQ(exibicoes.size(), 288u);
  EXPECT_EQ(exibicoes.front().getCusto(), 306);
  EXPECT_FALSE(fachada.getEscalaAtual());
  EXPECT_TRUE(fachada.getExibicoesEscala("No such scale", "C").empty());
  EXPECT_FALSE(fachada.getEscala("No such scale"));
  EXPECT_EQ(fachada.getEscala("Major (Ionian)")->getNome(), "Major (Ionian)");
}

TEST_F(FachadaTest, TextoDoIdiomaAtual) {
  EXPECT_EQ(fachada.getTexto("geral", "nomeAplicacao"), "Tessara");
  EXPECT_EQ(fachada.getTexto("geral", "no such key"), "");
}

TEST(Nucleo, OLadoDaJanelaRegistradoServeAImpressao) {
  teste::NucleoTeste ambiente;
  teste::FachadaGUIGravada gui(ambiente.interacao);
  ambiente.nucleo.definirFachadaGUI(&gui);
  EXPECT_TRUE(ambiente.nucleo.gui().tamanhoPaginaImpressora());
  // Managers built before the window registers reach it, and reach none once it is gone.
  ambiente.nucleo.definirFachadaGUI(nullptr);
  EXPECT_FALSE(ambiente.nucleo.gui().tamanhoPaginaImpressora());
  EXPECT_EQ(ambiente.nucleo.gui().criarImagens(10, 10), nullptr);
  ambiente.nucleo.definirFachadaGUI(&gui);
  EXPECT_TRUE(ambiente.nucleo.gui().tamanhoPaginaImpressora());
}

TEST(Nucleo, MensagensVaoAoLadoRegistradoQuandoPerguntadas) {
  teste::NucleoTeste ambiente;
  Interacao& interacao = ambiente.nucleo.interacao();
  interacao.mostrarMensagem("first", "");
  ambiente.nucleo.definirInteracao(nullptr);
  interacao.mostrarMensagem("to the terminal", "");
  ambiente.nucleo.definirInteracao(&ambiente.interacao);
  interacao.mostrarMensagem("second", "");
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 2u);
  EXPECT_EQ(ambiente.interacao.mensagens[1].texto, "second");
}

TEST(Nucleo, CadaGerenciadorEConstruidoUmaVez) {
  teste::NucleoTeste ambiente;
  EXPECT_EQ(&ambiente.nucleo.instrumentos(), &ambiente.nucleo.instrumentos());
  EXPECT_EQ(&ambiente.nucleo.fachada(), &ambiente.nucleo.fachada());
  EXPECT_EQ(&ambiente.nucleo.escalas(), &ambiente.nucleo.escalas());
}

}  // namespace
}  // namespace tessara
