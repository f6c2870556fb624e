#include "instruments/XMLInstrumentoParser.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "foundations/ArquivoAtomico.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/LeituraArquivo.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Texto.h"
#include "foundations/Textos.h"
#include "foundations/TravaArquivo.h"
#include "foundations/XMLParseException.h"
#include "instruments/BaseIlegivelException.h"

namespace tessara {

namespace {

const char* const CLASSE = "XMLInstrumentoParser";
const char* const FIM_LINHA = "\r\n";
// Far beyond any list of instruments a person keeps; a larger file is not one.
constexpr size_t TAMANHO_MAXIMO = 16 * 1024 * 1024;
constexpr int MINIMO_CORDAS_AFINACAO = 4;

// Where the reader is: the element whose text it would take.
enum class Estado {
  vazio,
  instrumento,
  nome,
  descricao,
  numeroCordas,
  numeroCasas,
  distancia,
  som,
  afinacao,
  frequencia
};

const std::pair<const char*, Estado> kElementosValor[] = {{"nome", Estado::nome},
                                                          {"descricao", Estado::descricao},
                                                          {"numeroCordas", Estado::numeroCordas},
                                                          {"numeroCasas", Estado::numeroCasas},
                                                          {"distancia", Estado::distancia},
                                                          {"som", Estado::som}};

// The values of one instrument as read so far. Each instrument starts from these defaults, so
// an element missing from a hand-made file never borrows the previous instrument's value.
struct Lido {
  std::string nome;
  std::string descricao;
  int numeroCordas = 0;
  int numeroCasas = 0;
  int distancia = 0;
  int som = 0;
  long long restantes = 0;  // strings still expected in `afinacao`
  std::vector<int> afinacao;
  std::string elementoInvalido;  // the first element whose text is not an integer

