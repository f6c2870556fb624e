#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "IdiomaTeste.h"
#include "LimiteDeTamanho.h"
#include "PastaTemporaria.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/XMLParseException.h"
#include "instruments/BaseIlegivelException.h"
#include "instruments/XMLInstrumentoParser.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

const InstrumentoCordas kViola(TXT("Viola caipira <10> & cia"), TXT("Cebolão em Mi"), 5, 14, 3, 25,
                               {47, 52, 56, 59, 64}, false);
const InstrumentoCordas kBaixo("Baixo", "", 4, 12, -3, 33, {28, 33, 38, 43}, false);
const InstrumentoCordas kUkulele("Ukulele", "Reentrante", 4, 12, 4, 24, {67, 60, 64, 69}, false);

// Every value the file holds (equality of instruments compares names only).
void esperarIguais(const InstrumentoCordas& a, const InstrumentoCordas& b) {
  EXPECT_EQ(a.getName(), b.getName());
  EXPECT_EQ(a.getDescricao(), b.getDescricao());
  EXPECT_EQ(a.getNumeroCordas(), b.getNumeroCordas());
  EXPECT_EQ(a.getNumeroCasas(), b.getNumeroCasas());
  EXPECT_EQ(a.getDistancia(), b.getDistancia());
  EXPECT_EQ(a.getSom(), b.getSom());
  EXPECT_EQ(a.getAfinacao(), b.getAfinacao());
  EXPECT_FALSE(b.usaBaseAcordes());
}

void esperarIguais(const std::vector<InstrumentoCordas>& a,
                   const std::vector<InstrumentoCordas>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) esperarIguais(a[i], b[i]);
}

// One instrument element with the given children.
std::string instrumento(const std::string& filhos) {
  return "<instrumento>" + filhos + "</instrumento>";
}

std::string colecao(const std::string& instrumentos) {
  return "<colecaoInstrumento>" + instrumentos + "</colecaoInstrumento>";
}

std::string afinacao(const std::vector<int>& notas) {
  std::string r = "<afinacao>";
  for (int n : notas) r += "<frequencia>" + std::to_string(n) + "</frequencia>";
  return r + "</afinacao>";
}

std::string completo(const std::string& nome, int cordas, const std::vector<int>& notas) {
  return instrumento("<nome>" + nome + "</nome><descricao>d</descricao><numeroCordas>" +
                     std::to_string(cordas) +
                     "</numeroCordas><numeroCasas>12</numeroCasas><distancia>3</distancia>"
                     "<som>24</som>" +
                     afinacao(notas));
}

class XMLInstrumentoParserTest : public ::testing::Test {
 protected:
  fs::path base(const std::string& conteudo) {
    return pasta.escrever("instrumentos.xml", conteudo);
  }

  teste::IdiomaTeste idioma{"en"};
  teste::PastaTemporaria pasta;
  teste::PastaTemporaria padrao;
  XMLInstrumentoParser parser{idioma.idiomas, pasta.caminho(), padrao.caminho()};
};

