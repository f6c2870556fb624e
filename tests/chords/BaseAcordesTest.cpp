#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "InteracaoGravada.h"
#include "PastaTemporaria.h"
#include "TextosTeste.h"
#include "chords/BaseAcordesViolao.h"
#include "foundations/Cp1252.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/OutOfBoundsException.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

using namespace std::string_literals;

using Posicao = PosicaoHarmonicaInstrumentoCordas;
using Vetor = std::vector<int>;

// One record: frets and fingers given as the file's packed bytes.
std::string registro(const std::string& nome, std::string casas, std::string dedos) {
  return std::string(2, '\x7F') + static_cast<char>(nome.size()) + nome + '\x3F' + casas + dedos;
}

// x32010 with fingers 6,3,2,0,1,0; 022100 with 0,2,3,1,0,0.
const std::string kDo = registro("C", "\x30\x02\x01"s, "\x1E\x02\x01"s);
const std::string kMi = registro("E", "\x20\x12\x00"s, "\x10\x0B\x00"s);

Vetor casas(const PosicaoHarmonica* p) { return dynamic_cast<const Posicao&>(*p).getCasas(); }
Vetor dedos(const PosicaoHarmonica* p) { return dynamic_cast<const Posicao&>(*p).getDedos(); }

class BaseAcordesTest : public ::testing::Test {
 protected:
  teste::TextosTeste textos{[](std::string_view secao, std::string_view chave) {
    return std::string(secao) + "." + std::string(chave);
  }};
  teste::InteracaoGravada interacao;
  BaseAcordesViolao base{textos, interacao};
  teste::PastaTemporaria pasta;
};

