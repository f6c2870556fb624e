#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "NucleoTeste.h"
#include "app/Fachada.h"
#include "instruments/InstrumentoCordas.h"
#include "instruments/XMLInstrumentoParser.h"
#include "model/Pestana.h"
#include "telas/Braco.h"

namespace tessara {
namespace {

using Nomes = std::vector<std::string>;
using Casas = std::vector<int>;

// The fretboard over the root's objects: the English language, the shipped English chord base,
// a user instrument base with a ukulele, a hand-edited guitar of 20 frets and a banjo, the guitar
// current, the front view with string 0 at the top.
class BracoTest : public ::testing::Test {
 protected:
  BracoTest() {
    std::filesystem::copy_file(std::filesystem::path(TESSARA_BIN_DIR) / "chords-en.bin",
                               ambiente.programa() / "chords-en.bin");
    ambiente.nucleo.parserInstrumentos().salvar(
        ambiente.usuario() / "instrumentos.xml",
        {InstrumentoCordas("Ukulele", "", 4, 12, 4, 24, {67, 60, 64, 69}, false),
         InstrumentoCordas("Long", "", 6, 20, 4, 24, {40, 45, 50, 55, 59, 64}, false),
         InstrumentoCordas("Banjo", "", 5, 12, 4, 24, {67, 50, 55, 59, 62}, false)});
    fachada.setInstrumento(0);
  }

  int x(int casa) const { return braco.getGeometria().getXCasas()[static_cast<size_t>(casa)]; }
  int y(int corda) const { return braco.getGeometria().getYCordas()[static_cast<size_t>(corda)]; }
  const Braco::MarcadoresCorda& corda(int i) const {
    return braco.getCordas()[static_cast<size_t>(i)];
  }
  // The visible labels of the six strings ("-" for none).
  Nomes rotulos() const {
    Nomes textos;
    for (const auto& c : braco.getCordas()) {
      std::string texto = "-";
      for (const MarcadorBraco* m : {&c.dedo, &c.nota, &c.intervalo}) {
        if (m->visivel) texto = m->texto;
      }
      textos.push_back(texto);
    }
    return textos;
  }
  void mostrarC() {
    ASSERT_TRUE(fachada.setAcordePorNome("C"));
    braco.exibirAcordeAtual();
  }

  teste::NucleoTeste ambiente;
  Fachada& fachada = ambiente.nucleo.fachada();
  Braco braco{fachada, 0};
};

TEST_F(BracoTest, AcordeDaBaseComDedosRaizVermelhaECadaModoDeRotulo) {
  mostrarC();
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{-1, 3, 2, 0, 1, 0}));
  EXPECT_FALSE(corda(0).ponto.visivel);
  for (int i = 1; i < 6; ++i) {
    const int casa = braco.getPosicao().getCasas()[static_cast<size_t>(i)];
    EXPECT_TRUE(corda(i).ponto.visivel);
    EXPECT_EQ(corda(i).ponto.x, x(casa));
    EXPECT_EQ(corda(i).ponto.y, y(i));
    EXPECT_EQ(corda(i).ponto.tonica, i == 1) << i;  // the C on the A string
  }
  EXPECT_EQ(rotulos(), (Nomes{"-", "3", "2", "0", "1", "0"}));
  braco.setModoVisualizacao(ModoRotulo::NOTAS);
  braco.posicionarMarcadores();
  EXPECT_EQ(rotulos(), (Nomes{"-", "C", "E", "G", "C", "E"}));
  braco.setModoVisualizacao(ModoRotulo::INTERVALOS);
  braco.posicionarMarcadores();
  // In English words; a seventh chord shows its b7.
  EXPECT_EQ(rotulos(), (Nomes{"-", "R", "3", "5", "R", "3"}));
  ASSERT_TRUE(fachada.setAcordePorNome("C7"));
  braco.exibirAcordeAtual();
  EXPECT_EQ(rotulos(), (Nomes{"-", "R", "3", "b7", "R", "3"}));
}

