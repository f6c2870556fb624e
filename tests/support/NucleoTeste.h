#pragma once

#include <set>
#include <string>
#include <vector>

#include "InteracaoGravada.h"
#include "PastaTemporaria.h"
#include "PortaGravacao.h"
#include "app/Nucleo.h"
#include "sound/RelogioVirtual.h"

namespace tessara::teste {

// The program's objects as the root builds them, for a test: the program's folder is a fresh
// one holding copies of some of the source data files, the user's folder is fresh too, the
// MIDI output is a recording port with devices 0 and 1 on a virtual clock, and the front end
// is a recording one.
class NucleoTeste {
 public:
  // Copies those files of the source data folder, and those of the build's data folder (built
  // language files with their pictures, chord bases), then loads the language of that code.
  // The recording port offers the devices named, all of which open.
  explicit NucleoTeste(const std::vector<std::string>& arquivos = {"en.idm", "scales.xml"},
                       const std::string& idioma = "en",
                       const std::vector<std::string>& construidos = {},
                       const std::vector<std::string>& dispositivos = {"d0", "d1"});
  ~NucleoTeste();

  std::filesystem::path programa() const { return pasta / "programa"; }
  std::filesystem::path usuario() const { return pasta / "usuario"; }

  PastaTemporaria pasta;
  InteracaoGravada interacao;
  RelogioVirtual relogio;
  std::vector<RegistroMidi> midi;
  PortaGravacao* porta = nullptr;  // the recording port, once the output has made it
  Nucleo nucleo;
};

}  // namespace tessara::teste
