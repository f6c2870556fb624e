#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "qt/ImpressoraSvg.h"

namespace tessara {
namespace {

// The first page keeps the name given; the next ones are numbered before the extension.
TEST(ImpressoraSvg, PaginasNumeradasAntesDaExtensao) {
  struct Caso {
    std::string destino;
    int pagina;
    std::string arquivo;
  };
  const std::vector<Caso> casos = {
      {"/tmp/songs/chords.svg", 1, "/tmp/songs/chords.svg"},
      {"/tmp/songs/chords.svg", 2, "/tmp/songs/chords-2.svg"},
      {"/tmp/songs/chords.svg", 12, "/tmp/songs/chords-12.svg"},
      {"chords", 3, "chords-3"},
      {"my.song.svg", 2, "my.song-2.svg"},
      {"chords.svg", 0, "chords.svg"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(ImpressoraSvg::arquivoPagina(caso.destino, caso.pagina).string(), caso.arquivo)
        << caso.destino << ' ' << caso.pagina;
  }
}

}  // namespace
}  // namespace tessara
