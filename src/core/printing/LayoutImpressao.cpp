#include "printing/LayoutImpressao.h"

#include <algorithm>

#include "foundations/Texto.h"
#include "printing/DiagramaImpressao.h"

namespace tessara {

namespace {

const std::string FACE_CABECALHO = "Arial";
const std::string FACE_TEXTO = "Courier New";

int truncar(double valor) { return static_cast<int>(valor); }

}  // namespace

LayoutImpressao::LayoutImpressao(Superficie& superficie, const MedidasPagina& medidas,
                                 const Especialista& especialista)
    : superficie_(superficie),
      medidas_(medidas),
      especialista_(especialista),
      unidadeX_(medidas.larguraDiagrama),
      unidadeY_(medidas.alturaDiagrama),
      posicaoY_(medidas.margemSuperior) {}

int LayoutImpressao::desenhar(const std::string& titulo, const std::string& url,
                              const TrabalhoImpressao& trabalho) {
  if (trabalho.conteudo == TrabalhoImpressao::CANCIONEIRO) {
    desenharCancioneiro(trabalho);
    return numeroPaginas_;
  }
  const bool comTexto = trabalho.conteudo == TrabalhoImpressao::TEXTO_E_DIAGRAMAS ||
                        trabalho.conteudo == TrabalhoImpressao::TEXTO;
  escreverCabecalho(titulo, url, comTexto ? trabalho.tituloTexto : std::string());
  const int espaco = medidas_.unidades(120);
  switch (trabalho.conteudo) {
    case TrabalhoImpressao::TEXTO_E_DIAGRAMAS:
      avancar(espaco);
      escreverTexto(trabalho.texto);
      avancar(espaco);
      desenharDiagramas(trabalho);
      avancar(espaco);
      break;
    case TrabalhoImpressao::DIAGRAMAS:
      avancar(espaco);
      desenharDiagramas(trabalho);
      avancar(espaco);
      break;
    case TrabalhoImpressao::TEXTO:
      avancar(espaco);
      escreverTexto(trabalho.texto);
      break;
    default: break;
  }
  return numeroPaginas_;
}

void LayoutImpressao::escreverCabecalho(const std::string& titulo, const std::string& url,
                                        const std::string& cancao) {
  // A song's sheet is headed by its title, the program's name under it in the smaller face.
  if (cancao.empty()) {
    escreverLinhaCentrada(titulo, medidas_.alturaFonteTitulo);
  } else {
    escreverLinhaCentrada(cancao, medidas_.alturaFonteTitulo);
    escreverLinhaCentrada(titulo, medidas_.alturaFonteUrl);
  }
  // A language without a web address of its own shows none.
  if (!url.empty()) escreverLinhaCentrada(url, medidas_.alturaFonteUrl);
}

void LayoutImpressao::escreverLinhaCentrada(const std::string& texto, int altura) {
  superficie_.setFonte(FACE_CABECALHO, altura);
  escreverLinha(texto, altura, medidas_.largura / 2 - superficie_.larguraTexto(texto) / 2);
}

void LayoutImpressao::escreverLinha(const std::string& texto, int altura, int x) {
  superficie_.setFonte(FACE_CABECALHO, altura);
  superficie_.escreverTexto(x, truncar(posicaoY_), texto);
  avancar(superficie_.alturaTexto("A") + medidas_.unidades(20));
}

std::vector<std::string> LayoutImpressao::linhasTexto(std::string_view texto) {
  std::string preparado;
  preparado.reserve(texto.size());
  for (size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\t') {
      preparado += "  ";
    } else if (c == '\r' && (i + 1 == texto.size() || texto[i + 1] != '\n')) {
      preparado += '\n';  // a line end of its own
    } else {
      preparado += c;
    }
  }
  auto linhas = texto::linhas(preparado);
  if (!linhas.empty() && linhas.front().empty()) linhas.erase(linhas.begin());
  for (auto& linha : linhas) {
    if (linha.empty()) linha.push_back(' ');
  }
  return linhas;
}

