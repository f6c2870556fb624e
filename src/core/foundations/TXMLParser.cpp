#include "foundations/TXMLParser.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <system_error>

#include "foundations/Cp1252.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

constexpr size_t FIM = std::string_view::npos;

// Entity text is scanned again; these bounds keep self-references and nested expansions of
// a hostile document finite. Past them a reference stays as its bare name. Our files use no
// entities at all: 16 KB of expansion is far beyond any real document and keeps a hostile
// one to a fraction of a millisecond.
constexpr int PROFUNDIDADE_MAXIMA = 8;
constexpr size_t ORCAMENTO_ENTIDADES = size_t{16} << 10;

constexpr char SEM_EQUIVALENTE = '\xBF';  // inverted question mark

bool branco(char c) { return texto::ehBranco(c); }

size_t pularBrancos(std::string_view t, size_t i) {
  while (i < t.size() && branco(t[i])) ++i;
  return i;
}

// Trims the text and turns every inner whitespace run into one blank.
std::string compactar(std::string_view t) {
  std::string saida;
  saida.reserve(t.size());
  bool espaco = false;
  for (char c : t) {
    if (branco(c)) {
      espaco = true;
      continue;
    }
    if (espaco && !saida.empty()) saida += ' ';
    espaco = false;
    saida += c;
  }
  return saida;
}

// UTF-8 to CP1252 with "¿" for characters the code page lacks. A "?" never occurs inside a
// multi-byte sequence, so the converter's own "?" replacements are the ones between the
// literal question marks.
void anexarDeUtf8(std::string& saida, std::string_view bruto) {
  size_t inicio = 0;
  while (true) {
    const size_t interrogacao = bruto.find('?', inicio);
    std::string parte = cp1252::deUtf8(bruto.substr(inicio, interrogacao - inicio));
    std::replace(parte.begin(), parte.end(), '?', SEM_EQUIVALENTE);
    saida += parte;
    if (interrogacao == FIM) return;
    saida += '?';
    inicio = interrogacao + 1;
  }
}

// The code point of a character reference such as "#233" or "#xE9"; -1 when unreadable.
long codigoReferencia(std::string_view nome) {
  const bool hexa = nome.size() > 1 && (nome[1] == 'x' || nome[1] == 'X');
  const std::string_view digitos = nome.substr(hexa ? 2 : 1);
  if (digitos.empty()) return -1;
  long valor = 0;
  for (char c : digitos) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    if (hexa && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    if (hexa && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (d < 0) return -1;
    valor = valor * (hexa ? 16 : 10) + d;
    if (valor > 0x10FFFF) return -1;
  }
  return valor;
}

char caractereReferencia(std::string_view nome) {
  const long codigo = codigoReferencia(nome);
  if (codigo <= 0) return ' ';
  const int byte = cp1252::codigoDe(static_cast<char32_t>(codigo));
  return byte < 0 ? SEM_EQUIVALENTE : static_cast<char>(byte);
}

int entidadePredefinida(std::string_view nome) {
  if (nome == "lt") return '<';
  if (nome == "gt") return '>';
  if (nome == "amp") return '&';
  if (nome == "apos") return '\'';
  if (nome == "quot") return '"';
  return -1;
}

// Calls `visitar` with each name="value" pair (quotes optional) until it returns false.
void percorrerAtributos(std::string_view t,
                        const std::function<bool(std::string_view, std::string_view)>& visitar) {
  size_t i = 0;
  while ((i = pularBrancos(t, i)) < t.size()) {
    const size_t inicioNome = i;
    while (i < t.size() && !branco(t[i]) && t[i] != '=') ++i;
    const std::string_view nome = t.substr(inicioNome, i - inicioNome);
    i = pularBrancos(t, i);
    std::string_view valor;
    if (i < t.size() && t[i] == '=') {
      i = pularBrancos(t, i + 1);
      const char aspas = i < t.size() ? t[i] : '\0';
      if (aspas == '"' || aspas == '\'') {
        const size_t fim = std::min(t.find(aspas, i + 1), t.size());
        valor = t.substr(i + 1, fim - i - 1);
        i = std::min(fim + 1, t.size());
      } else {
        const size_t inicioValor = i;
        while (i < t.size() && !branco(t[i])) ++i;
        valor = t.substr(inicioValor, i - inicioValor);
      }
    }
    if (!visitar(nome, valor)) return;
  }
}

}  // namespace

