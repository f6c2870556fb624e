#include "languages/Idioma.h"

#include "foundations/Contato.h"

namespace tessara {

Idioma::Idioma(const std::filesystem::path& diretorio, const std::string& arquivoIdioma,
               const std::string& arquivoPacote, Interacao& interacao)
    : textos_(TextosIdioma::deArquivo(diretorio / arquivoIdioma)),
      pacote_(diretorio / arquivoPacote),
      interacao_(interacao) {}

std::string Idioma::getTexto(std::string_view secao, std::string_view chave) const {
  return textos_.getTexto(secao, chave);
}

std::string Idioma::mensagemArquivoCorrompido() {
  return std::string(
             "The file of the language you have selected is corrupted. Try to reinstall "
             "your software.\nIf the problem persist, please contact us: ") +
         EMAIL_SUPORTE + ".";
}

std::string Idioma::getNome() const { return getTexto("EspecificacaoIdioma", "nomeIdioma"); }

std::optional<Imagem> Idioma::getImagem(std::string_view secao, std::string_view chave) {
  const std::string* entrada = textos_.valor(secao, chave);
  if (entrada == nullptr || entrada->empty()) return std::nullopt;
  auto imagem = pacote_.lerImagem(*entrada);
  if (!imagem && !avisoMostrado_) {
    avisoMostrado_ = true;
    interacao_.mostrarMensagem(mensagemArquivoCorrompido(), TITULO_MENSAGENS);
  }
  return imagem;
}

}  // namespace tessara
