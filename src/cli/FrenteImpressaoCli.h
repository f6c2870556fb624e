#pragma once

#include <QGuiApplication>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/FachadaGUI.h"
#include "foundations/ColecaoPtr.h"
#include "foundations/InteracaoMuda.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

class Nucleo;

// The command line's side of what printing asks of the front end, through Qt without a
// display: the pages of the fingerings given go into a PDF file of A4 pages, SVG files of one
// page each, or the preview's pictures into PNG files.
class FrenteImpressaoCli : public FachadaGUI {
 public:
  using Posicoes = ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>;

  // Starts Qt without a display (see iniciarQtCli) and registers itself with the root until
  // it is destroyed.
  explicit FrenteImpressaoCli(Nucleo& nucleo);
  ~FrenteImpressaoCli() override;

  // False, with the reason on `erros`, when the file cannot be written.
  bool gravarPdf(const std::filesystem::path& arquivo, int conteudo, int rotulo,
                 const Posicoes& posicoes, std::ostream& erros);
  // Writes the pages as SVG documents: FILE, then FILE-2, FILE-3 ...; the files written, or
  // nothing after telling why.
  std::optional<std::vector<std::filesystem::path>> gravarSvg(const std::filesystem::path& arquivo,
                                                              int conteudo, int rotulo,
                                                              const Posicoes& posicoes,
                                                              std::ostream& erros);
  // Writes page N as DIR/page-N.png (creating DIR) and removes the pages past the last one
  // that an earlier job left there; the files written, or nothing after telling why and which
  // pages were written before the failure.
  std::optional<std::vector<std::filesystem::path>> gravarPng(const std::filesystem::path& pasta,
                                                              int zoom, int conteudo, int rotulo,
                                                              const Posicoes& posicoes,
                                                              std::ostream& erros);

  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override;
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override;
  void desenharVisualizacao(const Imagem&, int, int, int) override {}

 private:
  std::unique_ptr<QGuiApplication> aplicacao_;
  Nucleo& nucleo_;
  FachadaGUI* anterior_ = nullptr;
  // Remembers that the printer could not be reached; the command tells the user itself.
  InteracaoMuda interacao_;
};

}  // namespace tessara