bool TXMLParser::LoadFromFile(const std::filesystem::path& arquivo) {
  documento_.clear();
  compactar_ = true;
  StartScan();
  std::error_code erro;
  // Only regular files: a device or a pipe could block or never end.
  if (!std::filesystem::is_regular_file(arquivo, erro)) return false;
  if (!std::ifstream(arquivo, std::ios::binary)) return false;
  documento_ = texto::lerArquivo(arquivo);
  return true;
}

void TXMLParser::LoadFromBuffer(std::string documento) {
  documento_ = std::move(documento);
  compactar_ = true;
  StartScan();
}

void TXMLParser::StartScan() {
  posicao_ = 0;
  utf8_ = false;
  orcamentoEntidades_ = ORCAMENTO_ENTIDADES;
  entidades_.clear();
  tipo_ = ptNone;
  nomeTag_.clear();
  conteudo_.clear();
  atributos_.clear();
}

bool TXMLParser::Scan() {
  while (posicao_ < documento_.size()) {
    if (documento_[posicao_] == '<') {
      lerMarcacao();
      return true;
    }
    if (lerConteudo()) return true;
  }
  iniciarParte(ptNone);
  return false;
}

void TXMLParser::iniciarParte(TPartType tipo) {
  tipo_ = tipo;
  conteudo_.clear();
  atributos_.clear();
  inicioAtributos_ = fimAtributos_ = 0;
}

const TXMLParser::TAttributes& TXMLParser::Attributes() {
  if (fimAtributos_ > inicioAtributos_) {
    const std::string_view texto =
        std::string_view(documento_).substr(inicioAtributos_, fimAtributos_ - inicioAtributos_);
    inicioAtributos_ = fimAtributos_ = 0;
    atributos_ = lerAtributos(texto);
  }
  return atributos_;
}

bool TXMLParser::comeca(std::string_view prefixo) const {
  return std::string_view(documento_).substr(posicao_).starts_with(prefixo);
}

void TXMLParser::lerMarcacao() {
  // Most markup is a plain tag: the second character tells it apart without comparing words.
  const size_t resto = documento_.size() - posicao_;
  const char segundo = resto > 1 ? documento_[posicao_ + 1] : '\0';
  if (segundo == '/') {
    lerEtiquetaFinal();
  } else if (segundo != '?' && segundo != '!') {
    lerEtiqueta();
  } else if (comeca("<?xml") && resto > 5 && branco(documento_[posicao_ + 5])) {
    lerDeclaracaoXml();
  } else if (comeca("<?")) {
    lerAte(ptPI, posicao_ + 2, "?>");
  } else if (comeca("<!--")) {
    lerAte(ptComment, posicao_ + 4, "-->");
  } else if (comeca("<![CDATA[")) {
    lerCData();
  } else if (comeca("<!DOCTYPE")) {
    lerDtd();
  } else {
    lerAte(ptDtdc, posicao_ + 2, ">");
  }
}

// The part runs from `inicio` to the end mark, or to the end of the document without one.
void TXMLParser::lerAte(TPartType tipo, size_t inicio, std::string_view fim) {
  iniciarParte(tipo);
  const size_t achado = documento_.find(fim, inicio);
  const size_t fimTexto = achado == FIM ? documento_.size() : achado;
  conteudo_.assign(documento_, inicio, fimTexto - inicio);
  posicao_ = achado == FIM ? documento_.size() : achado + fim.size();
}

void TXMLParser::lerDeclaracaoXml() {
  const size_t inicio = posicao_ + 5;
  lerAte(ptXmlProlog, inicio, "?>");
  inicioAtributos_ = inicio;
  fimAtributos_ = inicio + conteudo_.size();
  utf8_ = true;  // unless it names another encoding
  percorrerAtributos(conteudo_, [&](std::string_view nome, std::string_view valor) {
    if (nome != "encoding") return true;
    utf8_ = texto::iguaisSemCaixa(valor, "UTF-8");
    return false;
  });
}

