#include "TratadorErros.h"

#include <cxxabi.h>

#include <QMessageBox>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "DException.h"
#include "FatalException.h"
#include "GerenciadorIdiomas.h"
#include "RelatorioErro.h"
#include "TextoQt.h"

namespace tessara {

namespace {

std::string nomeTipo(const std::type_info& tipo) {
  int estado = 0;
  std::unique_ptr<char, void (*)(void*)> nome(
      abi::__cxa_demangle(tipo.name(), nullptr, nullptr, &estado), std::free);
  return estado == 0 && nome ? std::string(nome.get()) : std::string(tipo.name());
}

const GerenciadorIdiomas* idiomasAtuais = nullptr;

// Language texts only when a language is loaded; the manager may not even exist yet.
RelatorioErro::Textos textosDoIdioma() {
  if (idiomasAtuais == nullptr || !idiomasAtuais->idiomaCarregado()) return {};
  return [](std::string_view secao, std::string_view chave) {
    return idiomasAtuais->getTexto(secao, chave);
  };
}

RelatorioErro::Caixa caixaPara(const std::exception_ptr& erro) {
  const std::string versao = TESSARA_VERSAO;
  try {
    std::rethrow_exception(erro);
  } catch (const FatalException&) {
    return RelatorioErro::fatal(textosDoIdioma(), versao);
  } catch (const DException&) {
    return RelatorioErro::outro(versao);
  } catch (const std::exception& e) {
    return RelatorioErro::erroBiblioteca(textosDoIdioma(), nomeTipo(typeid(e)), e.what(), versao);
  } catch (...) {
    return RelatorioErro::outro(versao);
  }
}

}  // namespace

void TratadorErros::definirIdiomas(const GerenciadorIdiomas* idiomas) { idiomasAtuais = idiomas; }

void TratadorErros::relatar(const std::exception_ptr& erro) {
  const auto caixa = caixaPara(erro);
  QMessageBox::critical(nullptr, qt(caixa.titulo), qt(caixa.texto).remove(QLatin1Char('\r')));
}

}  // namespace tessara
