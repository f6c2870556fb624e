#include "printing/GerenciadorImpressao.h"

#include <algorithm>
#include <exception>

#include "chords/Especialista.h"
#include "foundations/Interacao.h"
#include "foundations/Textos.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "printing/LayoutImpressao.h"

namespace tessara {

GerenciadorImpressao::GerenciadorImpressao(const Textos& textos, const Especialista& especialista,
                                           Interacao& interacao, FrenteImpressao& frente,
                                           FonteInstrumento instrumentoAtual)
    : textos_(textos),
      especialista_(especialista),
      interacao_(interacao),
      frente_(frente),
      instrumentoAtual_(std::move(instrumentoAtual)),
      titulo_(textos_.getTexto("geral", "nomeAplicacao")),
      url_(textos_.getTexto("parametros", "urlBrisol")),
      textosCancioneiro_{textos_.getTexto("fmImpressao", "tituloCancioneiro"),
                         textos_.getTexto("fmImpressao", "lblConteudoCancioneiro"),
                         textos_.getTexto("fmImpressao", "lblOutrosAcordes")} {}

void GerenciadorImpressao::imprimir(Impressora& impressora, int conteudo, int rotulo,
                                    const Posicoes& posicoes, const std::string& texto,
                                    const InstrumentoCordas& instrumento) {
  TamanhoPagina tamanho;
  Superficie* superficie = iniciarImpressao(impressora, tamanho);
  if (superficie == nullptr) return;
  conteudo_ = conteudo;
  rotulo_ = rotulo;
  paraImpressora_ = true;
  desenharImpressao(*superficie, MedidasPagina::paraImpressora(tamanho),
                    {conteudo, rotulo, posicoes, texto, instrumento, &grupos_, &textosCancioneiro_,
                     tituloTexto_});
  try {
    impressora.finalizarDocumento();
  } catch (const std::exception&) {
    // Nothing more can be done for this document.
  }
  paraImpressora_ = false;
}

Superficie* GerenciadorImpressao::iniciarImpressao(Impressora& impressora, TamanhoPagina& tamanho) {
  try {
    if (!impressora.escolher()) return nullptr;
    const auto pagina = impressora.tamanhoPagina();
    if (pagina && pagina->largura > 0 && pagina->altura > 0) {
      tamanho = *pagina;
      return &impressora.iniciarDocumento(titulo_);
    }
  } catch (const std::exception&) {
    // Reported below, as a printer that has no page.
  }
  interacao_.mostrarMensagem(textos_.getTexto("fmImpressao", "erroImpressora"), "");
  return nullptr;
}

void GerenciadorImpressao::desenharImpressao(Superficie& superficie, const MedidasPagina& medidas,
                                             const TrabalhoImpressao& trabalho) {
  try {
    numeroPaginas_ =
        LayoutImpressao(superficie, medidas, especialista_).desenhar(titulo_, url_, trabalho);
  } catch (const std::exception&) {
    // The pages drawn so far are printed; the rest of the job is dropped.
  }
}

void GerenciadorImpressao::prepararVisualizacao(int conteudo, int rotulo, int pagina, int zoom,
                                                const Posicoes& posicoes, const std::string& texto,
                                                const InstrumentoCordas& instrumento) {
  zoom_ = zoom;
  if (&posicoes != &posicoes_) posicoes_ = posicoes;
  conteudo_ = conteudo;
  rotulo_ = rotulo;
  paraImpressora_ = false;
  paginas_.clear();
  pintadas_.clear();
  diferida_.reset();
  numeroPaginas_ = 0;
  medidasVisualizacao_ = MedidasPagina::paraVisualizacao(frente_.tamanhoPaginaImpressora(), zoom);
  // Text is measured in pixels whatever the picture's size: a one-pixel picture will do.
  medidor_ = frente_.criarImagens(1, 1);
  if (!medidor_) return;
  // Laid out in full for the page count; a page is painted when it is first shown.
  diferida_ = std::make_unique<SuperficieDiferida>(*medidor_);
  numeroPaginas_ = LayoutImpressao(*diferida_, medidasVisualizacao_, especialista_)
                       .desenhar(titulo_, url_,
                                 {conteudo, rotulo, posicoes, texto, instrumento, &grupos_,
                                  &textosCancioneiro_, tituloTexto_});
  paginas_.resize(static_cast<size_t>(diferida_->numeroPaginas()));
  pintadas_.assign(paginas_.size(), false);
  exibir(pagina);
}

const Imagem& GerenciadorImpressao::pintada(size_t indice) {
  Imagem& imagem = paginas_[indice];
  if (!pintadas_[indice]) {
    pintadas_[indice] = true;
    auto alvo = frente_.criarImagens(medidasVisualizacao_.largura, medidasVisualizacao_.altura);
    if (alvo) {
      diferida_->reproduzir(static_cast<int>(indice), *alvo);
      auto feitas = alvo->terminar();
      if (!feitas.empty()) imagem = std::move(feitas.front());
    }
  }
  return imagem;
}

const std::vector<Imagem>& GerenciadorImpressao::getPaginas() {
  for (size_t i = 0; i < paginas_.size(); ++i) pintada(i);
  return paginas_;
}

void GerenciadorImpressao::exibirPaginaVisualizacao(int pagina, int zoom) {
  if (zoom != zoom_) {
    const InstrumentoCordas* instrumento = instrumentoAtual_();
    if (instrumento == nullptr) return;
    prepararVisualizacao(conteudo_, rotulo_, pagina, zoom, posicoes_, textoImpressao_,
                         *instrumento);
    return;
  }
  exibir(pagina);
}

void GerenciadorImpressao::exibir(int pagina) {
  if (paginas_.empty()) return;
  const int total = static_cast<int>(paginas_.size());
  const Imagem& imagem = pintada(static_cast<size_t>(std::clamp(pagina, 1, total) - 1));
  frente_.desenharVisualizacao(imagem, total, imagem.largura, imagem.altura);
}

}  // namespace tessara
