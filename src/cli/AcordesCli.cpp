#include "AcordesCli.h"

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "generation/GerenciadorAcordes.h"
#include "foundations/Interacao.h"
#include "app/Nucleo.h"

namespace tessara {

GerenciadorAcordes* AcordesCli::gerenciador(ContextoCli& contexto) {
  if (contexto.instrumentos() == nullptr) return nullptr;
  GerenciadorAcordes& gerenciador = Nucleo::processo().acordes();
  // A missing chord base has been reported by the manager, which asked to end.
  if (Nucleo::processo().interacao().encerramentoPedido()) return nullptr;
  return &gerenciador;
}

bool AcordesCli::selecionar(ContextoCli& contexto, GerenciadorAcordes& gerenciador,
                            const std::string& nome) {
  if (gerenciador.setAcordePorNome(cp1252::deUtf8(nome))) return true;
  contexto.erros() << "error: '" << nome << "' is not a chord name the language reads\n";
  return false;
}

}  // namespace tessara