TEST_F(XMLInstrumentoParserTest, EscreveOFormatoDoArquivo) {
  const auto arquivo = pasta / "instrumentos.xml";
  parser.salvar(arquivo, {kViola, kBaixo});
  EXPECT_EQ(teste::lerArquivo(arquivo),
            "<colecaoInstrumento>\r\n"
            "\t<instrumento>\r\n"
            "\t\t<nome>Viola caipira &lt;10&gt; &amp; cia</nome>\r\n"
            "\t\t<descricao>Cebol\xE3o em Mi</descricao>\r\n"
            "\t\t<numeroCordas>5</numeroCordas>\r\n"
            "\t\t<numeroCasas>14</numeroCasas>\r\n"
            "\t\t<distancia>3</distancia>\r\n"
            "\t\t<som>25</som>\r\n"
            "\t\t<afinacao>\r\n"
            "\t\t\t<frequencia>47</frequencia>\r\n"
            "\t\t\t<frequencia>52</frequencia>\r\n"
            "\t\t\t<frequencia>56</frequencia>\r\n"
            "\t\t\t<frequencia>59</frequencia>\r\n"
            "\t\t\t<frequencia>64</frequencia>\r\n"
            "\t\t</afinacao>\r\n"
            "\t</instrumento>\r\n"
            "\t<instrumento>\r\n"
            "\t\t<nome>Baixo</nome>\r\n"
            "\t\t<descricao></descricao>\r\n"
            "\t\t<numeroCordas>4</numeroCordas>\r\n"
            "\t\t<numeroCasas>12</numeroCasas>\r\n"
            "\t\t<distancia>-3</distancia>\r\n"
            "\t\t<som>33</som>\r\n"
            "\t\t<afinacao>\r\n"
            "\t\t\t<frequencia>28</frequencia>\r\n"
            "\t\t\t<frequencia>33</frequencia>\r\n"
            "\t\t\t<frequencia>38</frequencia>\r\n"
            "\t\t\t<frequencia>43</frequencia>\r\n"
            "\t\t</afinacao>\r\n"
            "\t</instrumento>\r\n"
            "</colecaoInstrumento>\r\n");
  esperarIguais(parser.getInstrumentos(arquivo), {kViola, kBaixo});

  parser.salvar(arquivo, {});
  EXPECT_EQ(teste::lerArquivo(arquivo), "<colecaoInstrumento>\r\n</colecaoInstrumento>\r\n");
}

TEST_F(XMLInstrumentoParserTest, AlteracoesPreservamOsOutrosInstrumentos) {
  const auto arquivo = base(colecao(""));
  parser.addInstrumento(arquivo, kViola);
  parser.addInstrumento(arquivo, kBaixo);
  parser.addInstrumento(arquivo, kUkulele);
  EXPECT_EQ(parser.getNomesInstrumentos(arquivo),
            (std::vector<std::string>{kViola.getName(), "Baixo", "Ukulele"}));
  esperarIguais(parser.getInstrumento(arquivo, 1), kBaixo);

  const InstrumentoCordas novoBaixo("Baixo  de   cinco", " B E A D G ", 5, 14, 3, 34,
                                    {23, 28, 33, 38, 43}, true);
  parser.editInstrumento(arquivo, 1, novoBaixo);
  esperarIguais(
      parser.getInstrumentos(arquivo),
      {kViola,
       InstrumentoCordas("Baixo de cinco", "B E A D G", 5, 14, 3, 34, {23, 28, 33, 38, 43}, false),
       kUkulele});

  parser.delInstrumento(arquivo, 0);
  esperarIguais(parser.getInstrumentos(arquivo), {parser.getInstrumento(arquivo, 0), kUkulele});
  EXPECT_EQ(parser.getNomesInstrumentos(arquivo),
            (std::vector<std::string>{"Baixo de cinco", "Ukulele"}));
  parser.delInstrumento(arquivo, 1);
  parser.delInstrumento(arquivo, 0);
  EXPECT_EQ(teste::lerArquivo(arquivo), "<colecaoInstrumento>\r\n</colecaoInstrumento>\r\n");
}

TEST_F(XMLInstrumentoParserTest, PosicoesInexistentes) {
  const auto vazio = base(colecao(""));
  EXPECT_TRUE(parser.getNomesInstrumentos(vazio).empty());
  try {
    parser.getInstrumento(vazio, 0);
    FAIL();
  } catch (const OutOfBoundsException& e) {
    EXPECT_EQ(e.getMensagem(), "Invalid index '0'");
    EXPECT_EQ(e.getIndice(), 0);
    EXPECT_EQ(e.getRastro(), std::vector<std::string>{"XMLInstrumentoParser::getInstrumento"});
  }

  const std::string dois = colecao(completo("A", 4, {1, 2, 3, 4}) + completo("B", 4, {5, 6, 7, 8}));
  const auto arquivo = base(dois);
  struct Caso {
    const char* metodo;
    int posicao;
  };
  for (const auto& c : {Caso{"editInstrumento", 2}, Caso{"editInstrumento", -1},
                        Caso{"delInstrumento", 2}, Caso{"delInstrumento", -1}}) {
    const std::string metodo = c.metodo;
    try {
      if (metodo == "editInstrumento")
        parser.editInstrumento(arquivo, c.posicao, kViola);
      else
        parser.delInstrumento(arquivo, c.posicao);
      ADD_FAILURE() << metodo << " " << c.posicao;
    } catch (const OutOfBoundsException& e) {
      EXPECT_EQ(e.getMensagem(), "Invalid index '" + std::to_string(c.posicao) + "'");
      EXPECT_EQ(e.getIndice(), c.posicao);
      EXPECT_EQ(e.getRastro(), std::vector<std::string>{"XMLInstrumentoParser::" + metodo});
    }
    EXPECT_EQ(teste::lerArquivo(arquivo), dois);
  }
  EXPECT_THROW(parser.getInstrumento(arquivo, -1), OutOfBoundsException);
  EXPECT_THROW(parser.getInstrumento(arquivo, 2), OutOfBoundsException);
}

