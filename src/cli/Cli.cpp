#include "Cli.h"

#include "Caminhos.h"
#include "Cp1252.h"
#include "GerenciadorConfiguracao.h"
#include "GerenciadorIdiomas.h"
#include "InteracaoTerminal.h"
#include "Texto.h"

namespace tessara {

Cli::Cli(std::ostream& saida, std::ostream& erros) : saida_(saida), erros_(erros) {
  comandos_["languages"] = [this](const auto& argumentos) { return idiomas(argumentos); };
}

int Cli::executar(int argc, char** argv) {
  std::vector<std::string> argumentos(argv + 1, argv + argc);
  if (argumentos.empty()) return uso(2);
  const std::string comando = argumentos.front();
  if (comando == "--version") {
    saida_ << "tessara-cli " << TESSARA_VERSAO << '\n';
    return 0;
  }
  if (comando == "--help" || comando == "-h") return uso(0);
  const auto it = comandos_.find(comando);
  if (it == comandos_.end()) {
    erros_ << "tessara-cli: unknown command '" << comando << "'\n";
    return uso(2);
  }
  argumentos.erase(argumentos.begin());
  return it->second(argumentos);
}

int Cli::uso(int status) {
  (status == 0 ? saida_ : erros_) << "usage: tessara-cli [--version] COMMAND [ARGS]\n"
                                     "commands:\n"
                                     "  languages   list the language files found; * marks the "
                                     "configured one\n";
  return status;
}

int Cli::idiomas(const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) return uso(2);
  InteracaoTerminal interacao;
  const GerenciadorIdiomas idiomas(Caminhos::diretorioPrograma(), interacao);
  if (interacao.encerramentoPedido()) return 1;
  const std::string configurado = GerenciadorConfiguracao::instancia().getIdioma();
  bool marcado = false;  // selection takes the first name that matches
  for (const auto& nome : idiomas.getNomesIdiomas()) {
    const bool selecionado = !marcado && texto::iguaisSemCaixa(nome, configurado);
    marcado = marcado || selecionado;
    saida_ << (selecionado ? "*" : "") << cp1252::paraUtf8(nome) << '\n';
  }
  return 0;
}

}  // namespace tessara
