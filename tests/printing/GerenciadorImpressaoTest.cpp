#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ImpressaoTeste.h"
#include "TextosTeste.h"
#include "printing/GerenciadorImpressao.h"
#include "printing/LayoutImpressao.h"
#include "printing/SuperficieDiferida.h"

namespace tessara {
namespace {

// Texts are "section/key", so that the tests see which text was used.
const Textos& textos() {
  static const teste::TextosTeste secaoChave;
  return secaoChave;
}

std::string linhas(int quantidade) {
  std::string texto;
  for (int i = 0; i < quantidade; ++i) texto += "line\n";
  return texto;
}

class GerenciadorImpressaoTest : public ::testing::Test {
 protected:
  void imprimir(int conteudo = TrabalhoImpressao::DIAGRAMAS) {
    gerenciador.imprimir(impressora, conteudo, ModoRotulo::DEDOS, teste::acordesDeDo(3), "",
                         instrumento);
  }

  teste::EspecialistaTeste especialista;
  teste::InteracaoGravada interacao;
  teste::FrenteGravada frente;
  teste::ImpressoraGravada impressora;
  InstrumentoCordas instrumento = teste::violao();
  const InstrumentoCordas* instrumentoAtual = &instrumento;
  GerenciadorImpressao gerenciador{textos(), especialista.especialista, interacao, frente,
                                   [this] { return instrumentoAtual; }};
};

TEST_F(GerenciadorImpressaoTest, ImprimeComOTituloDoTrabalhoEFinalizaODocumento) {
  imprimir();
  EXPECT_EQ(impressora.titulos, std::vector<std::string>{"geral/nomeAplicacao"});
  EXPECT_EQ(impressora.documentosFinalizados, 1);
  EXPECT_EQ(impressora.superficie.apenasTextos("Arial").front(), "geral/nomeAplicacao");
  EXPECT_EQ(impressora.superficie.apenasTextos("Times New Roman"),
            (std::vector<std::string>{"C", "C", "C"}));
  EXPECT_FALSE(gerenciador.paraImpressora());
  EXPECT_EQ(gerenciador.getNumeroPaginas(), 1);
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(GerenciadorImpressaoTest, DialogoCanceladoNaoImprimeNada) {
  impressora.confirmar = false;
  imprimir();
  EXPECT_TRUE(impressora.titulos.empty());
  EXPECT_EQ(impressora.documentosFinalizados, 0);
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(GerenciadorImpressaoTest, ImpressoraInalcancavelEAvisadaSemImprimir) {
  struct Caso {
    const char* descricao;
    bool falharDialogo;
    std::optional<TamanhoPagina> tamanho;
  };
  for (const auto& caso : {Caso{"the dialog cannot be shown", true, TamanhoPagina{2892, 4000}},
                           Caso{"the printer has no page", false, std::nullopt}}) {
    SCOPED_TRACE(caso.descricao);
    interacao.mensagens.clear();
    impressora.falharDialogo = caso.falharDialogo;
    impressora.tamanho = caso.tamanho;
    imprimir();
    ASSERT_EQ(interacao.mensagens.size(), 1u);
    EXPECT_EQ(interacao.mensagens[0].texto, "fmImpressao/erroImpressora");
    EXPECT_EQ(interacao.mensagens[0].titulo, "");
    EXPECT_EQ(interacao.mensagens[0].botoes, Interacao::Botoes::Ok);
    EXPECT_TRUE(impressora.titulos.empty());
    EXPECT_EQ(impressora.documentosFinalizados, 0);
  }
}

TEST_F(GerenciadorImpressaoTest, FalhaNoMeioDoTrabalhoFinalizaODocumentoSemMensagem) {
  // The heading, a diagram of five texts (name, x, three fingers), a name.
  impressora.superficie.falharAposTextos = 8;
  imprimir();
  EXPECT_EQ(impressora.superficie.apenasTextos("Times New Roman").size(), 2u);
  EXPECT_EQ(impressora.documentosFinalizados, 1);
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_FALSE(gerenciador.paraImpressora());
}

TEST_F(GerenciadorImpressaoTest, VisualizacaoPintaCadaPaginaUmaVezQuandoMostrada) {
  gerenciador.prepararVisualizacao(TrabalhoImpressao::TEXTO, ModoRotulo::DEDOS, 2, 200, {},
                                   linhas(160), instrumento);
  EXPECT_EQ(frente.imagensCriadas.back().largura, 720);
  EXPECT_EQ(frente.imagensCriadas.back().altura, 1018);
  EXPECT_EQ(gerenciador.getZoom(), 200);
  const int paginas = gerenciador.getNumeroPaginas();
  ASSERT_GT(paginas, 3);
  ASSERT_EQ(frente.exibicoes.size(), 1u);
  EXPECT_EQ(frente.exibicoes[0].numeroPaginas, paginas);
  EXPECT_EQ(frente.exibicoes[0].largura, 720);
  EXPECT_EQ(frente.exibicoes[0].altura, 1018);

  // Only the page shown is painted; a page shown again is the stored picture.
  const size_t aposPrimeira = frente.imagensCriadas.size();
  gerenciador.exibirPaginaVisualizacao(2, 200);
  EXPECT_EQ(frente.imagensCriadas.size(), aposPrimeira);
  gerenciador.exibirPaginaVisualizacao(3, 200);
  EXPECT_EQ(frente.imagensCriadas.size(), aposPrimeira + 1);
  ASSERT_EQ(gerenciador.getPaginas().size(), static_cast<size_t>(paginas));
  EXPECT_EQ(frente.imagensCriadas.size(), aposPrimeira + static_cast<size_t>(paginas) - 1);
}

TEST_F(GerenciadorImpressaoTest, PaginaPintadaSozinhaIgualAoTrabalhoInteiro) {
  // The whole job drawn at once on one surface, against each page painted on its own.
  teste::SuperficieGravada inteira(1080, 1527);
  const auto medidas = MedidasPagina::paraVisualizacao(frente.tamanho, 300);
  const std::string texto = linhas(120);
  const auto acordes = teste::acordesDeDo(36);
  const TrabalhoImpressao trabalho{TrabalhoImpressao::TEXTO_E_DIAGRAMAS,
                                   ModoRotulo::INTERVALOS,
                                   acordes,
                                   texto,
                                   instrumento,
                                   nullptr,
                                   nullptr};
  LayoutImpressao(inteira, medidas, especialista.especialista).desenhar("T", "", trabalho);

  teste::SuperficieGravada medidor;
  SuperficieDiferida diferida(medidor);
  LayoutImpressao(diferida, medidas, especialista.especialista).desenhar("T", "", trabalho);
  ASSERT_EQ(diferida.numeroPaginas(), inteira.paginas);
  ASSERT_GT(inteira.paginas, 2);
  for (int pagina = inteira.paginas; pagina >= 1; --pagina) {
    SCOPED_TRACE(pagina);
    teste::SuperficieGravada sozinha;
    diferida.reproduzir(pagina - 1, sozinha);
    const auto daPagina = [pagina](const auto& itens) {
      std::vector<std::tuple<int, int, std::string, std::string, int, bool>> escolhidos;
      for (const auto& t : itens) {
        if (t.pagina == pagina)
          escolhidos.emplace_back(t.x, t.y, t.texto, t.face, t.altura, t.claro);
      }
      return escolhidos;
    };
    std::vector<std::tuple<int, int, std::string, std::string, int, bool>> proprios;
    for (const auto& t : sozinha.textos) {
      proprios.emplace_back(t.x, t.y, t.texto, t.face, t.altura, t.claro);
    }
    EXPECT_EQ(proprios, daPagina(inteira.textos));
    size_t linhasDaPagina = 0;
    for (const auto& l : inteira.linhas) linhasDaPagina += l.pagina == pagina ? 1 : 0;
    ASSERT_EQ(sozinha.linhas.size(), linhasDaPagina);
    for (size_t i = 0, j = 0; i < inteira.linhas.size(); ++i) {
      if (inteira.linhas[i].pagina != pagina) continue;
      EXPECT_EQ(sozinha.linhas[j].caneta, inteira.linhas[i].caneta);
      EXPECT_EQ(sozinha.linhas[j].x1, inteira.linhas[i].x1);
      EXPECT_EQ(sozinha.linhas[j].y2, inteira.linhas[i].y2);
      ++j;
    }
  }
}

TEST_F(GerenciadorImpressaoTest, SemImpressoraAVisualizacaoUsaAPaginaPadrao) {
  frente.tamanho.reset();
  gerenciador.prepararVisualizacao(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, 1, 100, {}, "",
                                   instrumento);
  ASSERT_EQ(frente.exibicoes.size(), 1u);
  EXPECT_EQ(frente.exibicoes[0].largura, 360);
  EXPECT_EQ(frente.exibicoes[0].altura, 471);
  EXPECT_EQ(frente.exibicoes[0].numeroPaginas, 1);
}

TEST_F(GerenciadorImpressaoTest, MesmoZoomSoMostraOutroZoomDesenhaDeNovo) {
  gerenciador.setTextoImpressao(linhas(120));
  gerenciador.prepararVisualizacao(TrabalhoImpressao::TEXTO_E_DIAGRAMAS, ModoRotulo::DEDOS, 1, 300,
                                   teste::acordesDeDo(36), gerenciador.getTextoImpressao(),
                                   instrumento);
  const int paginas = gerenciador.getNumeroPaginas();

  gerenciador.exibirPaginaVisualizacao(1, 300);
  const size_t criadas = frente.imagensCriadas.size();  // the first page, stored
  EXPECT_EQ(frente.exibicoes.back().largura, 1080);

  // At another zoom: laid out again with the stored text and the same fingerings.
  gerenciador.exibirPaginaVisualizacao(2, 100);
  ASSERT_GT(frente.imagensCriadas.size(), criadas);
  EXPECT_EQ(frente.imagensCriadas.back().largura, 360);
  const int novas = gerenciador.getNumeroPaginas();
  EXPECT_GT(paginas, 1);
  gerenciador.prepararVisualizacao(TrabalhoImpressao::TEXTO_E_DIAGRAMAS, ModoRotulo::DEDOS, 2, 100,
                                   teste::acordesDeDo(36), gerenciador.getTextoImpressao(),
                                   instrumento);
  EXPECT_EQ(gerenciador.getNumeroPaginas(), novas);
  EXPECT_EQ(frente.exibicoes.back().largura, 360);
  EXPECT_EQ(gerenciador.getZoom(), 100);
}

TEST_F(GerenciadorImpressaoTest, PaginaForaDosLimitesMostraAMaisProxima) {
  gerenciador.prepararVisualizacao(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, 7, 100, {}, "",
                                   instrumento);
  gerenciador.exibirPaginaVisualizacao(0, 100);
  ASSERT_EQ(frente.exibicoes.size(), 2u);
  for (const auto& e : frente.exibicoes) EXPECT_EQ(e.numeroPaginas, 1);
}

TEST_F(GerenciadorImpressaoTest, SemImagensNaFrenteNaoHaPaginas) {
  class FrenteSemImagens : public teste::FrenteGravada {
   public:
    std::unique_ptr<SuperficieImagens> criarImagens(int, int) override { return nullptr; }
  } semImagens;
  GerenciadorImpressao semFrente(textos(), especialista.especialista, interacao, semImagens,
                                 [this] { return instrumentoAtual; });
  semFrente.prepararVisualizacao(0, 0, 1, 100, teste::acordesDeDo(2), "a", instrumento);
  EXPECT_TRUE(semFrente.getPaginas().empty());
  EXPECT_TRUE(semImagens.exibicoes.empty());
}

TEST_F(GerenciadorImpressaoTest, TextoDoTrabalhoGuardadoEntreTrabalhos) {
  EXPECT_EQ(gerenciador.getTextoImpressao(), "");
  gerenciador.setTextoImpressao("Am\nla la");
  imprimir(TrabalhoImpressao::TEXTO);
  EXPECT_EQ(gerenciador.getTextoImpressao(), "Am\nla la");
}

}  // namespace
}  // namespace tessara
