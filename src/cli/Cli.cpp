#include "Cli.h"

#include <algorithm>

#include "ComandoAcordesCifra.h"
#include "ComandoAfinar.h"
#include "ComandoBraco.h"
#include "ComandoCancao.h"
#include "ComandoDispositivos.h"
#include "ComandoExibicoesEscala.h"
#include "ComandoIdiomas.h"
#include "ComandoImprimir.h"
#include "ComandoInstrumentos.h"
#include "ComandoInterpretar.h"
#include "ComandoNomear.h"
#include "ComandoNomesEscalas.h"
#include "ComandoOuvir.h"
#include "ComandoPosicoesAcorde.h"
#include "ComandoTocar.h"
#include "ComandoTranspor.h"
#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorOpcoes.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/Texto.h"

namespace tessara {

Cli::Cli(std::ostream& saida, std::ostream& erros) : saida_(saida), erros_(erros) {
  comandos_.push_back(std::make_unique<ComandoIdiomas>());
  comandos_.push_back(std::make_unique<ComandoInterpretar>());
  comandos_.push_back(std::make_unique<ComandoTranspor>());
  comandos_.push_back(std::make_unique<ComandoAcordesCifra>());
  comandos_.push_back(std::make_unique<ComandoCancao>());
  comandos_.push_back(std::make_unique<ComandoInstrumentos>());
  comandos_.push_back(std::make_unique<ComandoDispositivos>());
  comandos_.push_back(std::make_unique<ComandoTocar>());
  comandos_.push_back(std::make_unique<ComandoPosicoesAcorde>());
  comandos_.push_back(std::make_unique<ComandoNomear>());
  comandos_.push_back(std::make_unique<ComandoNomesEscalas>());
  comandos_.push_back(std::make_unique<ComandoExibicoesEscala>());
  comandos_.push_back(std::make_unique<ComandoImprimir>());
  comandos_.push_back(std::make_unique<ComandoBraco>());
  comandos_.push_back(std::make_unique<ComandoOuvir>());
  comandos_.push_back(std::make_unique<ComandoAfinar>());
}

namespace {

constexpr const char* OPCOES_GLOBAIS = "[--lang pt|en] [--instrument NAME|NUMBER] [--capo 0-12]";
constexpr const char* CAPOS = "a whole number from 0 to 12";

bool opcaoGlobal(const std::string& argumento, bool capoGlobal) {
  return argumento == "--lang" || argumento == "--instrument" ||
         (capoGlobal && argumento == "--capo");
}

// The command's name: the first argument that is neither a global option nor its value.
std::string nomeComando(const std::vector<std::string>& argumentos) {
  for (size_t i = 0; i < argumentos.size(); ++i) {
    if (!opcaoGlobal(argumentos[i], true)) return argumentos[i];
    ++i;
  }
  return "";
}

std::string aceitosGlobal(const std::string& opcao) {
  if (opcao == "--lang") return "a language code such as pt or en";
  return opcao == "--capo" ? CAPOS : "an instrument's name or number";
}

int lerCapo(const std::string& valor) {
  const auto casa = texto::inteiro(valor);
  if (!casa || *casa < 0 || *casa > Fachada::CAPO_MAXIMO) {
    throw ErroArgumento::valorRecusado("--capo", valor, CAPOS);
  }
  return *casa;
}

bool pedeAjuda(const std::vector<std::string>& argumentos) {
  return std::any_of(argumentos.begin(), argumentos.end(),
                     [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// Takes "--lang X", "--instrument X" and "--capo N" out of the arguments, wherever they stand;
// "--capo" stays with a command that has a capo option of its own (a song's capo line).
std::vector<std::string> lerOpcoesGlobais(const std::vector<std::string>& argumentos,
                                          ContextoCli::Opcoes& opcoes, bool capoGlobal) {
  std::vector<std::string> resto;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (!opcaoGlobal(a, capoGlobal)) {
      resto.push_back(a);
      continue;
    }
    if (i + 1 >= argumentos.size()) throw ErroArgumento::semValor(a, aceitosGlobal(a));
    const std::string& valor = argumentos[++i];
    if (a == "--capo") {
      opcoes.capo = lerCapo(valor);
    } else {
      (a == "--lang" ? opcoes.idioma : opcoes.instrumento) = valor;
    }
  }
  return resto;
}

}  // namespace

int Cli::executar(int argc, char** argv) {
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  ContextoCli::Opcoes opcoes;
  std::vector<std::string> resto;
  try {
    const ComandoCli* comando = procurar(nomeComando(argumentos));
    const bool capoProprio =
        comando != nullptr && comando->opcoes() != nullptr && comando->opcoes()->conhece("--capo");
    resto = lerOpcoesGlobais(argumentos, opcoes, !capoProprio);
    // Its "--capo N" may have come before the command's name.
    if (capoProprio) {
      const auto nome = std::find(resto.begin(), resto.end(), comando->nome());
      std::rotate(resto.begin(), nome, nome + 1);
    }
  } catch (const ErroArgumento& e) {
    erros_ << "tessara-cli: " << e.what() << '\n';
    return uso(2);
  }
  if (resto.empty()) return uso(2);
  if (resto.front() == "--version") {
    saida_ << "tessara-cli " << TESSARA_VERSAO << '\n';
    return 0;
  }
  if (resto.front() == "--help" || resto.front() == "-h") return uso(0);
  ComandoCli* comando = procurar(resto.front());
  if (comando == nullptr) {
    erros_ << "tessara-cli: unknown command '" << resto.front() << "'\n";
    return uso(2);
  }
  resto.erase(resto.begin());
  // "COMMAND --help" tells how to use that command, and does nothing else.
  if (pedeAjuda(resto)) {
    ajudaComando(*comando);
    return 0;
  }
  return executarComando(*comando, opcoes, resto);
}

int Cli::executarComando(ComandoCli& comando, const ContextoCli::Opcoes& opcoes,
                         const std::vector<std::string>& argumentos) {
  ContextoCli contexto(opcoes, saida_, erros_);
  int status = 1;
  // What a command does not expect still ends it with its own words, not another error's.
  try {
    status = comando.executar(contexto, argumentos);
  } catch (const ErroArgumento& e) {
    erros_ << "tessara-cli: " << comando.nome() << ": " << e.what() << '\n';
    status = 2;
  } catch (const ContextoCli::OpcaoRecusada& e) {
    // A language or an instrument that does not exist is refused whatever the command.
    status = e.status;
  } catch (const DException& e) {
    erros_ << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
  } catch (const std::bad_alloc&) {
    erros_ << "tessara-cli: out of memory\n";
  } catch (const std::exception& e) {
    erros_ << "tessara-cli: " << e.what() << '\n';
  }
  if (status == 2) usoComando(comando, erros_);
  return status;
}

void Cli::usoComando(const ComandoCli& comando, std::ostream& destino) const {
  destino << "usage: tessara-cli " << OPCOES_GLOBAIS << ' ' << comando.resumo() << '\n';
}

void Cli::ajudaComando(const ComandoCli& comando) const {
  usoComando(comando, saida_);
  if (const LeitorOpcoes* opcoes = comando.opcoes()) {
    saida_ << "options:\n";
    opcoes->escreverAjuda(saida_);
  }
}

ComandoCli* Cli::procurar(const std::string& nome) const {
  for (const auto& c : comandos_) {
    if (c->nome() == nome) return c.get();
  }
  return nullptr;
}

int Cli::uso(int status) {
  auto& destino = status == 0 ? saida_ : erros_;
  destino << "usage: tessara-cli [--version] " << OPCOES_GLOBAIS
          << " COMMAND [ARGS]\n"
             "global options may also follow the command\n"
             "commands:\n";
  for (const auto& c : comandos_) destino << "  " << c->resumo() << '\n';
  return status;
}

}  // namespace tessara