TEST_F(BaseAcordesTest, ArquivoVazio) {
  base.carregarBase(pasta.escrever("vazio.bin", ""));
  EXPECT_EQ(base.getNumeroAcordes(), 0);
  EXPECT_EQ(base.getQuantidade(), 0);
  EXPECT_TRUE(base.getNomes().empty());
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(BaseAcordesTest, RegistrosDoMesmoNomeSaoUmAcordeEmOrdemDeArquivo) {
  const std::string am = registro("Am", "\x20\x22\x01"s, "\x1E\x1A\x00"s);
  base.carregarBase(
      pasta.escrever("base.bin", kDo + am + kMi + registro("C", "\x30\x02\x31"s, "\x1E\x02\x21"s)));
  EXPECT_EQ(base.getQuantidade(), 3);
  ASSERT_EQ(base.getNomes(), (std::vector<std::string>{"Am", "C", "E"}));
  const AcordeComposto* c = base.getAcorde(1);
  EXPECT_EQ(c->getNome(), "C");
  EXPECT_EQ(c->getCodigo(), 0);  // codes are worked out from the names later
  ASSERT_EQ(c->getPosicoes().size(), 2);
  EXPECT_EQ(casas(c->getPosicoes().getElement(0)), (Vetor{-1, 3, 2, 0, 1, 0}));
  EXPECT_EQ(dedos(c->getPosicoes().getElement(0)), (Vetor{6, 3, 2, 0, 1, 0}));
  EXPECT_EQ(casas(c->getPosicoes().getElement(1)), (Vetor{-1, 3, 2, 0, 1, 3}));
  EXPECT_EQ(c->getPosicoes().getElement(0)->getNome(), "C");
  EXPECT_EQ(casas(base.getAcorde(2)->getPosicoes().getElement(0)), (Vetor{0, 2, 2, 1, 0, 0}));
  EXPECT_EQ(dedos(base.getAcorde(2)->getPosicoes().getElement(0)), (Vetor{0, 2, 3, 1, 0, 0}));
}

TEST_F(BaseAcordesTest, NomesQueSoDiferemNaCaixaSaoUmAcorde) {
  const std::string acentoMinusculo = TXT("Dó");
  const std::string acentoMaiusculo = TXT("DÓ");
  base.carregarConteudo(registro("Am", "\0\0\0"s, "\0\0\0"s) +
                        registro("AM", "\0\0\0"s, "\0\0\0"s) +
                        registro(acentoMinusculo, "\0\0\0"s, "\0\0\0"s) +
                        registro(acentoMaiusculo, "\0\0\0"s, "\0\0\0"s));
  EXPECT_EQ(base.getNomes(), (std::vector<std::string>{"Am", acentoMinusculo}));
  EXPECT_EQ(base.getAcorde(0)->getPosicoes().size(), 2);
}

TEST_F(BaseAcordesTest, ProcuraDoNomeSoIgnoraACaixaDaRaiz) {
  // After the root "M" is not "m": CM7 is not Cm7.
  base.carregarConteudo(registro("Am", "\0\0\0"s, "\0\0\0"s) +
                        registro("Cm7", "\0\0\0"s, "\0\0\0"s) +
                        registro(TXT("Dó"), "\0\0\0"s, "\0\0\0"s));
  const std::pair<std::string, int> casos[] = {
      {"Am", 0},      {"am", 0},      {"aM", -1},      {"AM", -1}, {"A", -1},
      {"Cm7", 1},     {"cm7", 1},     {"CM7", -1},     {"Cm", -1}, {"", -1},
      {TXT("Dó"), 2}, {TXT("dó"), 2}, {TXT("DÓ"), -1},
  };
  for (const auto& [nome, indice] : casos) EXPECT_EQ(base.indiceDoNome(nome), indice) << nome;
}

TEST_F(BaseAcordesTest, CamposEmpacotados) {
  // Finger 6 on string 0 silences it whatever fret is written; 0x52 is fret 2 on string 0 and
  // 5 on string 1; 0x0A finger 2 on string 0 and 1 on string 1.
  base.carregarConteudo(registro("X", "\x03\x00\x00"s, "\x06\x00\x00"s) +
                        registro("Y", "\x52\x00\x00"s, "\x0A\x00\x00"s));
  EXPECT_EQ(casas(base.getAcorde(0)->getPosicoes().getElement(0)), (Vetor{-1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(casas(base.getAcorde(1)->getPosicoes().getElement(0)), (Vetor{2, 5, 0, 0, 0, 0}));
  EXPECT_EQ(dedos(base.getAcorde(1)->getPosicoes().getElement(0)), (Vetor{2, 1, 0, 0, 0, 0}));
}

TEST_F(BaseAcordesTest, RegistrosDanificados) {
  // A name of 31 bytes is skipped whole and the next record still reads; a record cut short
  // at the end is dropped.
  const std::string longo = registro(std::string(31, 'C'), "\0\0\0"s, "\0\0\0"s);
  for (size_t corte = 1; corte < kMi.size(); ++corte) {
    base.carregarConteudo(longo + kDo + kMi.substr(0, corte));
    EXPECT_EQ(base.getNomes(), std::vector<std::string>{"C"}) << corte;
  }
  // A length byte that runs past the end reads nothing more.
  base.carregarConteudo(kDo + std::string(2, '\0') + '\xFF' + "abc");
  EXPECT_EQ(base.getNumeroAcordes(), 1);
}

TEST_F(BaseAcordesTest, ArquivoAusente) {
  const auto arquivo = pasta / "nada.bin";
  try {
    base.carregarBase(arquivo);
    FAIL() << "no exception";
  } catch (const FileNotFoundException& e) {
    EXPECT_EQ(e.getMensagem(), "exception.baseAcordesNaoEncontrada '" + arquivo.string() + "'");
    EXPECT_EQ(e.getItem(), arquivo.string());
    EXPECT_EQ(e.getRastro(), std::vector<std::string>{"BaseAcordes::carregarBase(string)"});
  }
}

TEST_F(BaseAcordesTest, ArquivoQueNaoAbrePedeOFim) {
  std::filesystem::create_directory(pasta / "pasta.bin");
  base.carregarBase(pasta / "pasta.bin");
  ASSERT_EQ(interacao.mensagens.size(), 1u);
  EXPECT_EQ(interacao.mensagens[0].texto, "baseAcordes.erroAbrirBaseAcordes");
  EXPECT_EQ(interacao.mensagens[0].titulo, "geral.nomeAplicacao");
  EXPECT_TRUE(interacao.encerramento);
  EXPECT_EQ(base.getNumeroAcordes(), 0);
}

TEST_F(BaseAcordesTest, NomesEAcordesAndamJuntos) {
  base.carregarConteudo(kMi + kDo);
  base.adicionarAcorde(AcordeComposto("Am", {}));
  EXPECT_EQ(base.getNomes(), (std::vector<std::string>{"C", "E", "Am"}));  // not sorted
  EXPECT_EQ(base.getQuantidade(), 2);
  base.removerAcorde(0);
  EXPECT_EQ(base.getNomes(), (std::vector<std::string>{"E", "Am"}));
  EXPECT_EQ(base.getAcorde(0)->getNome(), "E");
  EXPECT_EQ(base.getAcorde(1)->getNome(), "Am");
  base.ordenar();
  EXPECT_EQ(base.getNomes(), (std::vector<std::string>{"Am", "E"}));
  EXPECT_EQ(base.getAcorde(0)->getNome(), "Am");
  base.adicionarPosicaoAcorde(0, Posicao("Am", {-1, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0}));
  EXPECT_EQ(base.getAcorde(0)->getPosicoes().size(), 1);
  EXPECT_THROW(base.getAcorde(2), OutOfBoundsException);
  EXPECT_THROW(base.removerAcorde(-1), OutOfBoundsException);
}

TEST_F(BaseAcordesTest, GravaOQueLe) {
  AcordeComposto c("C", {});
  c.getPosicoes().addElement(Posicao({-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}));
  c.getPosicoes().addElement(Posicao({8, 10, 10, 9, 8, 8}, {1, 3, 4, 2, 1, 1}));
  AcordeComposto d("D", {});
  d.getPosicoes().addElement(Posicao({-1, -1, 0, 2, 3, 2}, {6, 6, 0, 1, 3, 2}));
  const auto arquivo = pasta / "gravada.bin";
  BaseAcordesViolao::gravar(arquivo, {&d, &c});

  base.carregarBase(arquivo);
  ASSERT_EQ(base.getNomes(), (std::vector<std::string>{"C", "D"}));
  const auto& posicoes = base.getAcorde(0)->getPosicoes();
  ASSERT_EQ(posicoes.size(), 2);
  // A silent string is written with finger 6.
  EXPECT_EQ(casas(posicoes.getElement(0)), (Vetor{-1, 3, 2, 0, 1, 0}));
  EXPECT_EQ(dedos(posicoes.getElement(0)), (Vetor{6, 3, 2, 0, 1, 0}));
  EXPECT_EQ(casas(posicoes.getElement(1)), (Vetor{8, 10, 10, 9, 8, 8}));
  EXPECT_EQ(dedos(posicoes.getElement(1)), (Vetor{1, 3, 4, 2, 1, 1}));
  EXPECT_EQ(dedos(base.getAcorde(1)->getPosicoes().getElement(0)), (Vetor{6, 6, 0, 1, 3, 2}));
  // The flag byte marks the sounding strings.
  EXPECT_EQ(BaseAcordesViolao::codificar({&d})[4], '\x3C');
}

TEST_F(BaseAcordesTest, GravacaoRecusaOQueOFormatoNaoGuarda) {
  const auto com = [](std::string nome, Vetor casas, Vetor dedos) {
    AcordeComposto a(std::move(nome), {});
    a.getPosicoes().addElement(Posicao(casas, dedos));
    return a;
  };
  const AcordeComposto recusados[] = {
      com(std::string(31, 'C'), {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}),
      com("C", {0, 0, 0, 0}, {0, 0, 0, 0}),
      com("C", {16, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}),
      com("C", {1, 0, 0, 0, 0, 0}, {8, 0, 0, 0, 0, 0}),
  };
  for (const auto& a : recusados) {
    EXPECT_THROW(BaseAcordesViolao::codificar({&a}), IllegalArgumentException) << a.getNome();
  }
  const auto arquivo = pasta / "intacto.bin";
  pasta.escrever("intacto.bin", kDo);
  EXPECT_THROW(BaseAcordesViolao::gravar(arquivo, {&recusados[0]}), IllegalArgumentException);
  EXPECT_EQ(teste::lerArquivo(arquivo), kDo);
}

TEST_F(BaseAcordesTest, BaseDeTextoSoTemNomes) {
  BaseAcordes texto(textos, interacao);
  texto.carregarBase(pasta.escrever("nomes.txt", "G  C\tAm\r\n" + std::string(50, 'D') + " Em\n"));
  EXPECT_EQ(texto.getNomes(), (std::vector<std::string>{"Am", "C", "Em", "G"}));
  EXPECT_EQ(texto.getNumeroAcordes(), 0);
}

}  // namespace
}  // namespace tessara