TEST_F(BracoTest, NotasComBemoisQuandoOAcordeSeEscreveAssim) {
  ASSERT_TRUE(fachada.setAcordePorNome("Bb"));
  braco.setModoVisualizacao(ModoRotulo::NOTAS);
  braco.exibirAcordeAtual();
  const Nomes textos = rotulos();
  EXPECT_NE(std::find(textos.begin(), textos.end(), "Bb"), textos.end());
  EXPECT_EQ(std::find(textos.begin(), textos.end(), "A#"), textos.end());
}

// Each chord tone takes its letter from the root: C7 shows Bb, F# shows A# and C#.
TEST_F(BracoTest, NotasEscritasPeloAcorde) {
  const std::pair<const char*, std::vector<std::string>> casos[] = {
      {"C7", {"Bb"}}, {"F#", {"A#", "C#"}}, {"Gb", {"Bb", "Db"}}};
  braco.setModoVisualizacao(ModoRotulo::NOTAS);
  for (const auto& [nome, esperadas] : casos) {
    ASSERT_TRUE(fachada.setAcordePorNome(nome));
    braco.exibirAcordeAtual();
    const Nomes textos = rotulos();
    for (const auto& nota : esperadas) {
      EXPECT_NE(std::find(textos.begin(), textos.end(), nota), textos.end()) << nome << nota;
    }
    for (const char* errada : {"A#", "Gb", "Db"}) {
      if (std::string(nome) != "Gb" && std::string(nome) != "F#") {
        EXPECT_EQ(std::find(textos.begin(), textos.end(), errada), textos.end()) << nome;
      }
    }
  }
}

TEST_F(BracoTest, CliquesEditamRenomeiamEMovemARaiz) {
  mostrarC();
  EXPECT_FALSE(braco.alternarNota(x(3) + 17, y(0)));  // between fret windows
  EXPECT_FALSE(braco.alternarNota(x(3), y(0) + 12));  // between strings
  EXPECT_TRUE(braco.alternarNota(x(3), y(1)));        // already there: nothing changes
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{-1, 3, 2, 0, 1, 0}));

  // A G in the bass: the root goes to the lowest sounding string, the name follows the notes,
  // and the new note gets a finger.
  ASSERT_TRUE(braco.alternarNota(x(3), y(0)));
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{3, 3, 2, 0, 1, 0}));
  EXPECT_EQ(braco.getPosicao().getCordaTonica(), 0);
  EXPECT_EQ(braco.getPosicao().getNome(), fachada.nomearAcorde(braco.getNotas(), 43));
  EXPECT_TRUE(corda(0).ponto.tonica && corda(0).ponto.visivel);
  EXPECT_NE(braco.getPosicao().getDedos()[0], 0);

  // The C chosen as root stays for the next edit on its string, not for the one after.
  ASSERT_TRUE(braco.definirTonicaEm(x(3), y(1)));
  EXPECT_EQ(braco.notaTonica(), 48);
  EXPECT_FALSE(braco.definirTonicaEm(x(5), y(1)));  // no note there

  // Deleting the root's string moves the root to the lowest string still fretted.
  ASSERT_TRUE(braco.apagarNotaEm(x(3), y(1)));
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{3, -1, 2, 0, 1, 0}));
  EXPECT_EQ(braco.getPosicao().getDedos()[1], PosicaoHarmonicaInstrumentoCordas::DEDO_ABAFADO);
  EXPECT_EQ(braco.getPosicao().getCordaTonica(), 0);
  EXPECT_FALSE(corda(1).ponto.visivel);
  EXPECT_FALSE(braco.apagarNotaEm(x(3), y(1)));
}

