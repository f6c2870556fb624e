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
  numeroPaginas_ = 0;
  const auto medidas = MedidasPagina::paraVisualizacao(frente_.tamanhoPaginaImpressora(), zoom);
  auto imagens = frente_.criarImagens(medidas.largura, medidas.altura);
  if (!imagens) return;
  numeroPaginas_ = LayoutImpressao(*imagens, medidas, especialista_)
                       .desenhar(titulo_, url_,
                                 {conteudo, rotulo, posicoes, texto, instrumento, &grupos_,
                                  &textosCancioneiro_, tituloTexto_});
  paginas_ = imagens->terminar();
  exibir(pagina);
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
  const Imagem& imagem = paginas_[static_cast<size_t>(std::clamp(pagina, 1, total) - 1)];
  frente_.desenharVisualizacao(imagem, total, imagem.largura, imagem.altura);
}

}  // namespace tessara
