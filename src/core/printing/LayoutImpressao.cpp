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
  escreverCabecalho(titulo, url);
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

void LayoutImpressao::escreverCabecalho(const std::string& titulo, const std::string& url) {
  escreverLinhaCentrada(titulo, medidas_.alturaFonteTitulo);
  // A language without a web address of its own shows none.
  if (!url.empty()) escreverLinhaCentrada(url, medidas_.alturaFonteUrl);
}

void LayoutImpressao::escreverLinhaCentrada(const std::string& texto, int altura) {
  superficie_.setFonte(FACE_CABECALHO, altura);
  superficie_.escreverTexto(medidas_.largura / 2 - superficie_.larguraTexto(texto) / 2,
                            truncar(posicaoY_), texto);
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

void LayoutImpressao::desenharDiagramas(const TrabalhoImpressao& trabalho) {
  const int utilizavel = medidas_.largura - medidas_.margemEsquerda - medidas_.margemDireita;
  const int porLinha = truncar(utilizavel / (1.8 * unidadeX_));
  int primeira = 0;
  for (int quantidade : diagramasPorLinha(trabalho.posicoes.size(), porLinha)) {
    if (posicaoY_ > medidas_.altura - medidas_.margemInferior - 1.8 * unidadeY_) novaPagina();
    desenharLinha(trabalho, primeira, quantidade);
    primeira += quantidade;
    avancar(1.8 * unidadeY_);
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