// With a capo the shape counted from it is drawn that many frets up, its open strings on the
// capo's bar, its labels and notes at pitch; a click is taken from the capo, and one behind
// it hits nothing.
TEST_F(BracoTest, CapoDesenhaAFormaAcimaDeleEOuveNaAltura) {
  fachada.setCapo(2);
  ASSERT_TRUE(fachada.setAcordePorNome("D"));
  braco.exibirAcordeAtual();
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{-1, 3, 2, 0, 1, 0}));
  ASSERT_TRUE(braco.getBarraCapo().visivel);
  EXPECT_EQ(braco.getBarraCapo().x, x(2));
  const struct { int corda, casaReal; } pontos[] = {{1, 5}, {2, 4}, {3, 2}, {4, 3}, {5, 2}};
  for (const auto& p : pontos) {
    EXPECT_TRUE(corda(p.corda).ponto.visivel) << p.corda;
    EXPECT_EQ(corda(p.corda).ponto.x, x(p.casaReal)) << p.corda;
  }
  EXPECT_EQ(braco.getNotas(), (Casas{-1, 50, 54, 57, 62, 66}));
  braco.setModoVisualizacao(ModoRotulo::NOTAS);
  braco.posicionarMarcadores();
  EXPECT_EQ(rotulos(), (Nomes{"-", "D", "F#", "A", "D", "F#"}));

  EXPECT_FALSE(braco.alternarNota(x(1), y(0)));  // behind the capo
  ASSERT_TRUE(braco.alternarNota(x(2), y(0)));   // on the capo: the open string, F#
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{0, 3, 2, 0, 1, 0}));
  EXPECT_EQ(braco.getNotas()[0], 42);

  fachada.setCapo(0);
  braco.posicionarMarcadores();
  EXPECT_FALSE(braco.getBarraCapo().visivel);
}

TEST_F(BracoTest, ApagarAUltimaNotaDeixaSemRaiz) {
  braco.esvaziar();
  ASSERT_TRUE(braco.alternarNota(x(2), y(3)));
  EXPECT_EQ(braco.getPosicao().getCordaTonica(), 3);
  ASSERT_TRUE(braco.apagarNotaEm(x(2), y(3)));
  EXPECT_EQ(braco.getPosicao().getCordaTonica(), -1);
  EXPECT_EQ(braco.notaTonica(), -1);
  EXPECT_FALSE(braco.temNota());
}

TEST_F(BracoTest, LimparERestaurarTrazemNomeERaizSemCordasSoando) {
  mostrarC();
  braco.esconderMarcadores();
  braco.limpar();
  EXPECT_FALSE(braco.temNota());
  braco.restaurarPosicao();
  EXPECT_EQ(braco.getPosicao().getNome(), "C");
  EXPECT_EQ(braco.getPosicao().getCordaTonica(), 1);
  EXPECT_FALSE(braco.temNota());
  for (const auto& c : braco.getCordas()) EXPECT_FALSE(c.ponto.visivel);
}

TEST_F(BracoTest, OrientacaoMudaSoOLugarEMantemODedilhadoMostrado) {
  mostrarC();
  fachada.proximaPosicao();
  braco.exibirAcordeAtual();
  const Casas segunda = braco.getPosicao().getCasas();
  braco.aplicarPosicaoBraco(2);
  EXPECT_EQ(braco.getPosicao().getCasas(), segunda);  // not the chord's first fingering again
  EXPECT_EQ(x(0), 13);                                // the open string, moved in from the edge
  EXPECT_EQ(y(0), 221);
  EXPECT_EQ(corda(0).maoPonto.x, GeometriaBraco::X_MAO_JOGADOR);
  EXPECT_EQ(corda(5).ponto.y, 101);
  braco.aplicarPosicaoBraco(9);  // no such orientation
  EXPECT_EQ(braco.getPosicaoBraco(), 0);
}

TEST_F(BracoTest, TrocaDeInstrumentoNuncaLeAlemDoDedilhadoOuDaTabela) {
  mostrarC();
  fachada.setInstrumento(2);  // the ukulele
  braco.atualizarInstrumento();
  EXPECT_EQ(braco.getPosicao().getCasas().size(), 4u);
  EXPECT_EQ(braco.getPosicao().getNome(), "C");  // fingered anew for four strings
  EXPECT_EQ(static_cast<int>(braco.getGeometria().getXCasas().size()), 13);
  EXPECT_EQ(braco.cordaEm(y(4)), -1);

  fachada.setInstrumento(3);  // 20 frets: positions past the picture's table are not there
  braco.atualizarInstrumento();
  braco.esvaziar();
  EXPECT_EQ(braco.casaEm(x(14)), 14);
  EXPECT_FALSE(braco.alternarNota(x(14) - 40, y(0)));
  EXPECT_TRUE(braco.alternarNota(x(14), y(0)));
}

