#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "../instruments/IdiomaTeste.h"
#include "PastaTemporaria.h"
#include "chords/BaseAcordesViolao.h"
#include "chords/Especialista.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/OutOfBoundsException.h"
#include "generation/Fingering.h"
#include "generation/GerenciadorAcordes.h"
#include "generation/Tocabilidade.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
using Vetor = std::vector<int>;

const InstrumentoCordas kViolao("Violao", "", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, true);
const InstrumentoCordas kCavaquinho("Cavaquinho", "", 4, 12, 4, 24, {50, 55, 59, 64}, false);
const InstrumentoCordas kBandolim("Bandolim", "", 4, 12, 4, 24, {55, 62, 69, 76}, false);
const InstrumentoCordas kUkulele("Ukulele", "", 4, 12, 4, 24, {67, 60, 64, 69}, false);

AcordeComposto acorde(const std::string& nome, const std::vector<Posicao>& posicoes) {
  AcordeComposto a(nome, {});
  for (const auto& p : posicoes) a.getPosicoes().addElement(&p);
  return a;
}

Vetor casas(const PosicaoHarmonica* p) { return dynamic_cast<const Posicao&>(*p).getCasas(); }

class GerenciadorAcordesTest : public ::testing::Test {
 protected:
  GerenciadorAcordesTest() {
    // Two stored fingerings of C (one with a silent string, written with finger 6), one of
    // Am, Cmaj7 as the base writes it, and a name no grammar reads.
    const auto c = acorde("C", {Posicao({-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}),
                                Posicao({8, 10, 10, 9, 8, 8}, {1, 3, 4, 2, 1, 1})});
    const auto am = acorde("Am", {Posicao({-1, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0})});
    const auto maj7 = acorde("Cmaj7", {Posicao({-1, 3, 2, 0, 0, 0}, {0, 3, 2, 0, 0, 0})});
    const auto h7 = acorde("H7", {Posicao({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0})});
    BaseAcordesViolao::gravar(pasta / "acordes-pt.bin", {&c, &am, &maj7, &h7});
  }

  std::unique_ptr<GerenciadorAcordes> criar() {
    return std::make_unique<GerenciadorAcordes>(
        GerenciadorAcordes::Colaboradores{
            idioma.idiomas, especialista, gerador, [this] { return atual; }, interacao,
            std::make_unique<BaseAcordesViolao>(idioma.idiomas, interacao)},
        pasta.caminho());
  }

  GerenciadorAcordes& gerenciador() {
    if (!gerenciador_) gerenciador_ = criar();
    return *gerenciador_;
  }

  int indiceDe(const std::string& nome) {
    const auto& nomes = gerenciador().getNomesAcordes();
    return static_cast<int>(std::find(nomes.begin(), nomes.end(), nome) - nomes.begin());
  }

  // Browses to the last fingering and gives every fingering seen.
  std::vector<Vetor> folhear() {
    std::vector<Vetor> vistas = {casas(gerenciador().getPosicaoAcordeAtual())};
    for (int anterior = -1; anterior != gerenciador().getIndicePosicaoAtual();) {
      anterior = gerenciador().getIndicePosicaoAtual();
      gerenciador().proximaPosicao();
      if (gerenciador().getIndicePosicaoAtual() != anterior) {
        vistas.push_back(casas(gerenciador().getPosicaoAcordeAtual()));
      }
    }
    return vistas;
  }

  teste::IdiomaTeste idioma{"pt"};
  Especialista especialista{idioma.idiomas};
  teste::InteracaoGravada interacao;
  teste::PastaTemporaria pasta;
  const InstrumentoCordas* atual = &kViolao;
  int geracoes = 0;
  bool falhar = false;
  bool semMemoria = false;
  GeradorInstrumentoCordas gerador{[this]() -> const InstrumentoCordas* {
                                     ++geracoes;
                                     if (falhar) throw DException("sem instrumento");
                                     if (semMemoria) throw std::bad_alloc();
                                     return atual;
                                   },
                                   especialista};
  std::unique_ptr<GerenciadorAcordes> gerenciador_;
};

TEST_F(GerenciadorAcordesTest, Construcao) {
  auto& g = gerenciador();
  // H7 cannot be read: it is left out with its chord.
  EXPECT_EQ(g.getNomesAcordes(), (std::vector<std::string>{"Am", "C", "Cmaj7"}));
  EXPECT_EQ(g.getNumeroAcordes(), 3);
  EXPECT_EQ(g.getIndiceAcordeAtual(), -1);
  g.proximaPosicao();
  EXPECT_EQ(g.getIndicePosicaoAtual(), -1);
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_EQ(geracoes, 0);
}

