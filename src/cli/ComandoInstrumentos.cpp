#include "ComandoInstrumentos.h"

#include <sstream>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "model/Notas.h"

namespace tessara {

namespace {

std::string afinacao(const InstrumentoCordas& instrumento) {
  std::string texto;
  for (int nota : instrumento.getAfinacao()) {
    if (!texto.empty()) texto += ',';
    texto += nomeNotaOitava(nota);
  }
  return texto;
}

}  // namespace

int ComandoInstrumentos::executar(ContextoCli& contexto,
                                  const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) throw ErroArgumento::inesperado(argumentos.front());
  if (!contexto.prepararInstrumento()) return contexto.statusErro();
  // Everything is read before anything is written: a damaged base prints only the error.
  std::ostringstream linhas;
  try {
    int indice = 0;
    for (const auto& i : contexto.fachada().getInstrumentos()) {
      linhas << indice++ << '\t' << cp1252::paraUtf8(i.getName()) << '\t' << i.getNumeroCordas()
             << '\t' << i.getNumeroCasas() << '\t' << i.getDistancia() << '\t' << i.getSom() << '\t'
             << afinacao(i) << '\n';
    }
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return 1;
  }
  contexto.avisarBaseInstrumentos();
  contexto.saida() << linhas.str();
  return 0;
}

}  // namespace tessara
