#pragma once

#include <QByteArray>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "printing/Impressora.h"

namespace tessara {

// A printer whose pages become SVG documents of A4 size, one per page, with text kept as text.
// The documents are made in memory and written only when the job is done: FILE for the first
// page, FILE-2, FILE-3 ... (the number before the extension) for the next ones.
class ImpressoraSvg : public Impressora {
 public:
  ImpressoraSvg();
  ~ImpressoraSvg() override;

  // Where page `pagina` (from 1) of a document named `destino` goes.
  static std::filesystem::path arquivoPagina(const std::filesystem::path& destino, int pagina);

  bool escolher() override { return true; }
  std::optional<TamanhoPagina> tamanhoPagina() const override;
  Superficie& iniciarDocumento(const std::string& titulo) override;
  void finalizarDocumento() override;

  // The documents of the pages drawn, in page order.
  const std::vector<QByteArray>& getPaginas() const { return paginas_; }
  // Writes every page in place of the old files; the files written, or nothing with the
  // reason in `erro` (the pages before the failing one stay written).
  std::optional<std::vector<std::filesystem::path>> gravar(const std::filesystem::path& destino,
                                                           std::string& erro) const;

 private:
  class Pagina;

  std::unique_ptr<Pagina> pagina_;
  std::vector<QByteArray> paginas_;
};

}  // namespace tessara
