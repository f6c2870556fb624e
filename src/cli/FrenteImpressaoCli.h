#pragma once

#include <QGuiApplication>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/FachadaGUI.h"
#include "foundations/InteracaoMuda.h"

namespace tessara {

class Nucleo;

// A print job run from the command line through Qt, without a display: the pages go into a
// PDF file of A4 pages, or the preview's pictures into PNG files. Stands in for the main
// window while it exists: its print list is the chords given.
class FrenteImpressaoCli : public FachadaGUI {
 public:
  // Starts Qt without a display (see iniciarQtCli) and registers itself with the root until
  // it is destroyed.
  FrenteImpressaoCli(Nucleo& nucleo, Posicoes posicoes);
  ~FrenteImpressaoCli() override;

  // False, with the reason on `erros`, when the file cannot be written.
  bool gravarPdf(const std::filesystem::path& arquivo, int conteudo, int rotulo,
                 std::ostream& erros);
  // Writes page N as DIR/page-N.png (creating DIR) and removes the pages past the last one
  // that an earlier job left there; the files written, or nothing after telling why and which
  // pages were written before the failure.
  std::optional<std::vector<std::filesystem::path>> gravarPng(const std::filesystem::path& pasta,
                                                              int zoom, int conteudo, int rotulo,
                                                              std::ostream& erros);

  Posicoes getListaImpressao() const override { return posicoes_; }
  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override;
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override;
  void desenharVisualizacao(const Imagem&, int, int, int) override {}
  std::string getTonicaEscolhida() const override { return {}; }
  bool configuracaoPeloInstrumento() const override { return false; }
  bool exibindoEscalas() const override { return false; }
  void mostrarVisualizacao() override {}

 private:
  std::unique_ptr<QGuiApplication> aplicacao_;
  Nucleo& nucleo_;
  Posicoes posicoes_;
  FachadaGUI* anterior_ = nullptr;
  // Remembers that the printer could not be reached; the command tells the user itself.
  InteracaoMuda interacao_;
};

}  // namespace tessara
