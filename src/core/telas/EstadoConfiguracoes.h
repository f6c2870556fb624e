#pragma once

namespace tessara {

class Fachada;

// The three choices of the settings dialog that last the whole run: the MIDI output device,
// the instrument list's line when the dialog was last shown and the fretboard orientation.
// The main window starts them before the dialog exists; both apply them.
class EstadoConfiguracoes {
 public:
  // Stores the values; no device is -1 (a stored device the list does not have).
  void iniciar(int driver, int instrumento, int posicaoBraco);

  // The device (stored through the façade; with none chosen, the first one, as -1 stored
  // would ask for the set-up wizard again) and the current instrument's sound, then the
  // orientation. A sound output that fails leaves the program silent, nothing more.
  void aplicar(Fachada& fachada) const;

  int driverSelecionado = 0;
  int instrumentoSelecionado = 0;
  int posicaoBraco = 0;
};

}  // namespace tessara
