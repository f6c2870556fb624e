#pragma once

#include <filesystem>
#include <memory>

#include "sound/RelogioReal.h"
#include "sound/RelogioVirtual.h"
#include "sound/SaidaMIDI.h"

namespace tessara {

class ContextoCli;

// The MIDI output a command plays through: the system's devices on the real clock, or, given
// a WAV file, only the built-in synthesizer rendering into it. Nobody listens to a file live,
// so its waits take no time: they only place the notes in the file.
class SaidaMidiCli {
 public:
  // Nothing when the output cannot start or the WAV file cannot be written; the reason is on
  // the error stream by then.
  static std::unique_ptr<SaidaMidiCli> criar(ContextoCli& contexto,
                                             const std::filesystem::path& wav = {});

  SaidaMIDI& saida() { return *saida_; }

 private:
  SaidaMidiCli() = default;
  bool iniciar(ContextoCli& contexto, const std::filesystem::path& wav);

  RelogioReal relogioReal_;
  RelogioVirtual relogioArquivo_;
  std::unique_ptr<Textos> textos_;
  std::unique_ptr<SaidaMIDI> saida_;
};

}  // namespace tessara
