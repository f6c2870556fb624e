#include "foundations/GerenciadorConfiguracao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <sstream>

#include "foundations/ArquivoAtomico.h"
#include "foundations/Cp1252.h"
#include "foundations/LeitorIni.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

constexpr std::string_view kSecao = "geral";

const std::string& instrumentoPadrao() {
  static const std::string nome = TXT("Violão Padrão");
  return nome;
}

struct ValorInvalido {};

int numero(const LeitorIni& ini, std::string_view chave, std::string_view padrao) {
  const auto valor = texto::inteiro(ini.ler(kSecao, chave, padrao));
  if (!valor) throw ValorInvalido{};
  return *valor;
}

// A text value, UTF-8 or CP1252 as the file holds it, in the core's CP1252.
std::string valorTexto(const LeitorIni& ini, std::string_view chave, const std::string& padrao) {
  const auto valor = ini.valor(kSecao, chave);
  return valor ? cp1252::deUtf8OuCp1252(*valor) : padrao;
}

int8_t oitoBits(int valor) { return static_cast<int8_t>(static_cast<uint8_t>(valor & 0xFF)); }

struct Leitura {
  bool existe = false;
  std::optional<std::string> conteudo;  // nothing: not a settings file
};

// Opened without blocking, so that a pipe cannot hang the start; read up to one byte past the
// limit, so that an endless device cannot exhaust memory.
Leitura lerLimitado(const std::filesystem::path& arquivo, size_t maximo) {
  Leitura leitura;
  const int fd = ::open(arquivo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    leitura.existe = errno != ENOENT && errno != ENOTDIR;
    return leitura;
  }
  leitura.existe = true;
  struct stat estado {};
  if (::fstat(fd, &estado) == 0 && S_ISREG(estado.st_mode) &&
      static_cast<uint64_t>(estado.st_size) <= maximo) {
    std::string conteudo(maximo + 1, '\0');
    size_t lidos = 0;
    for (;;) {
      const ssize_t n = ::read(fd, conteudo.data() + lidos, conteudo.size() - lidos);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0 && lidos <= maximo) {
          conteudo.resize(lidos);
          leitura.conteudo = std::move(conteudo);
        }
        break;
      }
      lidos += static_cast<size_t>(n);
      if (lidos > maximo) break;
    }
  }
  ::close(fd);
  return leitura;
}

}  // namespace

GerenciadorConfiguracao::GerenciadorConfiguracao(std::filesystem::path arquivo,
                                                 std::string idiomaInicial)
    : arquivo_(std::move(arquivo)), idiomaInicial_(std::move(idiomaInicial)) {
  exibicaoEscalas = 0;
  const Leitura leitura = lerLimitado(arquivo_, TAMANHO_MAXIMO);
  if (!leitura.existe) {
    carregarTexto("");
    return;
  }
  danificado_ = !leitura.conteudo || !carregarTexto(*leitura.conteudo);
  if (!danificado_) return;
  aplicarValoresReinicio();
  // What can be kept of a damaged file is; the defaults written later replace it.
  if (leitura.conteudo) {
    ArquivoAtomico::escrever(arquivoDanificado(arquivo_), *leitura.conteudo);
  }
}

std::filesystem::path GerenciadorConfiguracao::arquivoDanificado(
    const std::filesystem::path& arquivo) {
  auto danificado = arquivo;
  danificado += ".damaged";
  return danificado;
}

void GerenciadorConfiguracao::aplicarValoresReinicio() {
  driver = 0;
  idioma = idiomaInicial_;
  posicaoBraco = 2;
  politicaNovoInstrumento = 0;
  politicaNovoPadrao = 0;
  volume = 50;
  instrumento = instrumentoPadrao();
  visualExecucao = 0;
  visualAcordes = 0;
}

bool GerenciadorConfiguracao::carregarTexto(std::string_view conteudo) {
  aplicarValoresReinicio();
  const LeitorIni ini(conteudo);
  try {
    driver = numero(ini, "driver", "0");
    idioma = valorTexto(ini, "idioma", idiomaInicial_);
    posicaoBraco = oitoBits(numero(ini, "posicaoBraco", "0"));
    politicaNovoInstrumento = oitoBits(numero(ini, "politicaNovoInstrumento", "0"));
    politicaNovoPadrao = oitoBits(numero(ini, "politicaNovoPadrao", "0"));
    volume = numero(ini, "volume", "50");
    instrumento = valorTexto(ini, "instrumento", instrumentoPadrao());
    visualExecucao = numero(ini, "visualExecucao", "0");
    visualAcordes = numero(ini, "visualAcordes", "0");
    exibicaoEscalas = numero(ini, "exibicaoEscalas", "0");
  } catch (const ValorInvalido&) {
    // Values read before the bad one are dropped too; exibicaoEscalas keeps what it had.
    aplicarValoresReinicio();
    return false;
  }
  return true;
}

void GerenciadorConfiguracao::setDriver(int indice,
                                        const std::function<void(int)>& usarDispositivo) {
  try {
    usarDispositivo(indice);
    driver = indice;
  } catch (const OutOfBoundsException&) {
    usarDispositivo(0);
    driver = 0;
  }
}

std::string GerenciadorConfiguracao::conteudoArquivo() const {
  std::ostringstream s;
  s << "[geral]\n"
    << "driver=" << driver << '\n'
    << "idioma=" << cp1252::paraUtf8(idioma) << '\n'
    << "posicaoBraco=" << static_cast<int>(posicaoBraco) << '\n'
    << "politicaNovoInstrumento=" << static_cast<int>(politicaNovoInstrumento) << '\n'
    << "politicaNovoPadrao=" << static_cast<int>(politicaNovoPadrao) << '\n'
    << "volume=" << volume << '\n'
    << "instrumento=" << cp1252::paraUtf8(instrumento) << '\n'
    << "visualExecucao=" << visualExecucao << '\n'
    << "visualAcordes=" << visualAcordes << '\n'
    << "exibicaoEscalas=" << exibicaoEscalas << '\n';
  return s.str();
}

bool GerenciadorConfiguracao::salvar(std::string* erro) const {
  return ArquivoAtomico::escrever(arquivo_, conteudoArquivo(), erro);
}

}  // namespace tessara
