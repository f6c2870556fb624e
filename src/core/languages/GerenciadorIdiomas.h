#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundations/Imagem.h"
#include "foundations/Interacao.h"
#include "foundations/Textos.h"
#include "languages/Idioma.h"

namespace tessara {

// Finds the language files of a folder, loads one of them at a time and answers text and
// picture look-ups in it. A language file is a "*.idm" whose section "EspecificacaoIdioma"
// names the language ("nomeIdioma") and carries our application code; its picture pack is
// the ".dat" of the same base name.
class GerenciadorIdiomas : public Textos {
 public:
  static constexpr const char* CODIGO_APLICACAO = "Tessara3.0";

  // Lists the languages now (by file name, so the order does not depend on the file system);
  // with none, tells the user and asks the application to end.
  GerenciadorIdiomas(std::filesystem::path diretorio, Interacao& interacao);

  // Loads the language of that name (ignoring letter case); when there is none, lets the user
  // choose, and when nothing is chosen asks the application to end and gives nothing.
  Idioma* selecionarIdioma(std::string_view nome);

  // Offers every language, the current one selected; true once the chosen one is loaded.
  bool escolherIdioma();

  // The language of that index, loaded unless it is already current; nothing when the index
  // is outside the list.
  Idioma* carregarIdioma(int indice);

  // The index of the language whose file is named by a code such as "pt" (pt.idm, pt-BR.idm)
  // or "en", ignoring letter case; -1 when there is none.
  int indiceDoCodigo(std::string_view codigo) const;

  // The empty text when no language is loaded, or the section or the key does not exist.
  std::string getTexto(std::string_view secao, std::string_view chave) const override;
  std::optional<Imagem> getImagem(std::string_view secao, std::string_view chave);

  bool idiomaCarregado() const { return idioma_ != nullptr; }
  Idioma* getIdiomaAtual() const { return idioma_.get(); }
  const std::vector<std::string>& getNomesIdiomas() const { return nomesIdiomas_; }
  const std::vector<std::string>& getArquivosIdiomas() const { return arquivosIdiomas_; }
  int getIndiceAtual() const { return indiceAtual_; }
  // The loaded language's own name, or the empty text.
  std::string getNomeIdiomaAtual() const override;

 private:
  void procurarIdiomas();
  std::string lugaresProcurados() const;

  std::filesystem::path diretorio_;
  Interacao& interacao_;
  std::unique_ptr<Idioma> idioma_;
  std::vector<std::string> nomesIdiomas_;
  std::vector<std::string> arquivosIdiomas_;  // base names, without ".idm"
  int indiceAtual_ = -1;
};

}  // namespace tessara
