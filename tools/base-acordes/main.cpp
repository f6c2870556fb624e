// Builds the chord base of one language at build time:
//
//   tessara-base-acordes LANGUAGE.idm OUTPUT
//
// The language file's folder holds the other language files and the lists of chord names,
// base-acordes-pt.txt for the Brazilian Portuguese grammar and base-acordes-en.txt for the
// English one (UTF-8, one name per line, written as that grammar reads them). The chords are
// generated on the built-in guitar of that language and written in the chord base's binary
// format, names as the list writes them.
#include <filesystem>
#include <iostream>
#include <vector>

#include "MontadorBaseAcordes.h"
#include "app/Nucleo.h"
#include "chords/BaseAcordesViolao.h"
#include "chords/IdiomaAcordes.h"
#include "chords/ListaNomesAcordes.h"
#include "foundations/DException.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "languages/GerenciadorIdiomas.h"

namespace fs = std::filesystem;
using namespace tessara;

namespace {

fs::path listaDeNomes(const fs::path& pasta, Gramatica gramatica) {
  return pasta /
         (gramatica == Gramatica::Portugues ? "base-acordes-pt.txt" : "base-acordes-en.txt");
}

int montar(const fs::path& arquivoIdioma, const fs::path& saida) {
  const fs::path pasta = arquivoIdioma.parent_path();
  // The folder is the program's and the user's: only the built-in guitar is used.
  Nucleo nucleo(Nucleo::Entradas::nasPastas(pasta, pasta));
  GerenciadorIdiomas& idiomas = nucleo.idiomas();
  if (idiomas.carregarIdioma(idiomas.indiceDoCodigo(arquivoIdioma.stem().string())) == nullptr) {
    std::cerr << "tessara-base-acordes: " << arquivoIdioma << " is not a language file\n";
    return 1;
  }
  const IdiomaAcordes idioma = IdiomaAcordes::de(idiomas);
  const auto nomes = ListaNomesAcordes::ler(listaDeNomes(pasta, idioma.gramatica));
  if (nomes.empty()) {
    std::cerr << "tessara-base-acordes: no chord names in " << listaDeNomes(pasta, idioma.gramatica)
              << '\n';
    return 1;
  }

  // The built-in guitar as the instrument manager makes it.
  nucleo.instrumentos().setInstrumento(0);
  const InstrumentoCordas violao = *nucleo.instrumentos().getInstrumentoAtual();
  const auto acordes =
      MontadorBaseAcordes(nucleo.gerador(), violao, idioma).montar(nomes, std::cerr);
  if (acordes.empty()) return 1;
  std::vector<const AcordeComposto*> ponteiros;
  for (const auto& a : acordes) ponteiros.push_back(&a);
  BaseAcordesViolao::gravar(saida, ponteiros);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tessara-base-acordes LANGUAGE.idm OUTPUT\n";
    return 2;
  }
  try {
    return montar(argv[1], argv[2]);
  } catch (const DException& e) {
    std::cerr << "tessara-base-acordes: " << e.getMensagemCompleta() << '\n';
    return 1;
  }
}
