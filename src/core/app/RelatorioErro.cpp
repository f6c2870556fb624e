#include "app/RelatorioErro.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "foundations/Contato.h"
#include "foundations/DException.h"
#include "foundations/FatalException.h"

namespace tessara {

namespace {

constexpr const char* kTituloFixo = "Tessara";

std::string contato() {
  return std::string(
             "An error has occurred in your application.\nIf the problem persist, please "
             "contact us: ") +
         EMAIL_SUPORTE + ".";
}

std::string titulo(const Textos* textos) {
  return textos != nullptr ? textos->getTexto("geral", "nomeAplicacao") : kTituloFixo;
}

std::string textoOuGeral(const Textos* textos, std::string_view secao, std::string_view chave) {
  return textos != nullptr ? textos->getTexto(secao, chave) : RelatorioErro::textoGeral();
}

std::string nomeTipo(const std::type_info& tipo) {
  int estado = 0;
  std::unique_ptr<char, void (*)(void*)> nome(
      abi::__cxa_demangle(tipo.name(), nullptr, nullptr, &estado), std::free);
  return estado == 0 && nome ? std::string(nome.get()) : std::string(tipo.name());
}

std::string sufixoVersao(const std::string& versao) { return versao.empty() ? "" : ", v" + versao; }

}  // namespace

std::string RelatorioErro::textoGeral() { return contato() + "\n\nError information:"; }

RelatorioErro::Caixa RelatorioErro::fatal(const Textos* textos, const std::string& versao) {
  return {textoOuGeral(textos, "exception", "componentesMIDI") + sufixoVersao(versao) + " \"",
          titulo(textos)};
}

RelatorioErro::Caixa RelatorioErro::erroBiblioteca(const Textos* textos, const std::string& tipo,
                                                   const std::string& mensagem,
                                                   const std::string& versao) {
  return {textoOuGeral(textos, "geral", "erroGeral") + "\n\" " + tipo + " (" + mensagem + ")" +
              sufixoVersao(versao) + " \"",
          titulo(textos)};
}

RelatorioErro::Caixa RelatorioErro::outro(const std::string& versao) {
  std::string texto = contato();
  if (!versao.empty()) texto += "\n\nError information:\n\" v" + versao + " \"";
  return {texto, kTituloFixo};
}

RelatorioErro::Caixa RelatorioErro::para(const std::exception_ptr& erro, const Textos* textos,
                                         const std::string& versao) {
  try {
    std::rethrow_exception(erro);
  } catch (const FatalException&) {
    return fatal(textos, versao);
  } catch (const DException&) {
    return outro(versao);  // our own family is never shown as a library error
  } catch (const std::exception& e) {
    return erroBiblioteca(textos, nomeTipo(typeid(e)), e.what(), versao);
  } catch (...) {
    return outro(versao);
  }
}

}  // namespace tessara
