#include "TextosJanela.h"

#include "app/Fachada.h"
#include "qt/TextoQt.h"

namespace tessara {

QString TextosJanela::operator()(const char* chave) const { return (*this)(secao_, chave); }

QString TextosJanela::operator()(const char* secao, const char* chave) const {
  return qtLinhas(fachada_.getTexto(secao, chave));
}

}  // namespace tessara
