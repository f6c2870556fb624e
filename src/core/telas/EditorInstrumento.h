#pragma once

#include <array>
#include <string>

#include "instruments/InstrumentoCordas.h"

namespace tessara {

class Fachada;

// What the instrument editor's fields hold. Row 0 is the highest-pitched string; with n
// strings rows 0..n-1 are used and the others keep their notes for a larger count.
struct CamposInstrumento {
  static constexpr int LINHAS = 6;

  std::string nome;
  std::string descricao;
  int cordas = 6;
  int casas = 14;
  int som = 24;  // nylon-string guitar
  // The standard guitar's tuning, E A D G B E from the lowest string: a new instrument
  // starts from the tuning most users change a string or two of.
  std::array<int, LINHAS> notas{64, 59, 55, 50, 45, 40};
};

// The instrument editor's rules, apart from its window: the fields of an instrument, the
// instrument the fields make, and saving it, as a change of the instrument being edited or
// as a new one.
class EditorInstrumento {
 public:
  static constexpr int MINIMO_CORDAS = 4;
  static constexpr int MINIMO_CASAS = 6;
  static constexpr int DISTANCIA = 3;

  enum class Resultado { Salvo, NomeVazio, NomePadrao, NomeExistente, Falha };
  struct Salvamento {
    Resultado resultado;
    std::string mensagem;  // what to tell the user when not saved
    int indice = -1;       // where the saved instrument now is in the list
  };

  explicit EditorInstrumento(Fachada& fachada) : fachada_(fachada) {}

  // 12 frets for 4 strings, 14 for 5 or 6.
  static int maximoCasas(int cordas);
  // The fields of an instrument, kept within what the editor offers; rows past its strings
  // keep `anteriores`' notes.
  static CamposInstrumento campos(const InstrumentoCordas& instrumento,
                                  const CamposInstrumento& anteriores = {});
  // The instrument the fields describe: the name as typed, the tuning lowest string first.
  static InstrumentoCordas montar(const CamposInstrumento& campos);

  // Saves the fields: over the user instrument at `indiceEditado`, or as a new instrument when
  // creating (-1) or when a built-in instrument was edited. A name that is empty, or that
  // would read back as a name of the list (a built-in one, or any other than the instrument's
  // own), is refused; so is a change the instrument file cannot take, with its reason. Nothing
  // changes unless the result is Salvo.
  Salvamento salvar(const CamposInstrumento& campos, int indiceEditado);

 private:
  Salvamento recusar(Resultado resultado, const char* secao, const char* chave) const;
  Salvamento verificarNome(const std::string& nome, int indiceEditado);

  Fachada& fachada_;
};

}  // namespace tessara
