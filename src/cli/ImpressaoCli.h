#pragma once

#include <QGuiApplication>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "printing/FrenteImpressao.h"
#include "printing/GerenciadorImpressao.h"
#include "instruments/InstrumentoCordas.h"
#include "foundations/InteracaoMuda.h"

namespace tessara {

class GerenciadorIdiomas;

// A print job run from the command line through Qt, without a display: the pages go into a
// PDF file of A4 pages, or the preview's pictures into PNG files. Stands as the print list's
// front end, the list being the chords given.
class ImpressaoCli : public FrenteImpressao {
 public:
  // Starts Qt on the offscreen platform unless QT_QPA_PLATFORM names another.
  ImpressaoCli(const GerenciadorIdiomas& idiomas, Posicoes posicoes,
               const InstrumentoCordas& instrumento);
  ~ImpressaoCli() override;

  // False, with the reason on `erros`, when the file cannot be written.
  bool gravarPdf(const std::filesystem::path& arquivo, int conteudo, int rotulo,
                 const std::string& texto, std::ostream& erros);
  // Writes page N as DIR/page-N.png (creating DIR); the files written, or nothing after
  // telling why.
  std::optional<std::vector<std::filesystem::path>> gravarPng(const std::filesystem::path& pasta,
                                                              int zoom, int conteudo, int rotulo,
                                                              const std::string& texto,
                                                              std::ostream& erros);

  Posicoes getListaImpressao() const override { return posicoes_; }
  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override;
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override;
  void desenharVisualizacao(const Imagem&, int, int, int) override {}

 private:
  static std::unique_ptr<QGuiApplication> iniciarQt();

  std::unique_ptr<QGuiApplication> aplicacao_;
  Posicoes posicoes_;
  const InstrumentoCordas& instrumento_;
  // Remembers that the printer could not be reached; the command tells the user itself.
  std::unique_ptr<InteracaoMuda> interacao_;
  GerenciadorImpressao gerenciador_;
};

}  // namespace tessara
