#include "foundations/GerenciadorConfiguracao.h"

#include <optional>
#include <sstream>

#include "foundations/ArquivoAtomico.h"
#include "foundations/Cp1252.h"
#include "foundations/LeitorIni.h"
#include "foundations/LeituraArquivo.h"
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

}  // namespace

GerenciadorConfiguracao::GerenciadorConfiguracao(std::filesystem::path arquivo,
                                                 std::string idiomaInicial)
    : arquivo_(std::move(arquivo)), idiomaInicial_(std::move(idiomaInicial)) {
  exibicaoEscalas = 0;
  const auto leitura = LeituraArquivo::ler(arquivo_, TAMANHO_MAXIMO);
  if (leitura.situacao() == LeituraArquivo::Situacao::ausente) {
    carregarTexto("");
    return;
  }
  danificado_ = !leitura.lida() || !carregarTexto(leitura.conteudo());
  if (!danificado_) return;
  aplicarValoresReinicio();
  guardarDanificado(leitura);
}

// What can be kept of a damaged file is; the defaults written later replace it. A device or a
// pipe holds nothing to keep.
void GerenciadorConfiguracao::guardarDanificado(const LeituraArquivo& leitura) const {
  if (leitura.lida()) {
    ArquivoAtomico::escrever(arquivoDanificado(arquivo_), leitura.conteudo());
  } else if (leitura.situacao() == LeituraArquivo::Situacao::grandeDemais) {
    ArquivoAtomico::copiar(arquivo_, arquivoDanificado(arquivo_));
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
  capo = 0;
  disposicao = "root";
  escala = ESCALA_MINIMA;
  bracoInteiro = 0;
  entradaAudio.clear();
  referenciaLa = ReferenciaLa::PADRAO;
}

bool GerenciadorConfiguracao::carregarTexto(std::string_view conteudo) {
  aplicarValoresReinicio();
  // UTF-16 or binary: no text of ours holds a NUL, and its keys would all read as missing.
  if (conteudo.find('\0') != std::string_view::npos) return false;
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
    capo = numero(ini, "capo", "0");
    if (capo < 0 || capo > CAPO_MAXIMO) capo = 0;
    disposicao = valorTexto(ini, "disposicao", "root");
    escala = numero(ini, "escala", "100");
    if (escala < ESCALA_MINIMA || escala > ESCALA_MAXIMA) escala = ESCALA_MINIMA;
    bracoInteiro = numero(ini, "bracoInteiro", "0") != 0 ? 1 : 0;
    entradaAudio = valorTexto(ini, "entradaAudio", "");
    referenciaLa = numero(ini, "referenciaLa", "440");
    if (referenciaLa < ReferenciaLa::MINIMO || referenciaLa > ReferenciaLa::MAXIMO)
      referenciaLa = ReferenciaLa::PADRAO;
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
    << "exibicaoEscalas=" << exibicaoEscalas << '\n'
    << "capo=" << capo << '\n'
    << "disposicao=" << cp1252::paraUtf8(disposicao) << '\n'
    << "escala=" << escala << '\n'
    << "bracoInteiro=" << bracoInteiro << '\n'
    << "entradaAudio=" << cp1252::paraUtf8(entradaAudio) << '\n'
    << "referenciaLa=" << referenciaLa << '\n';
  return s.str();
}

bool GerenciadorConfiguracao::salvar(std::string* erro) const {
  return ArquivoAtomico::escrever(arquivo_, conteudoArquivo(), erro);
}

}  // namespace tessara