// Muted strings take an x at the nut and a barre one bar under its dots, on every instrument
// and in every orientation, where the picture puts that string and that fret.
TEST_F(BracoTest, XNaPestanaDoBracoEPestanaSobAsBolinhas) {
  struct Caso {
    const char* descricao;
    int instrumento;
    Casas casas, dedos;
    std::vector<int> abafadas;
    std::vector<Pestana> pestanas;
  };
  const std::vector<Caso> casos = {
      {"guitar C", 0, {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}, {0}, {}},
      {"guitar F", 0, {1, 3, 3, 2, 1, 1}, {1, 3, 4, 2, 1, 1}, {}, {{1, 1, 0, 5}}},
      {"guitar Bm", 0, {-1, 2, 4, 4, 3, 2}, {6, 1, 3, 4, 2, 1}, {0}, {{1, 2, 1, 5}}},
      {"guitar D/F#", 0, {2, -1, 0, 2, 3, 2}, {1, 6, 0, 2, 4, 3}, {1}, {}},
      {"cavaquinho", 1, {-1, 2, 2, 2}, {6, 1, 1, 1}, {0}, {{1, 2, 1, 3}}},
      {"ukulele", 2, {0, 0, 0, 3}, {0, 0, 0, 3}, {}, {}},
      {"banjo", 4, {-1, 2, 2, 2, 0}, {6, 1, 1, 1, 0}, {0}, {{1, 2, 1, 3}}},
  };
  for (const auto& caso : casos) {
    fachada.setInstrumento(caso.instrumento);
    braco.atualizarInstrumento();
    for (int orientacao = 0; orientacao < GeometriaBraco::NUMERO_ORIENTACOES; ++orientacao) {
      SCOPED_TRACE(std::string(caso.descricao) + ", orientation " + std::to_string(orientacao));
      braco.aplicarPosicaoBraco(orientacao);
      const PosicaoHarmonicaInstrumentoCordas posicao(caso.casas, caso.dedos);
      braco.exibirPosicao(&posicao, 0, false);
      std::vector<int> abafadas;
      for (int i = 0; i < GeometriaBraco::SLOTS; ++i) {
        const auto& marca = corda(i).abafada;
        if (!marca.visivel) continue;
        abafadas.push_back(i);
        EXPECT_EQ(marca.texto, Braco::MARCA_ABAFADA);
        // At the open strings' place, inside the picture.
        EXPECT_LE(std::abs(marca.x - x(0)), Braco::MEIA_MARCA_ABAFADA);
        EXPECT_GE(marca.x - Braco::MEIA_MARCA_ABAFADA, 0);
        EXPECT_LE(marca.x + Braco::MEIA_MARCA_ABAFADA, GeometriaBraco::LARGURA);
        EXPECT_EQ(marca.y, y(i));
        // Clear of every dot at the nut (the open strings').
        for (const auto& outra : braco.getCordas()) {
          if (outra.ponto.visivel && outra.ponto.x == marca.x) {
            EXPECT_GE(std::abs(outra.ponto.y - marca.y), GeometriaBraco::ALTURA_MARCADOR);
          }
        }
      }
      EXPECT_EQ(abafadas, caso.abafadas);
      ASSERT_EQ(braco.getPestanas().size(), caso.pestanas.size());
      for (size_t k = 0; k < caso.pestanas.size(); ++k) {
        const auto& p = caso.pestanas[k];
        const auto& barra = braco.getPestanas()[k];
        EXPECT_EQ(barra.x, x(p.casa));
        EXPECT_EQ(barra.yTopo, std::min(y(p.primeiraCorda), y(p.ultimaCorda)));
        EXPECT_EQ(barra.yBase, std::max(y(p.primeiraCorda), y(p.ultimaCorda)));
      }
    }
  }
  // A fingering built from nothing is not a row of muted strings.
  braco.esvaziar();
  braco.posicionarMarcadores();
  for (const auto& c : braco.getCordas()) EXPECT_FALSE(c.abafada.visivel);
  EXPECT_TRUE(braco.getPestanas().empty());
}

TEST_F(BracoTest, SemDedilhadoAvisaNoIdiomaENadaMuda) {
  mostrarC();
  braco.exibirPosicao(nullptr, 0, false);
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
            "The selected chord could not be made on this instrument.");
  EXPECT_EQ(ambiente.interacao.mensagens[0].titulo, "Tessara");
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{-1, 3, 2, 0, 1, 0}));
}