// What of a line can show on the page: as many of the narrowest character as the page is
// wide. Past the right edge nothing is seen, and laying out a line of megabytes whole takes
// tens of bytes per character.
size_t LayoutImpressao::caracteresVisiveis() const {
  int estreito = medidas_.largura;
  for (const char* c : {" ", ".", "i", "l", "'", "|"}) {
    estreito = std::min(estreito, superficie_.larguraTexto(c));
  }
  return static_cast<size_t>(medidas_.largura / std::max(1, estreito)) + 1;
}

void LayoutImpressao::escreverTexto(const std::string& texto) {
  superficie_.setFonte(FACE_TEXTO, medidas_.alturaFonteTexto);
  const int alturaLinha = superficie_.alturaTexto("A");
  const size_t visiveis = caracteresVisiveis();
  for (const auto& linha : linhasTexto(texto)) {
    if (medidas_.altura - medidas_.margemInferior - alturaLinha < posicaoY_) novaPagina();
    superficie_.escreverTexto(medidas_.margemEsquerda, truncar(posicaoY_),
                              linha.size() > visiveis ? linha.substr(0, visiveis) : linha);
    avancar(alturaLinha + medidas_.unidades(20));
  }
}

std::vector<int> LayoutImpressao::diagramasPorLinha(int diagramas, int porLinha) {
  if (diagramas <= 0) return {};
  porLinha = std::max(1, porLinha);
  const int linhas = (diagramas + porLinha - 1) / porLinha;
  std::vector<int> resultado(static_cast<size_t>(linhas), diagramas / linhas);
  for (int i = 0; i < diagramas % linhas; ++i) ++resultado[static_cast<size_t>(i)];
  return resultado;
}

std::vector<TrabalhoImpressao::Grupo> LayoutImpressao::trechos(const TrabalhoImpressao& trabalho) {
  const int total = trabalho.posicoes.size();
  std::vector<TrabalhoImpressao::Grupo> resultado;
  int proxima = 0;
  auto semCabecalho = [&](int ate) {
    if (ate > proxima) resultado.push_back({"", "", proxima, ate - proxima});
    proxima = std::max(proxima, ate);
  };
  if (trabalho.grupos != nullptr) {
    for (auto grupo : *trabalho.grupos) {
      // Runs that overlap or pass the end are cut to what is left.
      const int inicio = std::clamp(grupo.primeira, proxima, total);
      const int fim = std::clamp(grupo.primeira + grupo.quantidade, inicio, total);
      semCabecalho(inicio);
      if (fim == inicio) continue;
      grupo.primeira = inicio;
      grupo.quantidade = fim - inicio;
      resultado.push_back(std::move(grupo));
      proxima = fim;
    }
  }
  semCabecalho(total);
  return resultado;
}

void LayoutImpressao::desenharDiagramas(const TrabalhoImpressao& trabalho) {
  for (const auto& trecho : trechos(trabalho)) {
    if (!trecho.titulo.empty() || !trecho.detalhe.empty()) escreverTituloGrupo(trecho);
    desenharLinhas(trabalho, trecho.primeira, trecho.quantidade);
  }
}

// A song's title and, beside it, its key and capo, above its diagrams and on their page.
void LayoutImpressao::escreverTituloGrupo(const TrabalhoImpressao::Grupo& grupo) {
  const int altura = medidas_.alturaFonteUrl;
  superficie_.setFonte(FACE_CABECALHO, altura);
  const double linha = superficie_.alturaTexto("A") + medidas_.unidades(20);
  if (posicaoY_ > medidas_.altura - medidas_.margemInferior - linha - 1.8 * unidadeY_) {
    novaPagina();
  }
  std::string texto = grupo.titulo;
  if (!grupo.detalhe.empty()) texto += (texto.empty() ? "" : "   ") + grupo.detalhe;
  escreverLinha(texto, altura, medidas_.margemEsquerda);
}

