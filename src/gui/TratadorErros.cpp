#include "TratadorErros.h"

#include <QMessageBox>

#include "app/RelatorioErro.h"
#include "foundations/Textos.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

const Textos* textosAtuais = nullptr;

// Language texts only when a language is loaded; the manager may not even exist yet.
const Textos* textosDoIdioma() {
  if (textosAtuais == nullptr || textosAtuais->getNomeIdiomaAtual().empty()) return nullptr;
  return textosAtuais;
}

}  // namespace

void TratadorErros::definirTextos(const Textos* textos) { textosAtuais = textos; }

void TratadorErros::relatar(const std::exception_ptr& erro) {
  const auto caixa = RelatorioErro::para(erro, textosDoIdioma(), TESSARA_VERSAO);
  QMessageBox::critical(nullptr, qt(caixa.titulo), qtLinhas(caixa.texto));
}

}  // namespace tessara
