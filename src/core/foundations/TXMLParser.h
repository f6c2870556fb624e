#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessara {

enum TPartType {
  ptNone,
  ptXmlProlog,
  ptComment,
  ptPI,
  ptDtdc,
  ptStartTag,
  ptEmptyTag,
  ptEndTag,
  ptContent,
  ptCData
};

// A forward-only scanner for the program's XML files: it hands out one part of the document
// after another and builds no tree. It never fails on malformed input: misnested tags come
// out as they stand, an unclosed tag runs to the end, and checking structure is the reader's
// job. Texts come out in CP1252; a document is converted from UTF-8 only when its declaration
// says UTF-8 or names no encoding, so the 8-bit files the program writes read back unchanged.
class TXMLParser {
 public:
  using TAttributes = std::vector<std::pair<std::string, std::string>>;

  TXMLParser() = default;

  // Reads the whole file; false (and an empty document) when it is not a readable file.
  bool LoadFromFile(const std::filesystem::path& arquivo);
  void LoadFromBuffer(std::string documento);

  void StartScan();
  // The next part; false at the end of the document.
  bool Scan();

  TPartType PartKind() const { return tipo_; }
  // The element name of the last tag, kept during the text that follows it.
  const std::string& TagName() const { return nomeTag_; }
  const std::string& Content() const { return conteudo_; }
  // Read on demand: our readers never ask, and a hostile tag may hold millions of them.
  const TAttributes& Attributes();

  // Text parts trimmed, inner whitespace runs as one blank, empty ones skipped. On after loading.
  bool PackWhitespace() const { return compactar_; }
  void PackWhitespace(bool ligado) { compactar_ = ligado; }

 private:
  void iniciarParte(TPartType tipo);
  void lerMarcacao();
  void lerDeclaracaoXml();
  void lerAte(TPartType tipo, size_t inicio, std::string_view fim);
  void lerCData();
  void lerDtd();
  void lerEtiquetaFinal();
  void lerEtiqueta();
  bool lerConteudo();

  // The attributes of a tag's text, values with their references replaced.
  TAttributes lerAtributos(std::string_view texto);
  void lerEntidades(std::string_view subconjunto);

  std::string substituirReferencias(std::string_view bruto, int profundidade);
  void anexarReferencia(std::string& saida, std::string_view nome, int profundidade);
  void anexarTexto(std::string& saida, std::string_view bruto) const;

  bool comeca(std::string_view prefixo) const;

  std::string documento_;
  size_t posicao_ = 0;
  bool utf8_ = false;
  bool compactar_ = true;
  size_t orcamentoEntidades_ = 0;
  std::map<std::string, std::string, std::less<>> entidades_;

  TPartType tipo_ = ptNone;
  std::string nomeTag_;
  std::string conteudo_;
  TAttributes atributos_;
  size_t inicioAtributos_ = 0;  // the current tag's attribute text, read when asked for
  size_t fimAtributos_ = 0;
};

}  // namespace tessara