void LayoutImpressao::desenharLinhas(const TrabalhoImpressao& trabalho, int primeira, int total) {
  const int utilizavel = medidas_.largura - medidas_.margemEsquerda - medidas_.margemDireita;
  const int porLinha = truncar(utilizavel / (1.8 * unidadeX_));
  for (int quantidade : diagramasPorLinha(total, porLinha)) {
    if (posicaoY_ > medidas_.altura - medidas_.margemInferior - 1.8 * unidadeY_) novaPagina();
    desenharLinha(trabalho, primeira, quantidade);
    primeira += quantidade;
    avancar(1.8 * unidadeY_);
  }
}

void LayoutImpressao::desenharCancioneiro(const TrabalhoImpressao& trabalho) {
  const TrabalhoImpressao::TextosCancioneiro semTextos;
  const auto& textos =
      trabalho.textosCancioneiro != nullptr ? *trabalho.textosCancioneiro : semTextos;
  auto paginas = trechos(trabalho);
  for (auto& pagina : paginas) {
    if (pagina.titulo.empty() && pagina.detalhe.empty()) pagina.titulo = textos.outrosAcordes;
  }
  bool emBranco = true;
  if (paginas.size() != 1) {
    escreverConteudo(paginas, textos);
    emBranco = false;
  }
  for (const auto& pagina : paginas) {
    if (!emBranco) novaPagina();
    emBranco = false;
    escreverLinhaCentrada(pagina.titulo, medidas_.alturaFonteTitulo);
    if (!pagina.detalhe.empty()) escreverLinhaCentrada(pagina.detalhe, medidas_.alturaFonteUrl);
    avancar(medidas_.unidades(120));
    desenharLinhas(trabalho, pagina.primeira, pagina.quantidade);
    if (!pagina.letra.empty()) escreverTexto(pagina.letra);
  }
}

// The title page: the songbook's title, then each song with its key and capo, numbered.
void LayoutImpressao::escreverConteudo(const std::vector<TrabalhoImpressao::Grupo>& musicas,
                                       const TrabalhoImpressao::TextosCancioneiro& textos) {
  avancar(medidas_.unidades(600));
  escreverLinhaCentrada(textos.titulo, medidas_.alturaFonteTitulo * 3 / 2);
  avancar(medidas_.unidades(300));
  escreverLinha(textos.conteudo, medidas_.alturaFonteUrl * 3 / 2, medidas_.margemEsquerda);
  avancar(medidas_.unidades(40));
  int numero = 0;
  for (const auto& musica : musicas) {
    std::string linha = std::to_string(++numero) + ".  " + musica.titulo;
    if (!musica.detalhe.empty()) linha += "   (" + musica.detalhe + ")";
    superficie_.setFonte(FACE_CABECALHO, medidas_.alturaFonteUrl);
    if (posicaoY_ > medidas_.altura - medidas_.margemInferior - superficie_.alturaTexto("A")) {
      novaPagina();
    }
    escreverLinha(linha, medidas_.alturaFonteUrl, medidas_.margemEsquerda + medidas_.unidades(60));
  }
}

void LayoutImpressao::desenharLinha(const TrabalhoImpressao& trabalho, int primeira,
                                    int quantidade) {
  DiagramaImpressao diagrama(superficie_, medidas_, trabalho.rotulo, trabalho.instrumento,
                             especialista_);
  // Centred as if each diagram took 1.8 units while they step by 1.9: the row leans a
  // little to the right.
  int inicio = truncar(medidas_.largura / 2 - quantidade * 0.9 * unidadeX_);
  for (int i = primeira; i < primeira + quantidade; ++i) {
    const int x = truncar(inicio + 0.3 * unidadeX_);
    diagrama.desenhar(*trabalho.posicoes.getElement(i), x, truncar(posicaoY_));
    inicio = truncar(x + 1.6 * unidadeX_);
  }
}

void LayoutImpressao::novaPagina() {
  superficie_.novaPagina();
  ++numeroPaginas_;
  posicaoY_ = medidas_.margemSuperior;
}

}  // namespace tessara
