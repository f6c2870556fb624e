#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "foundations/Imagem.h"
#include "foundations/Textos.h"
#include "instruments/FonteInstrumento.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/FrenteImpressao.h"
#include "printing/Impressora.h"
#include "printing/MedidasPagina.h"
#include "printing/SuperficieDiferida.h"
#include "printing/SuperficieImagens.h"
#include "printing/TrabalhoImpressao.h"

namespace tessara {

class Especialista;
class Interacao;

// Turns the print list's fingerings and the job's text into pages, on the printer or as
// preview pages recorded per zoom and painted once each, when first shown.
class GerenciadorImpressao {
 public:
  using Posicoes = ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>;

  // Reads the heading (the application's name and its web address) now.
  GerenciadorImpressao(const Textos& textos, const Especialista& especialista, Interacao& interacao,
                       FrenteImpressao& frente, FonteInstrumento instrumentoAtual);

  // The text and the title of the song it holds (empty when it has none).
  void setTextoImpressao(std::string texto, std::string titulo = {}) {
    textoImpressao_ = std::move(texto);
    tituloTexto_ = std::move(titulo);
  }
  std::string getTextoImpressao() const { return textoImpressao_; }
  // The songs of the fingerings printed next, as runs of them with their headings.
  void setGruposImpressao(std::vector<TrabalhoImpressao::Grupo> grupos) {
    grupos_ = std::move(grupos);
  }
  const std::vector<TrabalhoImpressao::Grupo>& getGruposImpressao() const { return grupos_; }

  // Runs the printer's dialog and, when the user confirms, prints the job. A printer that
  // cannot be reached is reported in a message box; a failure while the pages are drawn
  // ends the document as it stands, without a message.
  void imprimir(Impressora& impressora, int conteudo, int rotulo, const Posicoes& posicoes,
                const std::string& texto, const InstrumentoCordas& instrumento);

  // Lays every page out at the zoom (a percentage: 100, 200, 300 or one that fits a window)
  // and shows page `pagina`; a page is painted as a picture when it is first shown.
  void prepararVisualizacao(int conteudo, int rotulo, int pagina, int zoom,
                            const Posicoes& posicoes, const std::string& texto,
                            const InstrumentoCordas& instrumento);

  // Shows a preview page; at another zoom the pages are laid out again first, with the last
  // kinds, the stored text, the last fingerings laid out and the current instrument. A page
  // past either end shows the nearest one.
  void exibirPaginaVisualizacao(int pagina, int zoom);

  // The preview's pictures, every page painted.
  const std::vector<Imagem>& getPaginas();
  int getNumeroPaginas() const { return numeroPaginas_; }
  int getZoom() const { return zoom_; }
  bool paraImpressora() const { return paraImpressora_; }

 private:
  // Begins the printed document; nothing, after telling the user, when the printer fails.
  Superficie* iniciarImpressao(Impressora& impressora, TamanhoPagina& tamanho);
  void desenharImpressao(Superficie& superficie, const MedidasPagina& medidas,
                         const TrabalhoImpressao& trabalho);
  void exibir(int pagina);
  // The preview page (from 0), painted now if it was not yet.
  const Imagem& pintada(size_t indice);

  const Textos& textos_;
  const Especialista& especialista_;
  Interacao& interacao_;
  FrenteImpressao& frente_;
  FonteInstrumento instrumentoAtual_;
  std::string titulo_;
  std::string url_;
  std::string textoImpressao_;
  std::string tituloTexto_;
  std::vector<TrabalhoImpressao::Grupo> grupos_;
  TrabalhoImpressao::TextosCancioneiro textosCancioneiro_;
  Posicoes posicoes_;  // of the last preview, laid out again at another zoom
  MedidasPagina medidasVisualizacao_;
  std::unique_ptr<SuperficieImagens> medidor_;  // measures the text of the pages recorded
  std::unique_ptr<SuperficieDiferida> diferida_;
  std::vector<Imagem> paginas_;
  std::vector<bool> pintadas_;  // which of them are painted
  int numeroPaginas_ = 0;
  bool paraImpressora_ = false;
  int conteudo_ = 0;
  int rotulo_ = 0;
  int zoom_ = 0;  // of the stored pictures; 0 before the first preview
};

}  // namespace tessara
