#pragma once

#include <QPrinter>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "printing/Impressora.h"
#include "qt/SuperficieQt.h"

namespace tessara {

// A Qt printer, on paper or into a PDF file, as the print job's printer. Its device units are
// the printer's dots.
class ImpressoraQt : public Impressora {
 public:
  // Runs the platform's print dialog on the printer; true when the user confirms.
  using Dialogo = std::function<bool(QPrinter&)>;

  // Without a dialog the printer is used as it is set up.
  explicit ImpressoraQt(QPrinter& impressora, Dialogo dialogo = {});
  ~ImpressoraQt() override;

  // Sets a printer up to write A4 pages into a PDF file at 300 dots per inch, the whole
  // sheet being the page (the layout has margins of its own).
  static void configurarPdf(QPrinter& impressora, const std::filesystem::path& arquivo);
  // The page of such a printer, in its dots.
  static TamanhoPagina paginaPdf();

  bool escolher() override;
  std::optional<TamanhoPagina> tamanhoPagina() const override;
  Superficie& iniciarDocumento(const std::string& titulo) override;
  void finalizarDocumento() override;

 private:
  class Pagina;

  QPrinter& impressora_;
  Dialogo dialogo_;
  std::unique_ptr<Pagina> pagina_;
};

}  // namespace tessara