// A base mostly of names the language does not read: they all leave, and every chord left
// keeps its own fingerings.
TEST_F(GerenciadorAcordesTest, NomesIlegiveisSaemTodosDeUmaVez) {
  std::vector<AcordeComposto> acordes;
  const Posicao solta({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0});
  for (int i = 0; i < 20000; ++i) {
    if (i == 7000)
      acordes.push_back(acorde("C", {Posicao({-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0})}));
    if (i == 15000)
      acordes.push_back(acorde("G7", {Posicao({3, 2, 0, 0, 0, 1}, {3, 2, 0, 0, 0, 1})}));
    acordes.push_back(acorde("H" + std::to_string(i), {solta}));
  }
  std::vector<const AcordeComposto*> ponteiros;
  for (const auto& a : acordes) ponteiros.push_back(&a);
  BaseAcordesViolao::gravar(pasta / "acordes-pt.bin", ponteiros);

  auto& g = gerenciador();
  ASSERT_EQ(g.getNomesAcordes(), (std::vector<std::string>{"C", "G7"}));
  g.setAcorde(1);
  EXPECT_EQ(casas(g.getPosicaoAcordeAtual()), (Vetor{3, 2, 0, 0, 0, 1}));
  g.setAcorde(0);
  EXPECT_EQ(casas(g.getPosicaoAcordeAtual()), (Vetor{-1, 3, 2, 0, 1, 0}));
}

TEST_F(GerenciadorAcordesTest, BaseAusente) {
  std::filesystem::remove(pasta / "acordes-pt.bin");
  auto& g = gerenciador();
  EXPECT_EQ(g.getNumeroAcordes(), 0);
  ASSERT_EQ(interacao.mensagens.size(), 1u);
  EXPECT_EQ(interacao.mensagens[0].texto, idioma.texto("exception", "baseAcordesNaoEncontrada"));
  EXPECT_EQ(interacao.mensagens[0].titulo, "");
  EXPECT_TRUE(interacao.encerramento);
}

TEST_F(GerenciadorAcordesTest, IndicesRecusados) {
  auto& g = gerenciador();
  try {
    g.setAcorde(3);
    FAIL() << "no exception";
  } catch (const OutOfBoundsException& e) {
    EXPECT_EQ(e.getMensagem(), idioma.texto("exception", "indiceInvalido"));
    EXPECT_EQ(e.getIndice(), 3);
    EXPECT_EQ(e.getRastro(), std::vector<std::string>{"GerenciadorAcordes::setAcorde(int)"});
  }
  g.setAcorde(-1);
  EXPECT_EQ(g.getIndiceAcordeAtual(), -1);
  g.setAcorde(0, 0);
  EXPECT_THROW(g.setAcorde(2, 1000), OutOfBoundsException);
  EXPECT_EQ(g.getIndiceAcordeAtual(), 2);  // the chord index stays
  EXPECT_THROW(g.setAcorde(-1, 0), OutOfBoundsException);
}

TEST_F(GerenciadorAcordesTest, ViolaoMostraAsGuardadasEDepoisAsGeradasUmaVez) {
  auto& g = gerenciador();
  ASSERT_TRUE(g.setAcordePorNome("c"));
  EXPECT_EQ(g.getNomeAcordeAtual(), "C");
  EXPECT_EQ(g.getAcordeAtual()->getPosicoes().size(), 2);
  const auto vistas = folhear();
  ASSERT_GT(vistas.size(), 2u);
  EXPECT_EQ(vistas[0], (Vetor{-1, 3, 2, 0, 1, 0}));
  EXPECT_EQ(vistas[1], (Vetor{8, 10, 10, 9, 8, 8}));
  EXPECT_EQ(geracoes, 1);
  // The generator also finds x32010 (with finger 0 on the silent string); it is not shown again.
  EXPECT_EQ(std::count(vistas.begin(), vistas.end(), Vetor{-1, 3, 2, 0, 1, 0}), 1);
  EXPECT_EQ(std::count(vistas.begin(), vistas.end(), Vetor{8, 10, 10, 9, 8, 8}), 1);
  const int ultima = g.getIndicePosicaoAtual();
  g.proximaPosicao();
  EXPECT_EQ(g.getIndicePosicaoAtual(), ultima);
  EXPECT_EQ(geracoes, 1);
  g.posicaoAnterior();
  EXPECT_EQ(g.getIndicePosicaoAtual(), ultima - 1);
}

