#include "TratadorErros.h"

#include <QMessageBox>

#include "languages/GerenciadorIdiomas.h"
#include "app/RelatorioErro.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

const GerenciadorIdiomas* idiomasAtuais = nullptr;

// Language texts only when a language is loaded; the manager may not even exist yet.
const Textos* textosDoIdioma() {
  if (idiomasAtuais == nullptr || !idiomasAtuais->idiomaCarregado()) return nullptr;
  return idiomasAtuais;
}

}  // namespace

void TratadorErros::definirIdiomas(const GerenciadorIdiomas* idiomas) { idiomasAtuais = idiomas; }

void TratadorErros::relatar(const std::exception_ptr& erro) {
  const auto caixa = RelatorioErro::para(erro, textosDoIdioma(), TESSARA_VERSAO);
  QMessageBox::critical(nullptr, qt(caixa.titulo), qt(caixa.texto).remove(QLatin1Char('\r')));
}

}  // namespace tessara
