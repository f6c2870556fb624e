#include "ComandoInterpretar.h"

#include <cstdio>

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/DataFormatException.h"
#include "chords/Especialista.h"
#include "languages/GerenciadorIdiomas.h"
#include "foundations/RaizNaoEncontradaException.h"

namespace tessara {

namespace {

std::string hexadecimal(int32_t codigo) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "0x%08X",
                static_cast<unsigned>(static_cast<uint32_t>(codigo)));
  return texto;
}

std::string graus(int32_t codigo) {
  std::string lista;
  for (int g = 0; g < Especialista::NUMERO_GRAUS; ++g) {
    if (!Especialista::temGrau(codigo, g)) continue;
    if (!lista.empty()) lista += ',';
    lista += std::to_string(g);
  }
  return lista.empty() ? "-" : lista;
}

std::string descricao(int32_t codigo, Gramatica gramatica) {
  const int baixo = Especialista::getBaixo(codigo);
  return hexadecimal(codigo) + '\t' + Especialista::nomeGrafia(Especialista::getRaiz(codigo)) +
         '\t' + graus(codigo) + '\t' + (baixo >= 0 ? Especialista::nomeGrafia(baixo) : "-") + '\t' +
         cp1252::paraUtf8(Especialista::nomear(codigo, gramatica));
}

}  // namespace

int ComandoInterpretar::executar(ContextoCli& contexto,
                                 const std::vector<std::string>& argumentos) {
  if (argumentos.empty()) return 2;
  const GerenciadorIdiomas* idiomas = contexto.idiomas();
  if (idiomas == nullptr) return 1;
  const IdiomaAcordes idioma = IdiomaAcordes::de(*idiomas);
  int status = 0;
  for (const auto& nome : argumentos) {
    contexto.saida() << nome << '\t';
    try {
      contexto.saida() << descricao(Especialista::interpretar(cp1252::deUtf8(nome), idioma),
                                    idioma.gramatica)
                       << '\n';
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