TEST_F(BracoTest, AcordeTocadoDaCordaMaisGraveNoRelogio) {
  mostrarC();
  ambiente.nucleo.saida();
  ambiente.midi.clear();
  braco.tocarAcorde();
  Nomes agenda;
  for (const auto& r : ambiente.midi) {
    agenda.push_back(std::to_string(r.tempo.count() / 1000) + ": " + r.texto);
  }
  EXPECT_EQ(agenda, (Nomes{"0: 91 30 7F", "160: 91 34 7F", "320: 91 37 7F", "480: 91 3C 7F",
                           "640: 91 40 7F", "800: reiniciar"}));
}

// A display of three notes on the guitar: G on string 0 fret 3, a note without a fret, B on
// string 1 fret 2; right-hand fingers P, I, M.
EscalaExibicao exibicaoCurta() {
  return EscalaExibicao({3, -1, 2}, {0, 0, 1}, {2, 1, 1}, {0, 1, 2});
}

TEST_F(BracoTest, EscalaComMarcadoresDoModoEDestaqueDaMaoDireita) {
  mostrarC();
  braco.exibirEscala(exibicaoCurta());
  EXPECT_FALSE(braco.temNota());  // the chord put aside
  ASSERT_EQ(braco.getNumeroMarcadoresEscala(), 3);
  const auto& m = braco.getMarcadoresEscala();
  EXPECT_TRUE(m[0].ponto.visivel && m[0].dedo.visivel && !m[0].nota.visivel);
  EXPECT_EQ(m[0].ponto.x, x(3));
  EXPECT_EQ(m[0].dedo.texto, "2");
  EXPECT_FALSE(m[1].ponto.visivel);
  EXPECT_EQ(m[2].nota.texto, "B");
  EXPECT_EQ(m[2].ponto.y, y(1));

  braco.setModoVisualizacao(ModoRotulo::INTERVALOS);
  braco.posicionarMarcadoresEscala();
  EXPECT_TRUE(m[0].ponto.visivel);
  EXPECT_FALSE(m[0].dedo.visivel || m[0].nota.visivel);

  braco.destacarNotaEscala(2);
  EXPECT_TRUE(corda(1).maoRotulo.visivel && corda(1).maoPonto.visivel);
  EXPECT_EQ(corda(1).maoRotulo.texto, "M");
  EXPECT_TRUE(m[2].dedo.destaque);
  braco.apagarDestaqueNotaEscala(2);
  EXPECT_FALSE(corda(1).maoRotulo.visivel || m[2].dedo.destaque);

  // Played from the display on show: two notes, the one without a fret skipped.
  const auto eventos = braco.planoEscala().getEventos();
  ASSERT_EQ(eventos.size(), 8u);
  EXPECT_EQ(eventos[1].valor, 43);
  EXPECT_EQ(eventos[4].valor, 2);  // the third note is highlighted as note 2
  EXPECT_EQ(eventos[5].valor, 47);
}

TEST_F(BracoTest, EscalaMudaDeLugarComAOrientacao) {
  braco.exibirEscala(exibicaoCurta());
  braco.aplicarPosicaoBraco(2);
  braco.posicionarMarcadoresEscala();
  const auto& m = braco.getMarcadoresEscala();
  EXPECT_EQ(m[0].ponto.x, x(3));
  EXPECT_EQ(m[0].ponto.y, y(0));
  EXPECT_EQ(m[0].dedo.x, x(3));
}

// G minor pentatonic chosen as the main window chooses it.
class BracoEscalaTest : public BracoTest {
 protected:
  void escolherGMenorPentatonica() {
    fachada.setEscala("Minor pentatonic", "G");
    fachada.setIndiceExibicao(0);
    braco.exibirEscalaAtual();
    ASSERT_GT(fachada.getNumeroExibicoes(), 0);
  }
  int classeDe(const Braco::MarcadorEscala& m) const {
    return (fachada.getInstrumentoAtual()->getAfinacao()[static_cast<size_t>(m.corda)] + m.casa) %
           12;
  }
  std::vector<const Braco::MarcadorEscala*> visiveis() const {
    std::vector<const Braco::MarcadorEscala*> marcadores;
    for (int k = 0; k < braco.getNumeroMarcadoresEscala(); ++k) {
      const auto& m = braco.getMarcadoresEscala()[static_cast<size_t>(k)];
      if (m.ponto.visivel) marcadores.push_back(&m);
    }
    return marcadores;
  }
};

