#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessara {

// Replaces a file as a whole: the content goes to a temporary file in the same folder, is
// flushed to disk and then renamed over the target, so a crash or a full disk leaves either
// the old file or the new one, never a mix. The new file keeps the old one's permissions; a
// symbolic link stays a link and its target is replaced; a device or a pipe is written to in
// place, every write checked. Temporary files that a killed writer
// left behind are removed by the next write of the same file.
class ArquivoAtomico {
 public:
  // Opens a temporary file next to `destino`, whose folder must exist; see aberto() and erro().
  explicit ArquivoAtomico(const std::filesystem::path& destino);
  // A temporary file not confirmed is removed.
  ~ArquivoAtomico();
  ArquivoAtomico(const ArquivoAtomico&) = delete;
  ArquivoAtomico& operator=(const ArquivoAtomico&) = delete;

  bool aberto() const { return fd_ >= 0; }
  // Appends. After the first failure every call fails, and confirmar() too.
  bool acrescentar(std::string_view dados);
  // Writes over bytes already written, as a header that describes what follows.
  bool escreverEm(uint64_t posicao, std::string_view dados);
  // Syncs, closes and renames over the destination, then syncs the folder. On failure the old
  // file is intact and the temporary file gone.
  bool confirmar();
  // The reason of the first failure: the file's name and the system's words.
  const std::string& erro() const { return erro_; }

  // The whole file at once. Creates the folder when missing. Returns false and leaves the old
  // file intact on any failure; `erro` (when given) receives the reason.
  static bool escrever(const std::filesystem::path& destino, std::string_view conteudo,
                       std::string* erro = nullptr);
  // The same in a folder that must exist, as an output file the user named.
  static bool substituir(const std::filesystem::path& destino, std::string_view conteudo,
                         std::string* erro = nullptr);

  // The file a write to `destino` replaces: the end of its chain of symbolic links.
  static std::filesystem::path alvo(const std::filesystem::path& destino);

  // The names of this program's temporary files for `destino` start with this.
  static std::string prefixoTemporario(const std::filesystem::path& destino);

 private:
  bool falhar(const std::string& caminho, int numeroErro);
  void descartar();

  std::filesystem::path alvo_;
  std::string temporario_;
  bool direto_ = false;  // a device or a pipe, written in place
  int fd_ = -1;
  std::string erro_;
};

}  // namespace tessara
