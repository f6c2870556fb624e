#include "Cli.h"

#include <algorithm>

#include "ComandoAcordesCifra.h"
#include "ComandoBraco.h"
#include "ComandoDispositivos.h"
#include "ComandoExibicoesEscala.h"
#include "ComandoIdiomas.h"
#include "ComandoImprimir.h"
#include "ComandoInstrumentos.h"
#include "ComandoInterpretar.h"
#include "ComandoNomear.h"
#include "ComandoNomesEscalas.h"
#include "ComandoPosicoesAcorde.h"
#include "ComandoTocar.h"
#include "ComandoTranspor.h"
#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"

namespace tessara {

Cli::Cli(std::ostream& saida, std::ostream& erros) : saida_(saida), erros_(erros) {
  comandos_.push_back(std::make_unique<ComandoIdiomas>());
  comandos_.push_back(std::make_unique<ComandoInterpretar>());
  comandos_.push_back(std::make_unique<ComandoTranspor>());
  comandos_.push_back(std::make_unique<ComandoAcordesCifra>());
  comandos_.push_back(std::make_unique<ComandoInstrumentos>());
  comandos_.push_back(std::make_unique<ComandoDispositivos>());
  comandos_.push_back(std::make_unique<ComandoTocar>());
  comandos_.push_back(std::make_unique<ComandoPosicoesAcorde>());
  comandos_.push_back(std::make_unique<ComandoNomear>());
  comandos_.push_back(std::make_unique<ComandoNomesEscalas>());
  comandos_.push_back(std::make_unique<ComandoExibicoesEscala>());
  comandos_.push_back(std::make_unique<ComandoImprimir>());
  comandos_.push_back(std::make_unique<ComandoBraco>());
}

int Cli::executar(int argc, char** argv) {
  std::vector<std::string> argumentos(argv + 1, argv + argc);
  ContextoCli::Opcoes opcoes;
  size_t i = 0;
  for (; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (a == "--version") {
      saida_ << "tessara-cli " << TESSARA_VERSAO << '\n';
      return 0;
    }
    if (a == "--help" || a == "-h") return uso(0);
    if (a != "--lang" && a != "--instrument") break;
    if (i + 1 >= argumentos.size()) {
      erros_ << "tessara-cli: " << a << " needs a value\n";
      return uso(2);
    }
    (a == "--lang" ? opcoes.idioma : opcoes.instrumento) = argumentos[++i];
  }
  if (i >= argumentos.size()) return uso(2);
  ComandoCli* comando = procurar(argumentos[i]);
  if (comando == nullptr) {
    erros_ << "tessara-cli: unknown command '" << argumentos[i] << "'\n";
    return uso(2);
  }
  const std::vector<std::string> resto(argumentos.begin() + static_cast<long>(i) + 1,
                                       argumentos.end());
  // "COMMAND --help" tells how to use that command, and does nothing else.
  if (std::find_if(resto.begin(), resto.end(), [](const std::string& a) {
        return a == "--help" || a == "-h";
      }) != resto.end()) {
    saida_ << "usage: tessara-cli [--lang pt|en] [--instrument NAME] " << comando->resumo() << '\n';
    return 0;
  }
  ContextoCli contexto(opcoes, saida_, erros_);
  int status = 1;
  // What a command does not expect still ends it with its own words, not another error's.
  try {
    status = comando->executar(contexto, resto);
  } catch (const DException& e) {
    erros_ << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
  } catch (const std::bad_alloc&) {
    erros_ << "tessara-cli: out of memory\n";
  } catch (const std::exception& e) {
    erros_ << "tessara-cli: " << e.what() << '\n';
  }
  return status == 2 ? uso(2) : status;
}

ComandoCli* Cli::procurar(const std::string& nome) const {
  for (const auto& c : comandos_) {
    if (c->nome() == nome) return c.get();
  }
  return nullptr;
}

int Cli::uso(int status) {
  auto& destino = status == 0 ? saida_ : erros_;
  destino << "usage: tessara-cli [--version] [--lang pt|en] [--instrument NAME] COMMAND [ARGS]\n"
             "commands:\n";
  for (const auto& c : comandos_) destino << "  " << c->resumo() << '\n';
  return status;
}

}  // namespace tessara