void TXMLParser::lerCData() {
  lerAte(ptCData, posicao_ + 9, "]]>");
  if (utf8_) {
    std::string convertido;
    anexarTexto(convertido, conteudo_);
    conteudo_ = std::move(convertido);
  }
}

void TXMLParser::lerDtd() {
  iniciarParte(ptDtdc);
  const std::string_view doc = documento_;
  size_t i = posicao_ + 9;
  size_t inicioSubconjunto = FIM;
  size_t fimSubconjunto = FIM;
  int colchetes = 0;
  char aspas = 0;
  for (; i < doc.size(); ++i) {
    const char c = doc[i];
    if (aspas != 0) {
      if (c == aspas) aspas = 0;
    } else if (colchetes > 0 && doc.substr(i).starts_with("<!--")) {
      const size_t fimComentario = doc.find("-->", i + 4);
      if (fimComentario == FIM)
        i = doc.size() - 1;
      else
        i = fimComentario + 2;
    } else if (c == '"' || c == '\'') {
      aspas = c;
    } else if (c == '[') {
      if (colchetes++ == 0) inicioSubconjunto = i + 1;
    } else if (c == ']') {
      if (colchetes > 0 && --colchetes == 0) fimSubconjunto = i;
    } else if (c == '>' && colchetes == 0) {
      break;
    }
  }
  const size_t fim = std::min(i, doc.size());
  conteudo_.assign(documento_, posicao_ + 2, fim - (posicao_ + 2));
  if (inicioSubconjunto != FIM) {
    const size_t fimSub = fimSubconjunto == FIM ? fim : fimSubconjunto;
    lerEntidades(doc.substr(inicioSubconjunto, fimSub - inicioSubconjunto));
  }
  posicao_ = std::min(fim + 1, doc.size());
}

// Internal general entities only; parameter and external entities are not used by our files.
void TXMLParser::lerEntidades(std::string_view subconjunto) {
  constexpr std::string_view DECLARACAO = "<!ENTITY";
  size_t i = 0;
  while ((i = subconjunto.find(DECLARACAO, i)) != FIM) {
    i = pularBrancos(subconjunto, i + DECLARACAO.size());
    if (i < subconjunto.size() && subconjunto[i] == '%') continue;
    const size_t inicioNome = i;
    while (i < subconjunto.size() && !branco(subconjunto[i]) && subconjunto[i] != '"' &&
           subconjunto[i] != '\'' && subconjunto[i] != '>') {
      ++i;
    }
    const std::string_view nome = subconjunto.substr(inicioNome, i - inicioNome);
    i = pularBrancos(subconjunto, i);
    if (nome.empty() || i >= subconjunto.size()) continue;
    const char aspas = subconjunto[i];
    if (aspas != '"' && aspas != '\'') continue;
    const size_t fimValor = subconjunto.find(aspas, i + 1);
    if (fimValor == FIM) return;
    entidades_.emplace(std::string(nome), std::string(subconjunto.substr(i + 1, fimValor - i - 1)));
    i = fimValor + 1;
  }
}

void TXMLParser::lerEtiquetaFinal() {
  iniciarParte(ptEndTag);
  const std::string_view doc = documento_;
  size_t i = posicao_ + 2;
  const size_t inicioNome = i;
  while (i < doc.size() && !branco(doc[i]) && doc[i] != '>') ++i;
  nomeTag_.assign(doc.substr(inicioNome, i - inicioNome));
  const size_t fim = doc.find('>', i);
  posicao_ = fim == FIM ? doc.size() : fim + 1;
}