TEST_F(XMLInstrumentoParserTest, AfinacaoDiferenteDoNumeroDeCordas) {
  const auto arquivo = base(colecao(
      completo("Tres", 3, {1, 2, 3}) + completo("Curta", 6, {40, 45, 50, 55, 59}) +
      completo("Longa", 4, {1, 2, 3, 4, 5, 6}) + completo("Depois", 4, {50, 55, 59, 64}) +
      instrumento(afinacao({1, 2, 3, 4}) + "<nome>Antes</nome><numeroCordas>4</numeroCordas>")));
  const auto lidos = parser.getInstrumentos(arquivo);
  ASSERT_EQ(lidos.size(), 5u);
  EXPECT_TRUE(lidos[0].getAfinacao().empty());
  EXPECT_EQ(lidos[1].getAfinacao(), (std::vector<int>{40, 45, 50, 55, 59}));
  EXPECT_EQ(lidos[2].getAfinacao(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  esperarIguais(lidos[3], InstrumentoCordas("Depois", "d", 4, 12, 3, 24, {50, 55, 59, 64}, false));
  EXPECT_TRUE(lidos[4].getAfinacao().empty());
  EXPECT_EQ(lidos[4].getNumeroCordas(), 4);

  // A count lowered below four after the tuning: no tuning, as the rewritten file would read.
  const auto baixado =
      base(colecao(instrumento("<nome>X</nome><numeroCordas>4</numeroCordas>" +
                               afinacao({1, 2, 3, 4}) + "<numeroCordas>3</numeroCordas>")));
  EXPECT_TRUE(parser.getInstrumento(baixado, 0).getAfinacao().empty());
  parser.addInstrumento(baixado, kBaixo);
  EXPECT_TRUE(parser.getInstrumento(baixado, 0).getAfinacao().empty());
  EXPECT_EQ(parser.getInstrumento(baixado, 0).getNumeroCordas(), 3);
}

TEST_F(XMLInstrumentoParserTest, TextosDosNomes) {
  const auto arquivo = base(colecao(""));
  const InstrumentoCordas estranho("<b>  Viola &amp; \"x\"  ", "", 4, 12, 3, 24, {1, 2, 3, 4},
                                   false);
  parser.addInstrumento(arquivo, estranho);
  EXPECT_EQ(parser.getInstrumento(arquivo, 0).getName(), "<b> Viola &amp; \"x\"");
  EXPECT_EQ(parser.getNomesInstrumentos(arquivo).back(), "<b> Viola &amp; \"x\"");
}

// Names and positions stay in step however the names are written: every instrument has one
// name entry, and rewriting the file keeps every instrument.
TEST_F(XMLInstrumentoParserTest, UmNomePorInstrumento) {
  const std::string valores =
      "<numeroCordas>4</numeroCordas><numeroCasas>12</numeroCasas><distancia>3</distancia>"
      "<som>24</som>" +
      afinacao({1, 2, 3, 4});
  const auto arquivo = base(
      colecao(instrumento("<nome>A</nome>" + valores) + instrumento("<nome></nome>" + valores) +
              instrumento("<nome>  </nome>" + valores) + instrumento(valores) +
              instrumento("<nome>B<!-- x -->C</nome>" + valores) +
              instrumento("<nome>D</nome>" + valores)));
  EXPECT_EQ(parser.getNomesInstrumentos(arquivo),
            (std::vector<std::string>{"A", "", "", "", "C", "D"}));
  EXPECT_EQ(parser.getInstrumento(arquivo, 5).getName(), "D");

  parser.addInstrumento(arquivo, kBaixo);
  EXPECT_EQ(parser.getNomesInstrumentos(arquivo),
            (std::vector<std::string>{"A", "", "", "", "C", "D", "Baixo"}));
}

TEST_F(XMLInstrumentoParserTest, ElementosQueFaltamNaoHerdamDoAnterior) {
  const auto arquivo =
      base(colecao(completo("A", 6, {40, 45, 50, 55, 59, 64}) + instrumento("<nome>B</nome>")));
  esperarIguais(parser.getInstrumentos(arquivo),
                {InstrumentoCordas("A", "d", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, false),
                 InstrumentoCordas("B", "", 0, 0, 0, 0, {}, false)});
}

TEST_F(XMLInstrumentoParserTest, EtiquetasFinaisSoltasNaoSaoInstrumentos) {
  const std::string conteudo =
      "</instrumento>" + colecao("</instrumento>" + completo("A", 4, {1, 2, 3, 4}) +
                                 "</instrumento>\r\n</instrumento>" +
                                 instrumento("<instrumento><nome>B</nome>") + "</instrumento>");
  const auto arquivo = base(conteudo);
  EXPECT_EQ(parser.getNomesInstrumentos(arquivo), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(parser.getInstrumentos(arquivo).size(), 2u);
  EXPECT_THROW(parser.getInstrumento(arquivo, 2), OutOfBoundsException);
}

TEST_F(XMLInstrumentoParserTest, NumerosInvalidos) {
  const std::string bom = completo("Bom", 4, {50, 55, 59, 64});
  const std::string elementos[] = {"numeroCordas", "numeroCasas", "distancia", "som", "frequencia"};
  for (const std::string& elemento : elementos) {
    SCOPED_TRACE(elemento);
    std::string ruim = completo("Ruim", 4, {1, 2, 3, 4});
    const auto pos = ruim.find("<" + elemento + ">") + elemento.size() + 2;
    ruim.insert(pos, "9999999999");
    const std::string conteudo = colecao(bom + ruim + bom);
    const auto arquivo = base(conteudo);

    EXPECT_EQ(parser.getNomesInstrumentos(arquivo),
              (std::vector<std::string>{"Bom", "Ruim", "Bom"}));
    EXPECT_EQ(parser.getInstrumento(arquivo, 2).getName(), "Bom");
    try {
      parser.getInstrumento(arquivo, 1);
      ADD_FAILURE();
    } catch (const XMLParseException& e) {
      EXPECT_EQ(e.getMensagem(), "The file holds an invalid value (element " + elemento + ")");
      EXPECT_EQ(e.getDetalhe(), elemento);
      EXPECT_EQ(e.getRastro(), std::vector<std::string>{"XMLInstrumentoParser::getInstrumento"});
    }
    // A file that cannot be read whole is not rewritten.
    EXPECT_THROW(parser.getInstrumentos(arquivo), XMLParseException);
    EXPECT_THROW(parser.addInstrumento(arquivo, kBaixo), XMLParseException);
    EXPECT_THROW(parser.delInstrumento(arquivo, 0), XMLParseException);
    EXPECT_EQ(teste::lerArquivo(arquivo), conteudo);
  }
  // Values are whole decimal integers; surrounding whitespace is packed away by the scanner.
  const auto arquivo = base(colecao(completo(" X ", 4, {1, 2, 3, 4})));
  EXPECT_EQ(parser.getInstrumento(arquivo, 0).getNumeroCordas(), 4);
  for (const char* ruim : {"4a", "0x4", "", "4 4", "1e3"}) {
    base(colecao(instrumento(std::string("<numeroCordas>") + ruim + "</numeroCordas>")));
    if (std::string(ruim).empty()) {
      EXPECT_EQ(parser.getInstrumento(arquivo, 0).getNumeroCordas(), 0);
    } else {
      EXPECT_THROW(parser.getInstrumento(arquivo, 0), XMLParseException) << ruim;
    }
  }
}

// The damaged instrument itself can be removed; the others are written back as they were.
TEST_F(XMLInstrumentoParserTest, RemoverOInstrumentoDanificadoMantemOsOutros) {
  const std::string bom = completo("Bom", 4, {50, 55, 59, 64});
  const std::string outro = completo("Outro", 5, {40, 45, 50, 55, 59});
  std::string ruim = completo("Ruim", 4, {50, 55, 59, 64});
  ruim.insert(ruim.find("<som>") + 5, "x");
  const auto arquivo = base(colecao(bom + ruim + outro));
  const auto antes = parser.instrumentosDoTexto(colecao(bom + outro));

  parser.delInstrumento(arquivo, 1);
  EXPECT_EQ(teste::lerArquivo(arquivo), XMLInstrumentoParser::gerarTexto(antes));
  esperarIguais(parser.getInstrumentos(arquivo), antes);
}

// Values outside what a real instrument has damage that instrument alone; the limits
// themselves read.
TEST_F(XMLInstrumentoParserTest, ValoresForaDeUmInstrumentoReal) {
  struct Caso {
    const char* elemento;
    const char* valor;
    bool aceito;
  };
  const Caso casos[] = {
      {"numeroCordas", "12", true},       {"numeroCordas", "0", true},
      {"numeroCordas", "13", false},      {"numeroCordas", "150000", false},
      {"numeroCordas", "-1", false},      {"numeroCasas", "36", true},
      {"numeroCasas", "0", true},         {"numeroCasas", "37", false},
      {"numeroCasas", "1000000", false},  {"numeroCasas", "2147483647", false},
      {"numeroCasas", "-1", false},       {"distancia", "12", true},
      {"distancia", "-12", true},         {"distancia", "13", false},
      {"distancia", "2147483647", false}, {"distancia", "-2147483648", false},
      {"frequencia", "0", true},          {"frequencia", "127", true},
      {"frequencia", "128", false},       {"frequencia", "-1", false},
  };
  const std::string bom = completo("Bom", 4, {50, 55, 59, 64});
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.elemento) + "=" + c.valor);
    std::string ruim = completo("Ruim", 4, {50, 55, 59, 64});
    const std::string abre = std::string("<") + c.elemento + ">";
    const auto inicio = ruim.find(abre) + abre.size();
    ruim.replace(inicio, ruim.find('<', inicio) - inicio, c.valor);
    const auto arquivo = base(colecao(bom + ruim + bom));

    EXPECT_EQ(parser.getInstrumento(arquivo, 2).getName(), "Bom");
    if (c.aceito) {
      EXPECT_TRUE(parser.getInstrumento(arquivo, 1).dentroDosLimites());
      EXPECT_EQ(parser.getInstrumentos(arquivo).size(), 3u);
      continue;
    }
    try {
      parser.getInstrumento(arquivo, 1);
      ADD_FAILURE();
    } catch (const XMLParseException& e) {
      EXPECT_EQ(e.getDetalhe(), c.elemento);
    }
  }
}

