#pragma once

#include <filesystem>
#include <string>

namespace tessara {

// A PDF document made in a file in memory, then written over its destination in one step.
// Qt's own file writing does not tell a full disk from success, and a document cut short must
// never replace a good one.
class PdfEmMemoria {
 public:
  PdfEmMemoria();
  ~PdfEmMemoria();
  PdfEmMemoria(const PdfEmMemoria&) = delete;
  PdfEmMemoria& operator=(const PdfEmMemoria&) = delete;

  // False when the memory file could not be made (errno says why).
  bool aberto() const { return fd_ >= 0; }
  // The name Qt's printer writes the document to.
  std::filesystem::path caminho() const;

  // Writes a complete document over `destino`; otherwise leaves it as it was and says why,
  // starting with the destination's name.
  bool gravar(const std::filesystem::path& destino, std::string& motivo) const;

 private:
  std::string conteudo() const;

  int fd_;
};

}  // namespace tessara
