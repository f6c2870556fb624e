#pragma once

#include <QUrl>
#include <filesystem>
#include <functional>

namespace tessara {

class Fachada;

// Opens a help page or a web address in the desktop's browser, telling the user (in the
// language's words) when the page is missing or no browser starts.
class AbridorAjuda {
 public:
  // How an address reaches the browser: true when it started. Tests pass a recorder.
  using Navegador = std::function<bool(const QUrl&)>;

  explicit AbridorAjuda(Fachada& fachada, Navegador navegador = {});

  // A local page, at an anchor when one is given; false, after the message, when it does not
  // exist or cannot be opened.
  bool abrirPagina(const std::filesystem::path& pagina, const QString& ancora = {});
  // An address of the web.
  bool abrirEndereco(const QUrl& endereco);

 private:
  void avisar(const char* chave);

  Fachada& fachada_;
  Navegador navegador_;
};

}  // namespace tessara