TEST_F(XMLInstrumentoParserTest, ArquivoInexistente) {
  const auto arquivo = pasta / "falta.xml";
  const std::string mensagem =
      idioma.texto("exception", "baseInstrumentosNaoEncontrada") + arquivo.string() + "'";
  struct Caso {
    const char* metodo;
    std::function<void()> operacao;
  };
  const Caso casos[] = {
      {"getNomesInstrumentos", [&] { parser.getNomesInstrumentos(arquivo); }},
      {"getInstrumento", [&] { parser.getInstrumento(arquivo, 0); }},
      {"getNomesInstrumentos", [&] { parser.addInstrumento(arquivo, kBaixo); }},
      {"getNomesInstrumentos", [&] { parser.editInstrumento(arquivo, 0, kBaixo); }},
      {"getNomesInstrumentos", [&] { parser.delInstrumento(arquivo, 0); }},
  };
  for (const auto& c : casos) {
    try {
      c.operacao();
      ADD_FAILURE() << c.metodo;
    } catch (const FileNotFoundException& e) {
      EXPECT_EQ(e.getRastro(),
                std::vector<std::string>{std::string("XMLInstrumentoParser::") + c.metodo});
      if (e.getItem() == arquivo.string()) {
        EXPECT_EQ(e.getMensagem(), mensagem);
      }
    }
  }
  EXPECT_FALSE(fs::exists(arquivo));
}

