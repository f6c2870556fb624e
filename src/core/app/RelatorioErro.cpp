#include "RelatorioErro.h"

#include "Contato.h"

namespace tessara {

namespace {

constexpr const char* kTituloFixo = "Tessara";

std::string contato() {
  return std::string("An error has occurred in your application.\nIf the problem persist, please "
                     "contact us: ") +
         EMAIL_SUPORTE + ".";
}

std::string titulo(const RelatorioErro::Textos& textos) {
  return textos ? textos("geral", "nomeAplicacao") : kTituloFixo;
}

std::string textoOuGeral(const RelatorioErro::Textos& textos, std::string_view secao,
                         std::string_view chave) {
  return textos ? textos(secao, chave) : RelatorioErro::textoGeral();
}

std::string sufixoVersao(const std::string& versao) { return versao.empty() ? "" : ", v" + versao; }

}  // namespace

std::string RelatorioErro::textoGeral() { return contato() + "\n\nError information:"; }

RelatorioErro::Caixa RelatorioErro::fatal(const Textos& textos, const std::string& versao) {
  return {textoOuGeral(textos, "exception", "componentesMIDI") + sufixoVersao(versao) + " \"",
          titulo(textos)};
}

RelatorioErro::Caixa RelatorioErro::erroBiblioteca(const Textos& textos, const std::string& tipo,
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

}  // namespace tessara