void TXMLParser::lerEtiqueta() {
  const std::string_view doc = documento_;
  size_t i = posicao_ + 1;
  const size_t inicioNome = i;
  while (i < doc.size() && !branco(doc[i]) && doc[i] != '>' && doc[i] != '/') ++i;
  const size_t fimNome = i;
  // The tag ends at the first ">" outside a quoted attribute value.
  bool aposIgual = false;
  char aspas = 0;
  for (; i < doc.size(); ++i) {
    const char c = doc[i];
    if (aspas != 0) {
      if (c == aspas) aspas = 0;
    } else if (c == '>') {
      break;
    } else if (c == '=') {
      aposIgual = true;
    } else if (aposIgual && (c == '"' || c == '\'')) {
      aspas = c;
      aposIgual = false;
    } else if (!branco(c)) {
      aposIgual = false;
    }
  }
  const bool fechada = i < doc.size();
  const bool vazia = fechada && i > fimNome && doc[i - 1] == '/';
  iniciarParte(vazia ? ptEmptyTag : ptStartTag);
  nomeTag_.assign(doc.substr(inicioNome, fimNome - inicioNome));
  inicioAtributos_ = fimNome;
  fimAtributos_ = vazia ? i - 1 : i;
  posicao_ = fechada ? i + 1 : doc.size();
}

TXMLParser::TAttributes TXMLParser::lerAtributos(std::string_view texto) {
  TAttributes atributos;
  percorrerAtributos(texto, [&](std::string_view nome, std::string_view valor) {
    atributos.emplace_back(std::string(nome), substituirReferencias(valor, 0));
    return true;
  });
  return atributos;
}

bool TXMLParser::lerConteudo() {
  const size_t fim = std::min(documento_.find('<', posicao_), documento_.size());
  const std::string_view bruto = std::string_view(documento_).substr(posicao_, fim - posicao_);
  posicao_ = fim;
  std::string texto = substituirReferencias(bruto, 0);
  if (compactar_) texto = compactar(texto);
  if (texto.empty()) return false;
  iniciarParte(ptContent);
  conteudo_ = std::move(texto);
  return true;
}

// References never reach past the text part they start in. Each search starts where the
// previous one ended, so a text full of "&" is still read in one pass.
std::string TXMLParser::substituirReferencias(std::string_view bruto, int profundidade) {
  std::string saida;
  saida.reserve(bruto.size());
  size_t i = 0;
  while (i < bruto.size()) {
    const size_t ecomercial = bruto.find('&', i);
    anexarTexto(saida, bruto.substr(i, ecomercial - i));
    if (ecomercial == FIM) break;
    const size_t pontoEVirgula = bruto.find(';', ecomercial + 1);
    if (pontoEVirgula == FIM) {
      // No ";" follows: this "&" and every later one are dropped.
      for (size_t k = ecomercial + 1; k <= bruto.size();) {
        const size_t proximo = std::min(bruto.find('&', k), bruto.size());
        anexarTexto(saida, bruto.substr(k, proximo - k));
        k = proximo + 1;
      }
      break;
    }
    anexarReferencia(saida, bruto.substr(ecomercial + 1, pontoEVirgula - ecomercial - 1),
                     profundidade);
    i = pontoEVirgula + 1;
  }
  return saida;
}

void TXMLParser::anexarReferencia(std::string& saida, std::string_view nome, int profundidade) {
  if (nome.starts_with('#')) {
    saida += caractereReferencia(nome);
    return;
  }
  if (const int c = entidadePredefinida(nome); c >= 0) {
    saida += static_cast<char>(c);
    return;
  }
  const auto declarada = entidades_.find(nome);
  const size_t custo =
      declarada == entidades_.end() ? 0 : std::max<size_t>(declarada->second.size(), 1);
  if (declarada != entidades_.end() && profundidade < PROFUNDIDADE_MAXIMA &&
      custo <= orcamentoEntidades_) {
    orcamentoEntidades_ -= custo;
    saida += substituirReferencias(declarada->second, profundidade + 1);
    return;
  }
  anexarTexto(saida, nome);
}

void TXMLParser::anexarTexto(std::string& saida, std::string_view bruto) const {
  if (utf8_) {
    anexarDeUtf8(saida, bruto);
  } else {
    saida += bruto;
  }
}

}  // namespace tessara