// Red dots are the key's G and only they, in every position, on every instrument, in every
// orientation, by position and on the whole neck.
TEST_F(BracoEscalaTest, TonicaVermelhaEmCadaPosicaoInstrumentoEOrientacao) {
  const int instrumentos = static_cast<int>(fachada.getNomesInstrumentos().size());
  ASSERT_GE(instrumentos, 4);
  for (int instrumento = 0; instrumento < instrumentos; ++instrumento) {
    fachada.setInstrumento(instrumento);
    braco.atualizarInstrumento();
    for (int orientacao = 0; orientacao < GeometriaBraco::NUMERO_ORIENTACOES; ++orientacao) {
      braco.aplicarPosicaoBraco(orientacao);
      escolherGMenorPentatonica();
      for (const bool inteiro : {false, true}) {
        braco.setBracoInteiro(inteiro);
        for (int i = 0; i < fachada.getNumeroExibicoes(); ++i) {
          fachada.setIndiceExibicao(i);
          braco.exibirEscalaAtual();
          const auto marcadores = visiveis();
          // A position past the picture's last fret (the 20-fret guitar) draws nothing.
          if (marcadores.empty()) continue;
          int tonicas = 0;
          for (const auto* m : marcadores) {
            EXPECT_EQ(m->ponto.tonica, classeDe(*m) == 7)
                << instrumento << "/" << orientacao << "/" << i << ": " << m->nota.texto;
            tonicas += m->ponto.tonica ? 1 : 0;
          }
          // Every whole position holds its key's root (one cut by the picture's end may not).
          if (inteiro ||
              static_cast<int>(marcadores.size()) == braco.getEscala()->getNumeroNotas()) {
            EXPECT_GT(tonicas, 0) << instrumento << "/" << orientacao << "/" << i;
          }
        }
      }
    }
  }
}

// The intervals view shows the scale's degrees in the language's words.
TEST_F(BracoEscalaTest, IntervalosDaEscala) {
  escolherGMenorPentatonica();
  braco.setModoVisualizacao(ModoRotulo::INTERVALOS);
  braco.posicionarMarcadoresEscala();
  const std::map<int, std::string> esperados = {
      {7, "R"}, {10, "b3"}, {0, "4"}, {2, "5"}, {5, "b7"}};
  for (const auto* m : visiveis()) {
    EXPECT_TRUE(m->intervalo.visivel && !m->dedo.visivel && !m->nota.visivel);
    EXPECT_EQ(m->intervalo.texto, esperados.at(classeDe(*m))) << m->nota.texto;
  }
  braco.setModoVisualizacao(ModoRotulo::NOTAS);
  braco.posicionarMarcadoresEscala();
  for (const auto* m : visiveis()) EXPECT_TRUE(m->nota.visivel && !m->intervalo.visivel);
}

