#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessara {

// Replaces a file as a whole: the content goes to a temporary file in the same folder, is
// flushed to disk and then renamed over the target, so a crash or a full disk leaves either
// the old file or the new one, never a mix. The new file keeps the old one's permissions; a
// symbolic link stays a link and its target is replaced. A device or a pipe is written to in
// place, every write checked, but only for an output the user named: the program's own files
// are never written through one. Temporary files that a killed writer left behind are removed
// by the next write of the same file.
class ArquivoAtomico {
 public:
  enum class Destino {
    arquivoComum,  // the program's own files: anything but a regular file is refused
    qualquer       // an output the user named: a device or a pipe is written in place
  };

  // Opens a temporary file next to `destino`, whose folder must exist; see aberto() and erro().
  explicit ArquivoAtomico(const std::filesystem::path& destino,
                          Destino aceito = Destino::arquivoComum);
  // A temporary file not confirmed is removed.
  ~ArquivoAtomico();
  ArquivoAtomico(const ArquivoAtomico&) = delete;
  ArquivoAtomico& operator=(const ArquivoAtomico&) = delete;

  bool aberto() const { return fd_ >= 0; }
  // A pipe, a socket or a terminal: what was written cannot be written over.
  bool sequencial() const { return sequencial_; }
  // Appends. After the first failure every call fails, and confirmar() too.
  bool acrescentar(std::string_view dados);
  // Writes over bytes already written, as a header that describes what follows.
  bool escreverEm(uint64_t posicao, std::string_view dados);
  // Syncs, closes and renames over the destination, then syncs the folder. On failure the old
  // file is intact and the temporary file gone.
  bool confirmar();
  // The reason of the first failure: the file's name and the system's words.
  const std::string& erro() const { return erro_; }

  // The whole file at once, for the program's own files. Creates the file's folder when
  // missing, never a folder a link points into. Returns false and leaves the old file intact
  // on any failure; `erro` (when given) receives the reason.
  static bool escrever(const std::filesystem::path& destino, std::string_view conteudo,
                       std::string* erro = nullptr);
  // The same in a folder that must exist, for an output file the user named.
  static bool substituir(const std::filesystem::path& destino, std::string_view conteudo,
                         std::string* erro = nullptr);

  // A copy of a regular file of any size, read and written in pieces, as escrever() writes.
  static bool copiar(const std::filesystem::path& origem, const std::filesystem::path& destino,
                     std::string* erro = nullptr);

  // The file a write to `destino` replaces: the end of its chain of symbolic links.
  static std::filesystem::path alvo(const std::filesystem::path& destino);

  // The names of this program's temporary files for `destino` start with this.
  static std::string prefixoTemporario(const std::filesystem::path& destino);

 private:
  static bool gravarInteiro(const std::filesystem::path& destino, std::string_view conteudo,
                            Destino aceito, std::string* erro);
  bool falhar(const std::string& caminho, int numeroErro);
  bool falhar(const std::string& motivo);
  void abrirNoLugar(const std::filesystem::path& destino);
  void descartar();

  std::filesystem::path alvo_;
  std::string temporario_;
  bool direto_ = false;  // a device or a pipe, written in place
  bool sequencial_ = false;
  int fd_ = -1;
  std::string erro_;
};

}  // namespace tessara
