#include "foundations/RaizNaoEncontradaException.h"

#include "foundations/Cp1252.h"

namespace tessara {

RaizNaoEncontradaException::RaizNaoEncontradaException(const std::string& texto)
    : DException(TXT("Não foi encontrada raiz para o acorde: ") + texto) {}

}  // namespace tessara
