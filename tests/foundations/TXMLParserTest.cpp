#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "foundations/TXMLParser.h"

namespace tessara {
namespace {

const char* const kTipos[] = {"None",     "Prolog", "Comment", "PI",   "Dtdc",
                              "StartTag", "Empty",  "EndTag",  "Text", "CData"};

// Each part as "Kind tag" for tags and "Kind[text]" for the others.
std::vector<std::string> partes(TXMLParser& xml) {
  std::vector<std::string> r;
  xml.StartScan();
  while (xml.Scan()) {
    const TPartType t = xml.PartKind();
    const bool etiqueta = t == ptStartTag || t == ptEmptyTag || t == ptEndTag;
    r.push_back(std::string(kTipos[t]) +
                (etiqueta ? " " + xml.TagName() : "[" + xml.Content() + "]"));
  }
  EXPECT_EQ(xml.PartKind(), ptNone);
  return r;
}

std::vector<std::string> partes(const std::string& documento) {
  TXMLParser xml;
  xml.LoadFromBuffer(documento);
  return partes(xml);
}

// The single text part of a document.
std::string texto(const std::string& documento) {
  std::string r;
  for (const auto& p : partes(documento)) {
    if (p.starts_with("Text[")) r += p.substr(5, p.size() - 6) + "|";
  }
  return r.empty() ? r : r.substr(0, r.size() - 1);
}

TEST(TXMLParser, SequenciaDePartes) {
  EXPECT_EQ(partes("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
                   "<!DOCTYPE c>\r\n<!-- nota -->\r\n<?proc x?>\r\n"
                   "<c>\r\n\t<i a=\"1\">\r\n\t\t<nome>Viola</nome>\r\n\t\t<nome/>\r\n"
                   "\t\t<nome><![CDATA[ <b> ]]></nome>\r\n\t</i>\r\n</c>\r\n"),
            (std::vector<std::string>{"Prolog[ version=\"1.0\" encoding=\"windows-1252\"]",
                                      "Dtdc[DOCTYPE c]", "Comment[ nota ]", "PI[proc x]",
                                      "StartTag c", "StartTag i", "StartTag nome", "Text[Viola]",
                                      "EndTag nome", "Empty nome", "StartTag nome", "CData[ <b> ]",
                                      "EndTag nome", "EndTag i", "EndTag c"}));
  EXPECT_TRUE(partes("").empty());
  EXPECT_TRUE(partes(" \r\n\t ").empty());
}

TEST(TXMLParser, RegrasDoTexto) {
  struct Caso {
    const char* documento;
    const char* esperado;
  };
  const Caso casos[] = {
      {"<nome>  Viola   caipira\r\n</nome>", "Viola caipira"},
      {"<n>Rock &amp; Roll</n>", "Rock & Roll"},
      {"<n>&lt;b&gt; &apos;x&apos; &quot;y&quot;</n>", "<b> 'x' \"y\""},
      // A bare "&" with no ";" after it is dropped; with one, the text up to it is a name.
      {"<n>Rock & Roll</n>", "Rock Roll"},
      {"<n>Rock &Roll; live</n>", "Rock Roll live"},
      {"<n>a&b&c</n>", "abc"},
      // A reference never reaches past its own text part.
      {"<n>a & b</n><m>c;d</m>", "a b|c;d"},
      {"<n>&#233;t&#xE9; &#x20AC;</n>", "\xE9t\xE9 \x80"},
      {"<n>a&#xZZ;b&#;c</n>", "a b c"},
      {"<n>&#20013;</n>", "\xBF"},
      {"<n>&#9;x&#32;&#32;y&#10;</n>", "x y"},
      // 8-bit text without a declaration stays byte for byte.
      {"<n>\xC3\xA3 Viol\xE3o</n>", "\xC3\xA3 Viol\xE3o"},
      // UTF-8 is converted when the declaration names it or no encoding at all...
      {"<?xml version=\"1.0\"?><n>\xC3\xA3</n>", "\xE3"},
      {"<?xml version='1.0' encoding='utf-8'?><n>\xE2\x82\xAC \xE4\xB8\xAD?</n>", "\x80 \xBF?"},
      // ... and malformed bytes survive as they stand.
      {"<?xml version=\"1.0\"?><n>Viol\xE3o</n>", "Viol\xE3o"},
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><n>\xC3\xA3</n>", "\xC3\xA3"},
      // Entities of the document's own DTD, scanned again.
      {"<!DOCTYPE c [<!ENTITY v \"viola\"><!ENTITY vc '&v; &amp; caipira'>]><c>&vc;!</c>",
       "viola & caipira!"},
      {"<!DOCTYPE c [<!-- ] ' --><!ENTITY v \"x\">]><c>&v;</c>", "x"},
      {"<!DOCTYPE c [<!ENTITY % p \"x\"><!ENTITY e SYSTEM \"e.txt\">]><c>&p;&e;</c>", "pe"},
      {"<n>&desconhecida;</n>", "desconhecida"},
  };
  for (const auto& c : casos) EXPECT_EQ(texto(c.documento), c.esperado) << c.documento;
}

TEST(TXMLParser, EntidadesHostisTerminam) {
  // Self-reference and exponential growth stop at bounded depth and size; what is past the
  // bounds stays as bare names.
  EXPECT_EQ(texto("<!DOCTYPE c [<!ENTITY a \"&a;\">]><c>&a;</c>"), "a");
  for (int niveis : {7, 12}) {
    std::string dtd = "<!DOCTYPE c [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < niveis; ++i) {
      dtd += "<!ENTITY l" + std::to_string(i) + " \"";
      for (int k = 0; k < 10; ++k) dtd += "&l" + std::to_string(i - 1) + ";";
      dtd += "\">";
    }
    const std::string r = texto(dtd + "]><c>&l" + std::to_string(niveis - 1) + ";</c>");
    EXPECT_LT(r.size(), size_t{16} << 20) << niveis;
    EXPECT_EQ(r.find("lol") != std::string::npos, niveis == 7) << niveis;
  }
}

TEST(TXMLParser, DocumentosMalFormados) {
  struct Caso {
    const char* documento;
    std::vector<std::string> esperado;
  };
  const Caso casos[] = {
      {"<a><b></a></b>", {"StartTag a", "StartTag b", "EndTag a", "EndTag b"}},
      {"<a>x<b y=\"1>2\" z", {"StartTag a", "Text[x]", "StartTag b"}},
      {"<a>x</a", {"StartTag a", "Text[x]", "EndTag a"}},
      {"<a><!-- sem fim <b>x</b>", {"StartTag a", "Comment[ sem fim <b>x</b>]"}},
      {"<a><![CDATA[x", {"StartTag a", "CData[x]"}},
      {"<a>1 < 2</a>", {"StartTag a", "Text[1]", "StartTag "}},
      {"<", {"StartTag "}},
      {"<a\"b>t</a>", {"StartTag a\"b", "Text[t]", "EndTag a"}},
      {"<!DOCTYPE c [<!ENTITY e \"x", {"Dtdc[DOCTYPE c [<!ENTITY e \"x]"}},
      {"texto solto", {"Text[texto solto]"}},
  };
  for (const auto& c : casos) EXPECT_EQ(partes(c.documento), c.esperado) << c.documento;
}

TEST(TXMLParser, NomeDaEtiquetaEAtributos) {
  TXMLParser xml;
  xml.LoadFromBuffer("<nome a=\"1 &amp; 2\" b='>' c=3 d/><x>abc</x>");
  xml.StartScan();
  ASSERT_TRUE(xml.Scan());
  EXPECT_EQ(xml.PartKind(), ptEmptyTag);
  EXPECT_EQ(xml.Attributes(),
            (TXMLParser::TAttributes{{"a", "1 & 2"}, {"b", ">"}, {"c", "3"}, {"d", ""}}));
  ASSERT_TRUE(xml.Scan());
  ASSERT_TRUE(xml.Scan());
  EXPECT_EQ(xml.PartKind(), ptContent);
  EXPECT_EQ(xml.TagName(), "x");  // the text's element
  EXPECT_TRUE(xml.Attributes().empty());
  xml.StartScan();
  EXPECT_EQ(xml.TagName(), "");
  EXPECT_EQ(xml.PartKind(), ptNone);
}

TEST(TXMLParser, SemCompactacaoOTextoFicaComoEsta) {
  TXMLParser xml;
  xml.LoadFromBuffer("<a> x  y </a>\r\n<b/>");
  xml.PackWhitespace(false);
  EXPECT_EQ(partes(xml), (std::vector<std::string>{"StartTag a", "Text[ x  y ]", "EndTag a",
                                                   "Text[\r\n]", "Empty b"}));
  xml.LoadFromBuffer("<a> x  y </a>");
  EXPECT_TRUE(xml.PackWhitespace());
}

TEST(TXMLParser, CarregarArquivo) {
  teste::PastaTemporaria pasta;
  TXMLParser xml;
  EXPECT_TRUE(xml.LoadFromFile(pasta.escrever("a.xml", "<a>x</a>")));
  EXPECT_EQ(partes(xml).size(), 3u);
  EXPECT_FALSE(xml.LoadFromFile(pasta / "falta.xml"));
  EXPECT_TRUE(partes(xml).empty());
  EXPECT_FALSE(xml.LoadFromFile(pasta.caminho()));
  EXPECT_FALSE(xml.LoadFromFile("/dev/zero"));
}

TEST(TXMLParser, EntradasEnormesSaoLidasNumaPassada) {
  // Quadratic scanning would not finish these in any reasonable time.
  const size_t tamanho = size_t{4} << 20;
  EXPECT_EQ(texto("<a>" + std::string(tamanho, '&') + "</a>"), "");
  EXPECT_EQ(texto("<a>" + std::string(tamanho, '&') + ";</a>").size(), tamanho - 1);
  EXPECT_EQ(partes(std::string(tamanho, '<')).size(), 1u);
  std::string vazias;
  for (size_t i = 0; i < tamanho / 2; ++i) vazias += "<>";
  EXPECT_EQ(partes(vazias).size(), tamanho / 2);
  EXPECT_EQ(partes("<a b=\"" + std::string(tamanho, '>')).size(), 1u);
  EXPECT_EQ(texto("<a>" + std::string(tamanho, ' ') + "x</a>"), "x");
}

}  // namespace
}  // namespace tessara