TEST_F(XMLInstrumentoParserTest, FalhaAoGravarMantemOArquivo) {
  const std::string conteudo = colecao(completo("A", 4, {1, 2, 3, 4}));
  const auto arquivo = base(conteudo);
  try {
    teste::LimiteDeTamanho limite(conteudo.size());
    parser.addInstrumento(arquivo, kViola);
    ADD_FAILURE() << "the write did not fail";
  } catch (const DException& e) {
    EXPECT_TRUE(e.getMensagem().starts_with(
        idioma.texto("exception", "erroGravarBaseInstrumentos") + arquivo.string() + "' ("))
        << e.getMensagem();
    EXPECT_EQ(e.getRastro(), std::vector<std::string>{"XMLInstrumentoParser::salvar"});
  }
  EXPECT_EQ(teste::lerArquivo(arquivo), conteudo);
  for (const auto& e : fs::directory_iterator(pasta.caminho())) {
    EXPECT_EQ(e.path().filename().string().find(".tessara-"), std::string::npos) << e.path();
  }

  // A folder that cannot exist.
  EXPECT_THROW(parser.salvar(arquivo / "x.xml", {kBaixo}), DException);
  EXPECT_EQ(teste::lerArquivo(arquivo), conteudo);
}

// A base that does not read as one is kept whole beside before anything replaces it, and says
// which file and why; the next change then starts a new base holding only the change.
TEST_F(XMLInstrumentoParserTest, BaseDanificadaFicaGuardadaAntesDeSerReescrita) {
  const std::string bom = colecao(completo("A", 4, {50, 55, 59, 64}));
  std::string utf16 = "\xFF\xFE";
  for (char c : bom) utf16 += std::string{c, '\0'};
  const struct {
    std::string conteudo;
    const char* motivo;
  } casos[] = {
      {utf16, "not 8-bit text"},
      {bom.substr(0, bom.size() / 2), "it was cut short"},
      {"\x8f\x13PK\x03\x04 random <bytes", "text outside the instrument list"},
      {bom + bom, "a second root element"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.motivo);
    const auto arquivo = base(caso.conteudo);
    try {
      parser.getNomesInstrumentos(arquivo);
      ADD_FAILURE() << "read as a base";
    } catch (const BaseIlegivelException& e) {
      EXPECT_NE(e.getMensagem().find(arquivo.string() + "' ("), std::string::npos);
      EXPECT_NE(e.getMensagem().find(caso.motivo), std::string::npos) << e.getMensagem();
      EXPECT_EQ(e.getCopia(), pasta / "instrumentos.xml.damaged");
    }
    EXPECT_EQ(teste::lerArquivo(pasta / "instrumentos.xml.damaged"), caso.conteudo);
    parser.addInstrumento(arquivo, kBaixo);
    EXPECT_EQ(parser.getNomesInstrumentos(arquivo), std::vector<std::string>{"Baixo"});
    EXPECT_EQ(teste::lerArquivo(pasta / "instrumentos.xml.damaged"), caso.conteudo);
  }
}

