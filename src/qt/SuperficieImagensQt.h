#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "foundations/Imagem.h"
#include "printing/SuperficieImagens.h"
#include "qt/SuperficieQt.h"

namespace tessara {

// The print preview's pages: each page a white picture of the same size.
class SuperficieImagensQt : public SuperficieImagens, public SuperficieQt {
 public:
  SuperficieImagensQt(int largura, int altura);
  ~SuperficieImagensQt() override;

  void novaPagina() override;
  std::vector<Imagem> terminar() override;

  // Writes a picture as a PNG file in place of the old one; false, with the file and the
  // system's reason in `erro`, when it cannot be written, and the old file stays.
  static bool salvarPng(const Imagem& imagem, const std::filesystem::path& arquivo,
                        std::string& erro);
  static bool salvarPng(const QImage& imagem, const std::filesystem::path& arquivo,
                        std::string& erro);

 private:
  void comecarPagina();
  void guardarPagina();

  int largura_;
  int altura_;
  QImage pagina_;
  std::vector<Imagem> paginas_;
};

}  // namespace tessara