  // Fewer than four strings never have a tuning, also when a later `numeroCordas` lowered the
  // count after the tuning was read: the file written from it must read back the same.
  InstrumentoCordas instrumento() const {
    return InstrumentoCordas(nome, descricao, numeroCordas, numeroCasas, distancia, som,
                             numeroCordas >= MINIMO_CORDAS_AFINACAO ? afinacao : std::vector<int>{},
                             false);
  }
};

std::optional<Estado> elementoValor(const std::string& tag) {
  for (const auto& [nome, estado] : kElementosValor) {
    if (tag == nome) return estado;
  }
  return std::nullopt;
}

const char* nomeElemento(Estado estado) {
  for (const auto& [nome, e] : kElementosValor) {
    if (e == estado) return nome;
  }
  return "frequencia";
}

Estado aoAbrir(Estado estado, const std::string& tag, const Lido& lido) {
  if (tag == "instrumento" && estado == Estado::vazio) return Estado::instrumento;
  if (estado == Estado::instrumento) {
    if (const auto valor = elementoValor(tag)) return *valor;
    // With fewer than four strings (or no count yet) the tuning is not read.
    if (tag == "afinacao" && lido.numeroCordas >= MINIMO_CORDAS_AFINACAO) return Estado::afinacao;
  }
  if (tag == "frequencia" && estado == Estado::afinacao) return Estado::frequencia;
  return estado;
}

Estado aoFechar(Estado estado, const std::string& tag, const Lido& lido) {
  if (const auto valor = elementoValor(tag); valor && estado == *valor) return Estado::instrumento;
  // A tuning with more or fewer notes than strings keeps the reader inside it until the
  // instrument ends.
  if (tag == "afinacao" && estado == Estado::afinacao && lido.restantes == 0) {
    return Estado::instrumento;
  }
  if (tag == "frequencia" && estado == Estado::frequencia) return Estado::afinacao;
  return estado;
}

// A value outside what a real instrument has damages the instrument as a non-number does.
bool semLimite(int) { return true; }

std::optional<int> inteiro(const std::string& texto, Estado estado, Lido& lido,
                           bool (*valido)(int) = semLimite) {
  auto valor = texto::inteiro(texto);
  if (valor && !valido(*valor)) valor.reset();
  if (!valor && lido.elementoInvalido.empty()) lido.elementoInvalido = nomeElemento(estado);
  return valor;
}

void aoLerTexto(Estado estado, const std::string& texto, Lido& lido) {
  using I = InstrumentoCordas;
  std::optional<int> valor;
  switch (estado) {
    case Estado::nome: lido.nome = texto; break;
    case Estado::descricao: lido.descricao = texto; break;
    case Estado::numeroCordas:
      if ((valor = inteiro(texto, estado, lido, I::cordasValidas))) lido.numeroCordas = *valor;
      if (valor) lido.restantes = *valor;
      break;
    case Estado::numeroCasas:
      if ((valor = inteiro(texto, estado, lido, I::casasValidas))) lido.numeroCasas = *valor;
      break;
    case Estado::distancia:
      if ((valor = inteiro(texto, estado, lido, I::distanciaValida))) lido.distancia = *valor;
      break;
    case Estado::som:
      if ((valor = inteiro(texto, estado, lido))) lido.som = *valor;
      break;
    case Estado::frequencia:
      --lido.restantes;
      if ((valor = inteiro(texto, estado, lido, I::notaValida))) lido.afinacao.push_back(*valor);
      break;
    default: break;
  }
}

// One pass over the loaded document; `aoTerminar` receives each instrument at its end tag.
// An end tag with no instrument open is no instrument: a stray one in a damaged file would
// otherwise become an empty instrument, and be written back as one.
void percorrer(TXMLParser& xml, const std::function<void(const Lido&)>& aoTerminar) {
  xml.StartScan();
  Estado estado = Estado::vazio;
  Lido lido;
  while (xml.Scan()) {
    const std::string& tag = xml.TagName();
    switch (xml.PartKind()) {
      case ptStartTag: estado = aoAbrir(estado, tag, lido); break;
      case ptEndTag:
        if (tag == "instrumento") {
          if (estado != Estado::vazio) aoTerminar(lido);
          lido = Lido();
          estado = Estado::vazio;
        } else {
          estado = aoFechar(estado, tag, lido);
        }
        break;
      case ptContent: aoLerTexto(estado, xml.Content(), lido); break;
      default: break;
    }
  }
}

// Why a loaded document is no instrument list we can rewrite without losing something (a file
// cut short, random bytes), or nothing. The scanner itself never fails, so this is checked
// apart: one root, every element it opens closed, no text outside. A stray end tag loses
// nothing and is let be, as the reader lets it be.
std::string defeitoEstrutura(TXMLParser& xml) {
  xml.StartScan();
  std::vector<std::string> abertos;
  bool raiz = false;
  while (xml.Scan()) {
    const std::string& tag = xml.TagName();
    switch (xml.PartKind()) {
      case ptStartTag:
        if (abertos.empty() && raiz) return "a second root element <" + tag + ">";
        abertos.push_back(tag);
        raiz = true;
        break;
      case ptEndTag: {
        const auto aberto = std::find(abertos.rbegin(), abertos.rend(), tag);
        if (aberto != abertos.rend()) abertos.erase(std::prev(aberto.base()), abertos.end());
        break;
      }
      case ptContent:
      case ptCData:
        if (abertos.empty()) return "text outside the instrument list";
        break;
      default: break;
    }
  }
  if (!abertos.empty()) return "the file ends inside <" + abertos.back() + ">: it was cut short";
  return "";
}

std::filesystem::path arquivoDanificado(const std::filesystem::path& arquivo) {
  auto copia = arquivo;
  copia += ".damaged";
  return copia;
}

std::string escapar(const std::string& texto) {
  std::string saida;
  saida.reserve(texto.size());
  for (char c : texto) {
    if (c == '&')
      saida += "&amp;";
    else if (c == '<')
      saida += "&lt;";
    else if (c == '>')
      saida += "&gt;";
    else
      saida += c;
  }
  return saida;
}

void linha(std::string& saida, int nivel, const std::string& elemento, const std::string& valor) {
  saida.append(static_cast<size_t>(nivel), '\t');
  saida += "<" + elemento + ">" + valor + "</" + elemento + ">" + FIM_LINHA;
}

void marca(std::string& saida, int nivel, const std::string& marcaXml) {
  saida.append(static_cast<size_t>(nivel), '\t');
  saida += marcaXml + FIM_LINHA;
}

std::string textoDoCaminho(const std::filesystem::path& arquivo) {
  return cp1252::deUtf8(arquivo.string());
}

}  // namespace

XMLInstrumentoParser::XMLInstrumentoParser(const Textos& idioma, std::filesystem::path pastaUsuario,
                                           std::filesystem::path pastaPadrao)
    : idioma_(idioma),
      pastaUsuario_(std::move(pastaUsuario)),
      pastaPadrao_(std::move(pastaPadrao)) {}

std::filesystem::path XMLInstrumentoParser::prepararArquivo(
    const std::filesystem::path& nomeArquivo, std::string* erro) const {
  const auto usuario = pastaUsuario_ / nomeArquivo;
  std::error_code ec;
  if (std::filesystem::exists(usuario, ec)) return usuario;
  const auto padrao = pastaPadrao_ / nomeArquivo;
  if (!std::filesystem::is_regular_file(padrao, ec)) return usuario;
  std::string motivo;
  if (ArquivoAtomico::escrever(usuario, texto::lerArquivo(padrao), &motivo)) return usuario;
  if (erro != nullptr) *erro = motivo;
  return padrao;
}

std::string XMLInstrumentoParser::texto(const char* chave) const {
  return idioma_.getTexto("exception", chave);
}

void XMLInstrumentoParser::carregar(const std::filesystem::path& arquivo, const char* metodo) {
  auto leitura = LeituraArquivo::ler(arquivo, TAMANHO_MAXIMO);
  using S = LeituraArquivo::Situacao;
  if (leitura.situacao() == S::ausente) {
    const std::string caminho = textoDoCaminho(arquivo);
    throw FileNotFoundException(texto("baseInstrumentosNaoEncontrada") + caminho + "'", caminho,
                                CLASSE, metodo);
  }
  if (leitura.situacao() == S::grandeDemais) recusarIlegivel(arquivo, leitura.motivo(), metodo);
  if (!leitura.lida()) recusarIlegivel(arquivo, leitura.motivo(), metodo, false);
  if (leitura.conteudo().find('\0') != std::string::npos) {
    recusarIlegivel(arquivo, "not 8-bit text (UTF-16?)", metodo);
  }
  xml_.LoadFromBuffer(std::move(leitura.conteudo()));
  const std::string defeito = defeitoEstrutura(xml_);
  if (!defeito.empty()) recusarIlegivel(arquivo, defeito, metodo);
}

// A damaged file is kept beside before anything may replace it; one that cannot be kept, or
// is no file at all, must not be replaced.
void XMLInstrumentoParser::recusarIlegivel(const std::filesystem::path& arquivo,
                                           const std::string& motivo, const char* metodo,
                                           bool guardar) const {
  std::string mensagem = texto("baseInstrumentosIlegivel") + textoDoCaminho(arquivo) + "' (" +
                         cp1252::deUtf8(motivo) + ").";
  std::filesystem::path copia;
  if (guardar && ArquivoAtomico::copiar(arquivo, arquivoDanificado(arquivo))) {
    copia = arquivoDanificado(arquivo);
    mensagem += " " + texto("baseInstrumentosCopiada") + textoDoCaminho(copia) + "'";
  } else {
    mensagem += " " + texto("baseInstrumentosIntocavel");
  }
  throw BaseIlegivelException(mensagem, copia, CLASSE, metodo);
}

std::vector<std::string> XMLInstrumentoParser::lerNomes() {
  std::vector<std::string> nomes;
  percorrer(xml_, [&](const Lido& lido) { nomes.push_back(lido.nome); });
  return nomes;
}

XMLInstrumentoParser::Lidos XMLInstrumentoParser::lerComDanos() {
  Lidos lidos;
  percorrer(xml_, [&](const Lido& lido) {
    lidos.instrumentos.push_back(lido.instrumento());
    lidos.invalidos.push_back(lido.elementoInvalido);
  });
  return lidos;
}

void XMLInstrumentoParser::recusarDanos(const Lidos& lidos, int exceto) const {
  for (size_t i = 0; i < lidos.invalidos.size(); ++i) {
    const std::string& invalido = lidos.invalidos[i];
    if (invalido.empty() || static_cast<int>(i) == exceto) continue;
    throw XMLParseException(texto("parseError") + invalido + ")", invalido, CLASSE,
                            "getInstrumento");
  }
}

std::vector<InstrumentoCordas> XMLInstrumentoParser::lerTodos() {
  auto lidos = lerComDanos();
  recusarDanos(lidos);
  return std::move(lidos.instrumentos);
}

std::vector<std::string> XMLInstrumentoParser::getNomesInstrumentos(
    const std::filesystem::path& arquivo) {
  carregar(arquivo, "getNomesInstrumentos");
  return lerNomes();
}

InstrumentoCordas XMLInstrumentoParser::getInstrumento(const std::filesystem::path& arquivo,
                                                       int posicao) {
  carregar(arquivo, "getInstrumento");
  std::optional<Lido> achado;
  int contador = 0;
  percorrer(xml_, [&](const Lido& lido) {
    if (contador++ == posicao) achado = lido;
  });
  if (!achado) {
    throw OutOfBoundsException(texto("indiceInvalido") + std::to_string(posicao) + "'", posicao,
                               CLASSE, "getInstrumento");
  }
  if (!achado->elementoInvalido.empty()) {
    const std::string& elemento = achado->elementoInvalido;
    throw XMLParseException(texto("parseError") + elemento + ")", elemento, CLASSE,
                            "getInstrumento");
  }
  return achado->instrumento();
}

std::vector<InstrumentoCordas> XMLInstrumentoParser::getInstrumentos(
    const std::filesystem::path& arquivo) {
  carregar(arquivo, "getNomesInstrumentos");
  return lerTodos();
}

std::vector<std::string> XMLInstrumentoParser::nomesDoTexto(std::string documento) {
  xml_.LoadFromBuffer(std::move(documento));
  return lerNomes();
}

std::vector<InstrumentoCordas> XMLInstrumentoParser::instrumentosDoTexto(std::string documento) {
  xml_.LoadFromBuffer(std::move(documento));
  return lerTodos();
}

// Rewriting a file that could not be read would replace the user's instruments with nothing,
// unless it has been kept aside.
XMLInstrumentoParser::Lidos XMLInstrumentoParser::lerParaAlterar(
    const std::filesystem::path& arquivo) {
  try {
    carregar(arquivo, "getNomesInstrumentos");
  } catch (const BaseIlegivelException& e) {
    if (!e.podeReescrever()) throw;
    return {};
  }
  return lerComDanos();
}

void XMLInstrumentoParser::verificarPosicao(int posicao, size_t quantidade,
                                            const char* metodo) const {
  if (static_cast<size_t>(static_cast<unsigned>(posicao)) >= quantidade) {
    throw OutOfBoundsException(texto("indiceInvalido") + std::to_string(posicao) + "'", posicao,
                               CLASSE, metodo);
  }
}

void XMLInstrumentoParser::addInstrumento(const std::filesystem::path& arquivo,
                                          const InstrumentoCordas& instrumento) {
  const TravaArquivo trava(arquivo);
  auto lidos = lerParaAlterar(arquivo);
  recusarDanos(lidos);
  auto& instrumentos = lidos.instrumentos;
  instrumentos.push_back(instrumento);
  salvar(arquivo, instrumentos);
}

void XMLInstrumentoParser::editInstrumento(const std::filesystem::path& arquivo, int posicao,
                                           const InstrumentoCordas& instrumento) {
  const TravaArquivo trava(arquivo);
  auto lidos = lerParaAlterar(arquivo);
  recusarDanos(lidos);
  auto& instrumentos = lidos.instrumentos;
  verificarPosicao(posicao, instrumentos.size(), "editInstrumento");
  instrumentos[static_cast<size_t>(posicao)] = instrumento;
  salvar(arquivo, instrumentos);
}

void XMLInstrumentoParser::delInstrumento(const std::filesystem::path& arquivo, int posicao) {
  const TravaArquivo trava(arquivo);
  auto lidos = lerParaAlterar(arquivo);
  auto& instrumentos = lidos.instrumentos;
  verificarPosicao(posicao, instrumentos.size(), "delInstrumento");
  // A damaged instrument can still be removed; the others must be sound to be written again.
  recusarDanos(lidos, posicao);
  instrumentos.erase(instrumentos.begin() + posicao);
  salvar(arquivo, instrumentos);
}

void XMLInstrumentoParser::salvar(const std::filesystem::path& arquivo,
                                  const std::vector<InstrumentoCordas>& instrumentos) {
  std::string motivo;
  if (!ArquivoAtomico::escrever(arquivo, gerarTexto(instrumentos), &motivo)) {
    throw DException(texto("erroGravarBaseInstrumentos") + textoDoCaminho(arquivo) + "' (" +
                         cp1252::deUtf8(motivo) + ")",
                     CLASSE, "salvar");
  }
}

std::string XMLInstrumentoParser::nomeRelido(const std::string& nome) {
  TXMLParser xml;
  xml.LoadFromBuffer(gerarTexto({InstrumentoCordas(nome, "", 0, 0, 0, 0, {}, false)}));
  std::string relido;
  percorrer(xml, [&](const Lido& lido) { relido = lido.nome; });
  return relido;
}

std::string XMLInstrumentoParser::gerarTexto(const std::vector<InstrumentoCordas>& instrumentos) {
  std::string saida;
  marca(saida, 0, "<colecaoInstrumento>");
  for (const auto& instrumento : instrumentos) {
    marca(saida, 1, "<instrumento>");
    linha(saida, 2, "nome", escapar(instrumento.getName()));
    linha(saida, 2, "descricao", escapar(instrumento.getDescricao()));
    linha(saida, 2, "numeroCordas", std::to_string(instrumento.getNumeroCordas()));
    linha(saida, 2, "numeroCasas", std::to_string(instrumento.getNumeroCasas()));
    linha(saida, 2, "distancia", std::to_string(instrumento.getDistancia()));
    linha(saida, 2, "som", std::to_string(instrumento.getSom()));
    marca(saida, 2, "<afinacao>");
    for (int nota : instrumento.getAfinacao()) linha(saida, 3, "frequencia", std::to_string(nota));
    marca(saida, 2, "</afinacao>");
    marca(saida, 1, "</instrumento>");
  }
  marca(saida, 0, "</colecaoInstrumento>");
  return saida;
}

}  // namespace tessara