// What is not a regular file, or what the system will not open, is named with the reason and
// never written: there is nothing to keep of it.
TEST_F(XMLInstrumentoParserTest, BaseQueNaoEArquivoComumNuncaEReescrita) {
  fs::create_directory(pasta / "pasta.xml");
  mkfifo((pasta / "fifo.xml").c_str(), 0644);
  fs::create_symlink("/dev/zero", pasta / "zero.xml");
  const auto fechado = pasta.escrever("fechado.xml", colecao(completo("A", 4, {1, 2, 3, 4})));
  chmod(fechado.c_str(), 0);
  const struct {
    const char* nome;
    const char* motivo;
  } casos[] = {{"pasta.xml", "a folder, not a file"},
               {"fifo.xml", "not a regular file"},
               {"zero.xml", "not a regular file"},
               {"fechado.xml", "Permission denied"}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    if (geteuid() == 0 && caso.motivo == std::string("Permission denied")) continue;
    const auto arquivo = pasta / caso.nome;
    const std::string esperado = arquivo.string() + "' (" + caso.motivo + ").";
    for (const auto& operacao :
         std::vector<std::function<void()>>{[&] { parser.getNomesInstrumentos(arquivo); },
                                            [&] { parser.addInstrumento(arquivo, kBaixo); },
                                            [&] { parser.delInstrumento(arquivo, 0); }}) {
      try {
        operacao();
        ADD_FAILURE() << "no failure";
      } catch (const BaseIlegivelException& e) {
        EXPECT_NE(e.getMensagem().find(esperado), std::string::npos) << e.getMensagem();
        EXPECT_FALSE(e.podeReescrever());
      }
    }
  }
  EXPECT_TRUE(fs::is_fifo(pasta / "fifo.xml"));
  EXPECT_TRUE(fs::is_directory(pasta / "pasta.xml"));
  EXPECT_FALSE(fs::exists(pasta / "fifo.xml.damaged"));
}

