#include "foundations/ArquivoAtomico.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace tessara {

namespace {

// Links deeper than this are a loop; the kernel gives up at the same depth.
constexpr int MAXIMO_LIGACOES = 40;
// Files that did not exist get what an editor would give them.
constexpr mode_t MODO_NOVO = 0644;

std::filesystem::path pastaDe(const std::filesystem::path& arquivo) {
  return arquivo.has_parent_path() ? arquivo.parent_path() : std::filesystem::path(".");
}

// The process id in a temporary file's name after the prefix, or 0.
pid_t dono(std::string_view resto) {
  pid_t pid = 0;
  size_t i = 0;
  for (; i < resto.size() && resto[i] >= '0' && resto[i] <= '9' && pid < 100000000; ++i) {
    pid = pid * 10 + (resto[i] - '0');
  }
  return i < resto.size() && resto[i] == '-' ? pid : 0;
}

// Temporary files of writers that died before their rename. A live writer's file is left
// alone: it is still to be renamed.
void removerAbandonados(const std::filesystem::path& alvo) {
  const std::string prefixo = ArquivoAtomico::prefixoTemporario(alvo);
  std::error_code erro;
  std::filesystem::directory_iterator pasta(pastaDe(alvo), erro);
  if (erro) return;
  for (const auto& entrada : pasta) {
    const std::string nome = entrada.path().filename().string();
    if (nome.compare(0, prefixo.size(), prefixo) != 0) continue;
    const pid_t pid = dono(std::string_view(nome).substr(prefixo.size()));
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(pid, 0) != 0 && errno == ESRCH) ::unlink(entrada.path().c_str());
  }
}

void sincronizarPasta(const std::filesystem::path& pasta) {
  const int fd = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // some file systems cannot sync a folder; the rename has been made anyway
  ::close(fd);
}

}  // namespace

std::filesystem::path ArquivoAtomico::alvo(const std::filesystem::path& destino) {
  std::filesystem::path atual = destino;
  for (int i = 0; i < MAXIMO_LIGACOES; ++i) {
    std::error_code erro;
    if (!std::filesystem::is_symlink(atual, erro)) return atual;
    const auto ligacao = std::filesystem::read_symlink(atual, erro);
    if (erro) return atual;
    atual = ligacao.is_absolute() ? ligacao : pastaDe(atual) / ligacao;
  }
  return atual;
}

std::string ArquivoAtomico::prefixoTemporario(const std::filesystem::path& destino) {
  return "." + destino.filename().string() + ".tessara-";
}

ArquivoAtomico::ArquivoAtomico(const std::filesystem::path& destino, Destino aceito)
    : alvo_(alvo(destino)) {
  struct stat antigo {};
  const bool existe = ::stat(destino.c_str(), &antigo) == 0;
  if (existe && !S_ISREG(antigo.st_mode)) {
    if (aceito == Destino::qualquer && !S_ISDIR(antigo.st_mode)) {
      abrirNoLugar(destino);
    } else {
      falhar(destino.string() +
             (S_ISDIR(antigo.st_mode) ? ": Is a directory" : ": not a regular file"));
    }
    return;
  }
  removerAbandonados(alvo_);
  const std::string modelo =
      (pastaDe(alvo_) / (prefixoTemporario(alvo_) + std::to_string(::getpid()) + "-XXXXXX"))
          .string();
  std::vector<char> nome(modelo.begin(), modelo.end());
  nome.push_back('\0');
  fd_ = ::mkostemp(nome.data(), O_CLOEXEC);
  if (fd_ < 0) {
    falhar(alvo_.string(), errno);
    return;
  }
  temporario_ = nome.data();
  if (existe) {
    // Owner and group only change for a privileged writer; the permissions always can.
    [[maybe_unused]] const int donoMantido = ::fchown(fd_, antigo.st_uid, antigo.st_gid);
    if (::fchmod(fd_, antigo.st_mode & 07777) != 0) falhar(alvo_.string(), errno);
  } else if (::fchmod(fd_, MODO_NOVO) != 0) {
    falhar(alvo_.string(), errno);
  }
}

