#pragma once

#include <optional>
#include <string>

#include "printing/Superficie.h"
#include "printing/TamanhoPagina.h"

namespace tessara {

// A printer as the print job needs it: paper or a PDF file, chosen in the platform's print
// dialog where there is one.
class Impressora {
 public:
  virtual ~Impressora() = default;

  // Runs the print dialog; false when the user cancels. Raises when it cannot be shown.
  virtual bool escolher() = 0;

  // The page size in device units; nothing when there is no printer to ask.
  virtual std::optional<TamanhoPagina> tamanhoPagina() const = 0;

  // Begins the document under the job's title; the pages are drawn on the surface returned,
  // which stays the printer's. Raises when the document cannot be begun.
  virtual Superficie& iniciarDocumento(const std::string& titulo) = 0;
  virtual void finalizarDocumento() = 0;
};

}  // namespace tessara