// Programs adding at once each see the others' additions: none is lost.
TEST_F(XMLInstrumentoParserTest, AdicoesSimultaneasSobrevivemTodas) {
  const auto arquivo = base(colecao(""));
  constexpr int kProgramas = 50;
  std::vector<std::thread> programas;
  for (int i = 0; i < kProgramas; ++i) {
    programas.emplace_back([&, i] {
      XMLInstrumentoParser proprio(idioma.idiomas, pasta.caminho(), padrao.caminho());
      proprio.addInstrumento(arquivo, InstrumentoCordas("I" + std::to_string(i), "", 4, 12, 3, 24,
                                                        {50, 55, 59, 64}, false));
    });
  }
  for (auto& p : programas) p.join();
  EXPECT_EQ(parser.getNomesInstrumentos(arquivo).size(), static_cast<size_t>(kProgramas));
}

TEST_F(XMLInstrumentoParserTest, CopiaOPadraoNoPrimeiroUso) {
  const std::string enviado = colecao(completo("Enviado", 4, {1, 2, 3, 4}));
  padrao.escrever("instrumentos.xml", enviado);
  const auto arquivo = parser.prepararArquivo("instrumentos.xml");
  EXPECT_EQ(arquivo, pasta / "instrumentos.xml");
  EXPECT_EQ(teste::lerArquivo(arquivo), enviado);

  // The user's own file is never replaced by the shipped one.
  parser.addInstrumento(arquivo, kBaixo);
  const std::string doUsuario = teste::lerArquivo(arquivo);
  EXPECT_EQ(parser.prepararArquivo("instrumentos.xml"), arquivo);
  EXPECT_EQ(teste::lerArquivo(arquivo), doUsuario);

  // Nothing shipped: nothing is made, and reading reports the missing file.
  const auto semPadrao = parser.prepararArquivo("outro.xml");
  EXPECT_FALSE(fs::exists(semPadrao));
  EXPECT_THROW(parser.getNomesInstrumentos(semPadrao), FileNotFoundException);
}

TEST_F(XMLInstrumentoParserTest, LeDocumentosDaMemoria) {
  const std::string texto = XMLInstrumentoParser::gerarTexto({kViola, kUkulele});
  esperarIguais(parser.instrumentosDoTexto(texto), {kViola, kUkulele});
  EXPECT_EQ(parser.nomesDoTexto(texto), (std::vector<std::string>{kViola.getName(), "Ukulele"}));
  // A declared UTF-8 document is converted, with no change to the element structure.
  const auto utf8 = parser.instrumentosDoTexto("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" +
                                               colecao(completo("Viol\xC3\xA3o", 4, {1, 2, 3, 4})));
  ASSERT_EQ(utf8.size(), 1u);
  EXPECT_EQ(utf8[0].getName(), "Viol\xE3o");
}

}  // namespace
}  // namespace tessara
