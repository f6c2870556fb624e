#include "ComandoInterpretar.h"

#include <cstdio>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/DataFormatException.h"
#include "foundations/RaizNaoEncontradaException.h"

namespace tessara {

namespace {

std::string hexadecimal(int32_t codigo) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "0x%08X",
                static_cast<unsigned>(static_cast<uint32_t>(codigo)));
  return texto;
}

std::string lista(const std::vector<int>& graus) {
  std::string texto;
  for (int g : graus) {
    if (!texto.empty()) texto += ',';
    texto += std::to_string(g);
  }
  return texto.empty() ? "-" : texto;
}

std::string descricao(const AnaliseAcorde& analise) {
  return hexadecimal(analise.codigo) + '\t' + analise.raiz + '\t' + lista(analise.graus) + '\t' +
         (analise.baixo.empty() ? "-" : analise.baixo) + '\t' + cp1252::paraUtf8(analise.nome);
}

}  // namespace

int ComandoInterpretar::executar(ContextoCli& contexto,
                                 const std::vector<std::string>& argumentos) {
  if (argumentos.empty()) throw ErroArgumento::faltando("NAME");
  if (!contexto.prepararIdioma()) return 1;
  const Fachada& fachada = contexto.fachada();
  int status = 0;
  for (const auto& nome : argumentos) {
    contexto.saida() << nome << '\t';
    try {
      contexto.saida() << descricao(fachada.analisarAcorde(cp1252::deUtf8(nome))) << '\n';
    } catch (const RaizNaoEncontradaException&) {
      contexto.saida() << "error: unknown root\n";
      status = 1;
    } catch (const DataFormatException&) {
      contexto.saida() << "error: syntax\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace tessara