TEST_F(GerenciadorAcordesTest, OutroInstrumentoGeraOrdenadoPeloCustoDeTocar) {
  atual = &kCavaquinho;
  auto& g = gerenciador();
  ASSERT_TRUE(g.setAcordePorNome("Am"));
  const int depoisDoNome = geracoes;
  const auto vistas = folhear();
  ASSERT_GT(vistas.size(), 1u);
  const TonsAcorde am = GeradorInstrumentoCordas::decodificar(especialista.interpretar("Am"));
  int anterior = -1000;
  for (const auto& v : vistas) {
    const Fingering dedos(v, kCavaquinho.getNumeroCasas());
    const int custo = Tocabilidade::custo(v, dedos.getArranjos().front(), kCavaquinho, am);
    EXPECT_GE(custo, anterior);
    anterior = custo;
    EXPECT_EQ(v.size(), 4u);
  }
  // Browsing the same chord on the same instrument generates nothing more.
  EXPECT_EQ(geracoes, depoisDoNome);
  g.getPosicaoAcordeAtual();
  EXPECT_EQ(geracoes, depoisDoNome);

  // Another instrument: generated again, from the first fingering.
  atual = &kBandolim;
  EXPECT_EQ(g.getPosicaoAcordeAtual()->getCasas().size(), 4u);
  EXPECT_EQ(geracoes, depoisDoNome + 1);
  EXPECT_EQ(g.getIndicePosicaoAtual(), 0);
}

// The high G has no bass string under it: the shapes every player learns start on any chord
// tone, and a shape is named by its simplest reading, without a bass.
TEST_F(GerenciadorAcordesTest, AfinacaoReentranteSemCordaDeBaixo) {
  atual = &kUkulele;
  auto& g = gerenciador();
  const std::pair<const char*, Vetor> formas[] = {
      {"C", {0, 0, 0, 3}},  {"F", {2, 0, 1, 0}},  {"G", {0, 2, 3, 2}},
      {"Am", {2, 0, 0, 0}}, {"A7", {0, 1, 0, 0}},
  };
  for (const auto& [nome, casasForma] : formas) {
    ASSERT_TRUE(g.setAcordePorNome(nome)) << nome;
    const auto vistas = folhear();
    const auto primeiras = std::vector<Vetor>(
        vistas.begin(), vistas.begin() + std::min<std::ptrdiff_t>(5, std::ssize(vistas)));
    EXPECT_NE(std::find(primeiras.begin(), primeiras.end(), casasForma), primeiras.end()) << nome;
    EXPECT_EQ(g.nomearCasas(casasForma), nome);
  }
}

TEST_F(GerenciadorAcordesTest, NomeRecusadoNaoMudaNada) {
  auto& g = gerenciador();
  g.setAcorde(1);
  g.proximaPosicao();
  EXPECT_FALSE(g.setAcordePorNome("H"));
  EXPECT_FALSE(g.setAcordePorNome("Cxyz"));
  EXPECT_EQ(g.getIndiceAcordeAtual(), 1);
  EXPECT_EQ(g.getIndicePosicaoAtual(), 1);
  EXPECT_EQ(g.getNumeroAcordes(), 3);
}

TEST_F(GerenciadorAcordesTest, OutraGrafiaDeUmAcordeDaBase) {
  auto& g = gerenciador();
  ASSERT_TRUE(g.setAcordePorNome("C7M"));
  EXPECT_EQ(g.getNomeAcordeAtual(), "Cmaj7");
  EXPECT_EQ(g.getNumeroAcordes(), 3);
}

TEST_F(GerenciadorAcordesTest, AcordeNovoEntraNaBase) {
  for (const InstrumentoCordas* instrumento : {&kViolao, &kCavaquinho}) {
    atual = instrumento;
    gerenciador_.reset();
    auto& g = gerenciador();
    ASSERT_TRUE(g.setAcordePorNome("g7(9)"));
    EXPECT_EQ(g.getNumeroAcordes(), 4);
    EXPECT_EQ(g.getNomesAcordes().back(), "G7(9)");  // the canonical name
    EXPECT_EQ(g.getIndiceAcordeAtual(), 3);
    EXPECT_EQ(g.getNomeAcordeAtual(), "G7(9)");
    EXPECT_EQ(g.getRaizAcordeAtual(), 7);
    EXPECT_FALSE(g.usaBemolAcordeAtual());
    EXPECT_GT(g.getAcordeAtual()->getPosicoes().size(), 0);
    EXPECT_EQ(g.getPosicaoAcordeAtual()->getNome(), "G7(9)");
  }
}