// A device or a pipe cannot be replaced, only written to. Opened by the name given, not the
// end of its links: /dev/stdout ends in a pipe that has no name to open. Without blocking, so
// that a pipe nobody reads fails at once instead of hanging.
void ArquivoAtomico::abrirNoLugar(const std::filesystem::path& destino) {
  direto_ = true;
  fd_ = ::open(destino.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    falhar(destino.string() + ": " +
           (errno == ENXIO ? "nothing reads from this pipe" : std::strerror(errno)));
    return;
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  sequencial_ = ::lseek(fd_, 0, SEEK_CUR) < 0 && errno == ESPIPE;
}

ArquivoAtomico::~ArquivoAtomico() { descartar(); }

void ArquivoAtomico::descartar() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporario_.empty()) ::unlink(temporario_.c_str());
  temporario_.clear();
}

bool ArquivoAtomico::falhar(const std::string& caminho, int numeroErro) {
  return falhar(caminho + ": " + std::strerror(numeroErro));
}

bool ArquivoAtomico::falhar(const std::string& motivo) {
  if (erro_.empty()) erro_ = motivo;
  descartar();
  return false;
}

bool ArquivoAtomico::acrescentar(std::string_view dados) {
  if (fd_ < 0) return false;
  while (!dados.empty()) {
    const ssize_t n = ::write(fd_, dados.data(), dados.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return falhar(alvo_.string(), n < 0 ? errno : ENOSPC);
    dados.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool ArquivoAtomico::escreverEm(uint64_t posicao, std::string_view dados) {
  if (fd_ < 0) return false;
  // What went down a pipe stays as it was.
  if (sequencial_) return true;
  while (!dados.empty()) {
    const ssize_t n = ::pwrite(fd_, dados.data(), dados.size(), static_cast<off_t>(posicao));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return falhar(alvo_.string(), n < 0 ? errno : ENOSPC);
    dados.remove_prefix(static_cast<size_t>(n));
    posicao += static_cast<uint64_t>(n);
  }
  return true;
}

bool ArquivoAtomico::confirmar() {
  if (fd_ < 0) return false;
  // Devices and pipes may have nothing to sync.
  if (::fsync(fd_) != 0 && !(direto_ && (errno == EINVAL || errno == EROFS))) {
    return falhar(alvo_.string(), errno);
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return falhar(alvo_.string(), errno);
  if (direto_) return true;
  if (::rename(temporario_.c_str(), alvo_.c_str()) != 0) return falhar(alvo_.string(), errno);
  temporario_.clear();
  sincronizarPasta(pastaDe(alvo_));
  return true;
}

bool ArquivoAtomico::escrever(const std::filesystem::path& destino, std::string_view conteudo,
                              std::string* erro) {
  std::error_code ec;
  const auto pasta = pastaDe(destino);
  std::filesystem::create_directories(pasta, ec);
  if (ec) {
    if (erro != nullptr) *erro = pasta.string() + ": " + ec.message();
    return false;
  }
  return gravarInteiro(destino, conteudo, Destino::arquivoComum, erro);
}

bool ArquivoAtomico::substituir(const std::filesystem::path& destino, std::string_view conteudo,
                                std::string* erro) {
  return gravarInteiro(destino, conteudo, Destino::qualquer, erro);
}

bool ArquivoAtomico::copiar(const std::filesystem::path& origem,
                            const std::filesystem::path& destino, std::string* erro) {
  ArquivoAtomico arquivo(destino);
  const int fd = ::open(origem.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat estado {};
  if (fd < 0 || ::fstat(fd, &estado) != 0 || !S_ISREG(estado.st_mode)) {
    if (fd >= 0) ::close(fd);
    if (erro != nullptr) *erro = origem.string() + ": cannot be copied";
    return false;
  }
  std::vector<char> bloco(65536);
  bool ok = arquivo.aberto();
  while (ok) {
    const ssize_t n = ::read(fd, bloco.data(), bloco.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0 || arquivo.falhar(origem.string(), errno);
      break;
    }
    ok = arquivo.acrescentar(std::string_view(bloco.data(), static_cast<size_t>(n)));
  }
  ::close(fd);
  if (ok && arquivo.confirmar()) return true;
  if (erro != nullptr) *erro = arquivo.erro();
  return false;
}

bool ArquivoAtomico::gravarInteiro(const std::filesystem::path& destino, std::string_view conteudo,
                                   Destino aceito, std::string* erro) {
  ArquivoAtomico arquivo(destino, aceito);
  if (arquivo.acrescentar(conteudo) && arquivo.confirmar()) return true;
  if (erro != nullptr) *erro = arquivo.erro();
  return false;
}

}  // namespace tessara
