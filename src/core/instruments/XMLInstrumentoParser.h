#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "foundations/TXMLParser.h"
#include "instruments/InstrumentoCordas.h"

namespace tessara {

class Textos;

// Reads and writes the user's instrument base: a root element holding one `instrumento` per
// instrument with `nome`, `descricao`, `numeroCordas`, `numeroCasas`, `distancia`, `som` and
// an `afinacao` of `frequencia` notes. Positions count the instruments in file order. Every
// change reads the whole file and writes it again in our own format (CP1252, tabs, CR LF,
// no declaration), atomically: a failed write leaves the old file as it was.
class XMLInstrumentoParser {
 public:
  // Messages come from the language; the user's files live in `pastaUsuario`, and the
  // shipped defaults they start from in `pastaPadrao`.
  XMLInstrumentoParser(const Textos& idioma, std::filesystem::path pastaUsuario,
                       std::filesystem::path pastaPadrao);

  // Where the user's file of that name lives. When the user has none yet, the shipped one of
  // the same name is copied there first. When it cannot be (a settings folder that cannot be
  // written), the shipped file is returned, to be read only, and `erro` says why.
  std::filesystem::path prepararArquivo(const std::filesystem::path& nomeArquivo,
                                        std::string* erro = nullptr) const;

  // A missing file raises FileNotFoundException; one that is not a regular file, that the
  // system refuses, or that is damaged (cut short, UTF-16, no XML) raises
  // BaseIlegivelException naming it and why. A damaged one is first kept as
  // `<file>.damaged`, and the changes below then start a new file.
  // There is one name per instrument, so names and positions always agree.
  std::vector<std::string> getNomesInstrumentos(const std::filesystem::path& arquivo);
  // OutOfBoundsException when there is no instrument at the position; XMLParseException when
  // one of its numbers is not an integer (other instruments' values do not matter).
  InstrumentoCordas getInstrumento(const std::filesystem::path& arquivo, int posicao);
  // Every instrument, in one reading; XMLParseException when any holds a bad number.
  std::vector<InstrumentoCordas> getInstrumentos(const std::filesystem::path& arquivo);

  // The changes refuse a file they could not read whole (removing may take out the one
  // damaged instrument), and raise DException when the new file cannot be written; either way
  // the file stays as it was. Each holds the file's lock from its reading to its writing, so
  // that changes made at once by several programs all survive.
  void addInstrumento(const std::filesystem::path& arquivo, const InstrumentoCordas& instrumento);
  void editInstrumento(const std::filesystem::path& arquivo, int posicao,
                       const InstrumentoCordas& instrumento);
  void delInstrumento(const std::filesystem::path& arquivo, int posicao);
  void salvar(const std::filesystem::path& arquivo,
              const std::vector<InstrumentoCordas>& instrumentos);

  // The same readings over a document in memory.
  std::vector<std::string> nomesDoTexto(std::string documento);
  std::vector<InstrumentoCordas> instrumentosDoTexto(std::string documento);

  // A name as the file gives it back once written: the scanner drops surrounding blanks and
  // packs inner ones.
  static std::string nomeRelido(const std::string& nome);

  // The whole file text for a list of instruments.
  static std::string gerarTexto(const std::vector<InstrumentoCordas>& instrumentos);

 private:
  // Loads the file into the scanner; raises as getNomesInstrumentos tells.
  void carregar(const std::filesystem::path& arquivo, const char* metodo);
  [[noreturn]] void recusarIlegivel(const std::filesystem::path& arquivo, const std::string& motivo,
                                    const char* metodo, bool guardar = true) const;
  // Every instrument as read, with the first element of each that did not read (or empty).
  struct Lidos {
    std::vector<InstrumentoCordas> instrumentos;
    std::vector<std::string> invalidos;
  };
  Lidos lerParaAlterar(const std::filesystem::path& arquivo);
  Lidos lerComDanos();
  // XMLParseException for the first damaged instrument other than the one at `exceto`.
  void recusarDanos(const Lidos& lidos, int exceto = -1) const;
  std::vector<std::string> lerNomes();
  std::vector<InstrumentoCordas> lerTodos();
  void verificarPosicao(int posicao, size_t quantidade, const char* metodo) const;
  std::string texto(const char* chave) const;

  const Textos& idioma_;
  std::filesystem::path pastaUsuario_;
  std::filesystem::path pastaPadrao_;
  TXMLParser xml_;
};

}  // namespace tessara