TEST_F(GerenciadorAcordesTest, FalhaDaGeracaoDesfazOAcordeNovo) {
  for (const InstrumentoCordas* instrumento : {&kViolao, &kCavaquinho}) {
    atual = instrumento;
    falhar = false;
    gerenciador_.reset();
    auto& g = gerenciador();
    ASSERT_TRUE(g.setAcordePorNome("Am"));
    g.proximaPosicao();
    const int posicao = g.getIndicePosicaoAtual();
    falhar = true;
    EXPECT_FALSE(g.setAcordePorNome("Bb7(9)"));
    EXPECT_EQ(g.getNumeroAcordes(), 3);
    EXPECT_EQ(g.getNomesAcordes(), (std::vector<std::string>{"Am", "C", "Cmaj7"}));
    EXPECT_EQ(g.getIndiceAcordeAtual(), 0);
    EXPECT_EQ(g.getIndicePosicaoAtual(), posicao);
    // Names and chords still match index for index.
    falhar = false;
    ASSERT_TRUE(g.setAcordePorNome("Bb7(9)"));
    EXPECT_EQ(g.getNomesAcordes().back(), "Bb7(9)");
    EXPECT_EQ(g.getNomeAcordeAtual(), "Bb7(9)");
  }
  // With no chord shown before, none is shown after.
  falhar = true;
  gerenciador_.reset();
  EXPECT_FALSE(gerenciador().setAcordePorNome("Bb7(9)"));
  EXPECT_EQ(gerenciador().getIndiceAcordeAtual(), -1);
}

// Only what the chord code expects is a refused name: any other failure goes up as itself, and
// the chord list stays as it was.
TEST_F(GerenciadorAcordesTest, FalhaInesperadaSobeComoEh) {
  auto& g = gerenciador();
  ASSERT_TRUE(g.setAcordePorNome("Am"));
  semMemoria = true;
  EXPECT_THROW(g.setAcordePorNome("Bb7(9)"), std::bad_alloc);
  semMemoria = false;
  EXPECT_EQ(g.getNomesAcordes(), (std::vector<std::string>{"Am", "C", "Cmaj7"}));
  EXPECT_EQ(g.getNomeAcordeAtual(), "Am");
  ASSERT_TRUE(g.setAcordePorNome("Bb7(9)"));
  EXPECT_EQ(g.getNomesAcordes().back(), "Bb7(9)");
}

TEST_F(GerenciadorAcordesTest, AcordeSemPosicaoTemUmaVazia) {
  atual = &kCavaquinho;
  auto& g = gerenciador();
  ASSERT_TRUE(g.setAcordePorNome("C7(b9/#11/13)"));
  const auto* vazia = g.getPosicaoAcordeAtual();
  EXPECT_EQ(vazia->getCasas(), Vetor(4, -1));
  EXPECT_EQ(vazia->getDedos(), Vetor(4, 0));
  EXPECT_EQ(g.getAcordeAtual()->getPosicoes().size(), 1);
}

TEST_F(GerenciadorAcordesTest, NomearAcordeUsaONomeGuardado) {
  auto& g = gerenciador();
  EXPECT_EQ(g.nomearAcorde(Vetor{-1, 48, 52, 55, 59, 64}, 48), "Cmaj7");
  EXPECT_EQ(g.nomearAcorde(Vetor{-1, 45, 52, 57, 60, 64}, 45), "Am");
  EXPECT_EQ(g.nomearAcorde(Vetor{43, 47, 50, 55, 59, 65}, 43), "G7");
  EXPECT_EQ(g.nomearAcorde(Vetor{-1, 45, 52, 57, 60, 64}, -1), "");
  // Fewer than three pitch classes: the note, an interval, the power chord.
  EXPECT_EQ(g.nomearAcorde(Vetor{-1, -1, 50, -1, -1, 62}, 50), "D");
  EXPECT_EQ(g.nomearAcorde(Vetor{-1, 45, -1, -1, 60, -1}, 45), "A-C (3m)");  // Portuguese
  EXPECT_EQ(g.nomearAcorde(Vetor{40, 47, 52, -1, -1, -1}, 40), "E5");
}

