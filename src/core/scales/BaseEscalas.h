#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "foundations/TXMLParser.h"
#include "scales/Escala.h"

namespace tessara {

class Textos;

// Reads the scale base, a read-only XML file: a root element holding one `escala` per scale,
// each with one `nome` and its offsets as `frequencia` elements. Positions count the `escala`
// end tags. Every call reads the file again.
class BaseEscalas {
 public:
  // Messages come from the language; `arquivo` is the scale base's path.
  BaseEscalas(const Textos& idioma, std::filesystem::path arquivo);

  // A missing file raises FileNotFoundException; one that cannot be read has no scales.
  // A scale without a name adds none here, so names and positions then disagree.
  std::vector<std::string> getNomesEscalas();
  // Nothing when there is no scale at the position. XMLParseException when an offset of that
  // scale is not an integer. A scale without a name takes the name of the one before it.
  std::optional<Escala> getEscala(int posicao);
  // The position of the first name equal to `nome`, or the number of names.
  int indiceEscala(const std::string& nome);
  int numeroEscalas();

  // The same readings over a document in memory.
  std::vector<std::string> nomesDoTexto(std::string documento);
  std::optional<Escala> escalaDoTexto(std::string documento, int posicao);

  const std::filesystem::path& getArquivo() const { return arquivo_; }

 private:
  void carregar(const char* metodo);
  std::vector<std::string> lerNomes();
  std::optional<Escala> lerEscala(int posicao);

  const Textos& idioma_;
  std::filesystem::path arquivo_;
  TXMLParser xml_;
};

}  // namespace tessara