// The whole neck holds every note of the key within the frets, once; the position's notes come
// first, with their fingers, inside the frame; back by position, only they remain.
TEST_F(BracoEscalaTest, BracoInteiroListaCadaNotaDoTomDentroDasCasas) {
  for (const int instrumento : {0, 2}) {  // the guitar and the 20-fret one
    fachada.setInstrumento(instrumento);
    braco.atualizarInstrumento();
    escolherGMenorPentatonica();
    fachada.setIndiceExibicao(2);
    braco.exibirEscalaAtual();
    const int daPosicao = braco.getNumeroNotasPosicao();
    const EscalaExibicao exibicao = *braco.getEscala();
    braco.setBracoInteiro(true);

    std::set<std::pair<int, int>> esperadas;
    const auto afinacao = fachada.getInstrumentoAtual()->getAfinacao();
    const int casas = std::min(fachada.getInstrumentoAtual()->getNumeroCasas() + 1,
                               static_cast<int>(braco.getGeometria().getXCasas().size()));
    for (int corda = 0; corda < static_cast<int>(afinacao.size()); ++corda) {
      for (int casa = 0; casa < casas; ++casa) {
        const int c = (afinacao[static_cast<size_t>(corda)] + casa) % 12;
        if (c == 7 || c == 10 || c == 0 || c == 2 || c == 5) esperadas.insert({corda, casa});
      }
    }
    std::set<std::pair<int, int>> vistas;
    for (const auto* m : visiveis()) {
      EXPECT_TRUE(vistas.insert({m->corda, m->casa}).second) << m->corda << "," << m->casa;
    }
    EXPECT_EQ(vistas, esperadas) << instrumento;

    const auto& quadro = braco.getQuadroPosicao();
    ASSERT_TRUE(quadro.visivel);
    ASSERT_EQ(braco.getNumeroNotasPosicao(), daPosicao);
    for (int k = 0; k < daPosicao; ++k) {
      const auto& m = braco.getMarcadoresEscala()[static_cast<size_t>(k)];
      EXPECT_EQ(m.casa, exibicao.getCasas()[static_cast<size_t>(k)]);
      EXPECT_EQ(m.dedo.texto, std::to_string(exibicao.getDedos()[static_cast<size_t>(k)]));
      EXPECT_GT(m.ponto.x, quadro.xEsquerda);
      EXPECT_LT(m.ponto.x, quadro.xDireita);
    }
    EXPECT_TRUE(braco.getMarcadoresEscala().back().dedo.texto.empty());

    braco.setBracoInteiro(false);
    EXPECT_EQ(static_cast<int>(visiveis().size()), daPosicao);
    EXPECT_FALSE(braco.getQuadroPosicao().visivel);
  }
}

TEST_F(BracoTest, EscalaImpossivelAvisaEMostraUmaExibicaoVazia) {
  fachada.setEscala("Major (Ionian)");
  braco.exibirEscalaAtual();  // no root chosen: it cannot be laid out
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
            fachada.getTexto("exception", "escalaImpossivel"));
  ASSERT_TRUE(braco.temEscala());
  EXPECT_EQ(braco.getEscala()->getNumeroNotas(), 0);
}

// Edits by clicks go back and forth one at a time, root choice included; a new edit drops
// what was undone, and another chord on show starts the history afresh.
TEST_F(BracoTest, DesfazERefazAsEdicoesPorCliques) {
  mostrarC();
  const Casas c{-1, 3, 2, 0, 1, 0};
  struct Passo {
    std::function<bool()> editar;
    Casas casas;
    int cordaTonica;
  };
  const Passo passos[] = {
      {[&] { return braco.alternarNota(x(3), y(0)); }, {3, 3, 2, 0, 1, 0}, 0},
      {[&] { return braco.definirTonicaEm(x(3), y(1)); }, {3, 3, 2, 0, 1, 0}, 1},
      {[&] { return braco.apagarNotaEm(x(0), y(3)); }, {3, 3, 2, -1, 1, 0}, 1},
  };
  for (const auto& p : passos) ASSERT_TRUE(p.editar());
  for (int i = 2; i >= 0; --i) {
    EXPECT_EQ(braco.getPosicao().getCasas(), passos[i].casas) << i;
    EXPECT_EQ(braco.getPosicao().getCordaTonica(), passos[i].cordaTonica) << i;
    ASSERT_TRUE(braco.desfazer());
  }
  EXPECT_EQ(braco.getPosicao().getCasas(), c);
  EXPECT_EQ(braco.getPosicao().getNome(), "C");
  EXPECT_FALSE(braco.desfazer());
  for (const auto& p : passos) {
    ASSERT_TRUE(braco.refazer());
    EXPECT_EQ(braco.getPosicao().getCasas(), p.casas);
    EXPECT_EQ(braco.getPosicao().getCordaTonica(), p.cordaTonica);
  }
  EXPECT_FALSE(braco.refazer());

  ASSERT_TRUE(braco.desfazer());
  ASSERT_TRUE(braco.apagarNotaEm(x(1), y(4)));  // a new edit: the undone one is gone
  EXPECT_FALSE(braco.refazer());

  mostrarC();
  EXPECT_FALSE(braco.desfazer());
}

}  // namespace
}  // namespace tessara