TEST_F(GerenciadorAcordesTest, PosicaoDaListaDeImpressaoEmQualquerInstrumento) {
  for (const InstrumentoCordas* instrumento : {&kViolao, &kCavaquinho}) {
    atual = instrumento;
    gerenciador_.reset();
    auto& g = gerenciador();
    ASSERT_TRUE(g.setAcordePorNome("C"));
    g.proximaPosicao();
    g.proximaPosicao();
    const Posicao escolhida = *g.getPosicaoAcordeAtual();
    const int indice = g.getIndicePosicaoAtual();

    // What the main window does to show it again.
    ASSERT_TRUE(g.setAcordePorNome("C"));
    EXPECT_TRUE(g.existePosicao(&escolhida));
    EXPECT_TRUE(g.encontrarPosicao(&escolhida));
    EXPECT_EQ(g.getIndicePosicaoAtual(), indice);

    const Vetor soltas(instrumento->getNumeroCordas(), 0);
    const Posicao propria(soltas, soltas);
    EXPECT_FALSE(g.existePosicao(&propria));
    g.adicionarPosicao(&propria);
    EXPECT_TRUE(g.encontrarPosicao(&propria));
    EXPECT_EQ(casas(g.getPosicaoAcordeAtual()), soltas);

    try {
      g.encontrarPosicao(nullptr);
      FAIL() << "no exception";
    } catch (const IllegalArgumentException& e) {
      EXPECT_EQ(e.getMensagem(), TXT("pos é NULL"));
      EXPECT_EQ(e.getArgumento(), "NULL");
    }
    EXPECT_THROW(g.existePosicao(nullptr), IllegalArgumentException);
    EXPECT_THROW(g.adicionarPosicao(nullptr), IllegalArgumentException);
  }
}

TEST_F(GerenciadorAcordesTest, LimparEAcessosSemAcorde) {
  auto& g = gerenciador();
  g.setAcorde(1);
  g.limpar();
  EXPECT_EQ(g.getIndiceAcordeAtual(), -1);
  EXPECT_EQ(g.getIndicePosicaoAtual(), -1);
  EXPECT_THROW(g.getRaizAcordeAtual(), OutOfBoundsException);
  EXPECT_THROW(g.getNomeAcordeAtual(), OutOfBoundsException);
}

}  // namespace
}  // namespace tessara

namespace tessara {
namespace {

// With a capo the chord base's shapes (made for the open strings) give way to fingerings
// generated on the shortened guitar, best first, named by their sound and their shape; a new
// voicing or capo starts the chord again from its first fingering, and back at the root with
// no capo the stored shapes return.
TEST_F(GerenciadorAcordesTest, CapoEDisposicaoGeramDeNovo) {
  auto& g = gerenciador();
  g.definirCapo(2);
  ASSERT_TRUE(g.setAcordePorNome("D"));
  EXPECT_EQ(casas(g.getPosicaoAcordeAtual()), (Vetor{-1, 3, 2, 0, 1, 0}));
  EXPECT_EQ(g.getPosicaoAcordeAtual()->getNome(), "D");
  EXPECT_EQ(g.nomearForma({-1, 3, 2, 0, 1, 0}), "C");
  EXPECT_EQ(g.nomearCasas({-1, 3, 2, 0, 1, 0}), "D");
  EXPECT_EQ(g.rotulosPosicao(*g.getPosicaoAcordeAtual()).notas,
            (std::vector<std::string>{"", "D", "F#", "A", "D", "F#"}));

  g.proximaPosicao();
  g.definirDisposicao(Disposicao::INVERSOES);
  EXPECT_EQ(g.getIndicePosicaoAtual(), 0);
  EXPECT_NE(casas(g.getPosicaoAcordeAtual()), (Vetor{-1, 3, 2, 0, 1, 0}));
  const auto& inversoes = g.getAcordeAtual()->getPosicoes();
  ASSERT_GT(inversoes.size(), 0);
  std::set<std::string> nomes;
  for (int i = 0; i < inversoes.size(); ++i) nomes.insert(inversoes.getElement(i)->getNome());
  EXPECT_EQ(nomes, (std::set<std::string>{"D/F#", "D/A"}));

  g.definirDisposicao(Disposicao::RAIZ);
  g.definirCapo(0);
  ASSERT_TRUE(g.setAcordePorNome("C"));
  EXPECT_EQ(casas(g.getPosicaoAcordeAtual()), (Vetor{-1, 3, 2, 0, 1, 0}));
  EXPECT_EQ(g.getAcordeAtual()->getPosicoes().size(), 2);  // the stored ones, nothing generated
}

}  // namespace
}  // namespace tessara
