#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "foundations/Imagem.h"
#include "foundations/Interacao.h"
#include "languages/PacoteImagens.h"
#include "languages/TextosIdioma.h"

namespace tessara {

// One loaded language: the texts of its language file and its picture pack.
class Idioma {
 public:
  // Reads `arquivoIdioma` of `diretorio` now; the pack `arquivoPacote` is opened for each
  // picture. A language file that cannot be read gives a language without texts.
  Idioma(const std::filesystem::path& diretorio, const std::string& arquivoIdioma,
         const std::string& arquivoPacote, Interacao& interacao);

  // The empty text when the section or the key does not exist.
  std::string getTexto(std::string_view secao, std::string_view chave) const;

  // The display name ("nomeIdioma" of section "EspecificacaoIdioma").
  std::string getNome() const;

  // The picture named by the entry; nothing when the entry is empty. A picture that cannot be
  // read means a damaged installation: the user is told so, once for this language.
  std::optional<Imagem> getImagem(std::string_view secao, std::string_view chave);

  const std::filesystem::path& getCaminhoPacote() const { return pacote_.getArquivo(); }
  bool getAvisoMostrado() const { return avisoMostrado_; }

  // Fixed English texts: no language may be usable when they are needed.
  static constexpr const char* TITULO_MENSAGENS = "Internationalization";
  static std::string mensagemArquivoCorrompido();

 private:
  TextosIdioma textos_;
  PacoteImagens pacote_;
  Interacao& interacao_;
  bool avisoMostrado_ = false;
};

}  // namespace tessara
