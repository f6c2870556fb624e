#include <gtest/gtest.h>

#include <stdexcept>

#include "TextosTeste.h"
#include "app/RelatorioErro.h"
#include "foundations/FatalException.h"
#include "foundations/NotFoundException.h"

namespace tessara {
namespace {

const std::string kGeral =
    "An error has occurred in your application.\nIf the problem persist, please contact us: "
    "support@tessara.app.";

const teste::TextosTeste textosIdioma;
const Textos* idioma() { return &textosIdioma; }

TEST(RelatorioErro, FatalUsaOTextoDosComponentesMidi) {
  EXPECT_EQ(RelatorioErro::fatal(idioma(), "1.2").texto, "exception/componentesMIDI, v1.2 \"");
  EXPECT_EQ(RelatorioErro::fatal(idioma(), "1.2").titulo, "geral/nomeAplicacao");
  // No version: the ", v" part disappears, the closing blank and quote stay.
  EXPECT_EQ(RelatorioErro::fatal(idioma(), "").texto, "exception/componentesMIDI \"");
}

TEST(RelatorioErro, SemIdiomaUsaOTextoInglesETituloFixo) {
  const auto caixa = RelatorioErro::fatal(nullptr, "");
  EXPECT_EQ(caixa.texto, kGeral + "\n\nError information: \"");
  EXPECT_EQ(caixa.titulo, "Tessara");
  const auto biblioteca =
      RelatorioErro::erroBiblioteca(nullptr, "std::bad_alloc", "sem memoria", "0.1");
  EXPECT_EQ(biblioteca.texto,
            kGeral + "\n\nError information:\n\" std::bad_alloc (sem memoria), v0.1 \"");
}

TEST(RelatorioErro, ErroDaBibliotecaLevaTipoEMensagem) {
  const auto caixa = RelatorioErro::erroBiblioteca(idioma(), "std::out_of_range", "vector", "");
  EXPECT_EQ(caixa.texto, "geral/erroGeral\n\" std::out_of_range (vector) \"");
  EXPECT_EQ(caixa.titulo, "geral/nomeAplicacao");
}

TEST(RelatorioErro, OutroErroNuncaUsaOIdioma) {
  EXPECT_EQ(RelatorioErro::outro("").texto, kGeral);
  EXPECT_EQ(RelatorioErro::outro("0.1.0").texto, kGeral + "\n\nError information:\n\" v0.1.0 \"");
  EXPECT_EQ(RelatorioErro::outro("0.1.0").titulo, "Tessara");
}

}  // namespace
}  // namespace tessara

namespace tessara {
namespace {

template <typename E>
RelatorioErro::Caixa caixaDe(const E& erro) {
  return RelatorioErro::para(std::make_exception_ptr(erro), idioma(), "2.0");
}

TEST(RelatorioErro, ClassificaOQueFoiLancado) {
  EXPECT_EQ(caixaDe(FatalException("sem midi", "SaidaMIDI", "SaidaMIDI()")).texto,
            "exception/componentesMIDI, v2.0 \"");
  // Our own exceptions are std::exceptions too, but they are reported as "anything else".
  EXPECT_EQ(caixaDe(NotFoundException()).texto, RelatorioErro::outro("2.0").texto);
  EXPECT_EQ(caixaDe(std::out_of_range("vector::at")).texto,
            "geral/erroGeral\n\" std::out_of_range (vector::at), v2.0 \"");
  EXPECT_EQ(caixaDe(42).titulo, "Tessara");
}

}  // namespace
}  // namespace tessara
