#include "foundations/GerenciadorConfiguracao.h"

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

int8_t oitoBits(int valor) { return static_cast<int8_t>(static_cast<uint8_t>(valor & 0xFF)); }

}  // namespace

GerenciadorConfiguracao::GerenciadorConfiguracao(std::filesystem::path arquivo)
    : arquivo_(std::move(arquivo)) {
  exibicaoEscalas = 0;
  carregarTexto(texto::lerArquivo(arquivo_));
}

void GerenciadorConfiguracao::aplicarValoresReinicio() {
  driver = 0;
  idioma = "English";
  posicaoBraco = 2;
  politicaNovoInstrumento = 0;
  politicaNovoPadrao = 0;
  volume = 50;
  instrumento = instrumentoPadrao();
  visualExecucao = 0;
  visualAcordes = 0;
}

void GerenciadorConfiguracao::carregarTexto(std::string_view conteudo) {
  aplicarValoresReinicio();
  const LeitorIni ini(conteudo);
  try {
    driver = numero(ini, "driver", "0");
    idioma = ini.ler(kSecao, "idioma", "English");
    posicaoBraco = oitoBits(numero(ini, "posicaoBraco", "0"));
    politicaNovoInstrumento = oitoBits(numero(ini, "politicaNovoInstrumento", "0"));
    politicaNovoPadrao = oitoBits(numero(ini, "politicaNovoPadrao", "0"));
    volume = numero(ini, "volume", "50");
    instrumento = ini.ler(kSecao, "instrumento", instrumentoPadrao());
    visualExecucao = numero(ini, "visualExecucao", "0");
    visualAcordes = numero(ini, "visualAcordes", "0");
    exibicaoEscalas = numero(ini, "exibicaoEscalas", "0");
  } catch (const ValorInvalido&) {
    // Values read before the bad one are dropped too; exibicaoEscalas keeps what it had.
    aplicarValoresReinicio();
  }
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
    << "idioma=" << idioma << '\n'
    << "posicaoBraco=" << static_cast<int>(posicaoBraco) << '\n'
    << "politicaNovoInstrumento=" << static_cast<int>(politicaNovoInstrumento) << '\n'
    << "politicaNovoPadrao=" << static_cast<int>(politicaNovoPadrao) << '\n'
    << "volume=" << volume << '\n'
    << "instrumento=" << instrumento << '\n'
    << "visualExecucao=" << visualExecucao << '\n'
    << "visualAcordes=" << visualAcordes << '\n'
    << "exibicaoEscalas=" << exibicaoEscalas << '\n';
  return s.str();
}

bool GerenciadorConfiguracao::salvar() const {
  return ArquivoAtomico::escrever(arquivo_, conteudoArquivo());
}

}  // namespace tessara
