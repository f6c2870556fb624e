#pragma once

#include <filesystem>
#include <memory>

#include "foundations/Ambiente.h"
#include "instruments/FonteInstrumento.h"
#include "sound/SaidaMIDI.h"

namespace tessara {

class BaseEscalas;
class EntradaAudio;
class Escuta;
class Especialista;
class Fachada;
class FachadaGUI;
class GeradorEscalas;
class GeradorInstrumentoCordas;
class GerenciadorAcordes;
class GerenciadorConfiguracao;
class GerenciadorEscalas;
class GerenciadorIdiomas;
class GerenciadorImpressao;
class GerenciadorInstrumentos;
class Interacao;
class Relogio;
class Textos;
class XMLInstrumentoParser;

// The one place where the program's objects are made and wired: every manager is built here,
// once, on first use, from a few inputs. The program, the command line, the tests, the
// fuzzers, the benchmarks and the tools all get their managers from one of these.
//
// The front end's hooks (message boxes, the main window's side) bind late: every manager
// holds the root's own forwarders, which ask whichever front end is registered at the time
// of the question; until one is, questions go to standard error and the main window's side
// is one without windows.
class Nucleo {
 public:
  struct Entradas {
    // Read-only data: language files, picture packs, the bases.
    std::filesystem::path diretorioPrograma;
    // The user's settings file and instrument base.
    std::filesystem::path pastaUsuario;
    // The MIDI ports, all on `relogio`; the system's own when empty.
    SaidaMIDI::FabricaPortas portas;
    // The clock of playback; the real one when null.
    Relogio* relogio = nullptr;
    // When set, the MIDI output is the built-in synthesizer alone, rendering into this WAV
    // file on a clock of its own that never waits: nobody listens to a file live.
    std::filesystem::path arquivoWav;
    // The environment: its locale picks the language of the first start. None (English)
    // unless the system's is given.
    Ambiente ambiente;

    // Those folders, with the system's MIDI ports on the real clock.
    static Entradas nasPastas(std::filesystem::path programa, std::filesystem::path usuario);
    // The program's folder, the user's folder and the environment of this machine.
    static Entradas doSistema();
  };

  explicit Nucleo(Entradas entradas);
  ~Nucleo();
  Nucleo(const Nucleo&) = delete;
  Nucleo& operator=(const Nucleo&) = delete;

  // The process-wide root, on the system's folders and devices.
  static Nucleo& processo();

  // Registers the front end (null goes back to none); it must outlive its registration.
  // Each returns the one registered before, so that a stand-in can put it back.
  Interacao* definirInteracao(Interacao* interacao);
  FachadaGUI* definirFachadaGUI(FachadaGUI* gui);
  // The sound input the front end captures from; with none, listening finds no device.
  EntradaAudio* definirEntradaAudio(EntradaAudio* entrada);

  // The forwarders to the registered front end.
  Interacao& interacao();
  FachadaGUI& gui();

  const Entradas& entradas() const { return entradas_; }
  Relogio& relogio();

  GerenciadorConfiguracao& configuracao();
  GerenciadorIdiomas& idiomas();
  // The language manager as the texts of the loaded language.
  Textos& textos();
  Especialista& especialista();
  SaidaMIDI& saida();
  XMLInstrumentoParser& parserInstrumentos();
  GerenciadorInstrumentos& instrumentos();
  // The instrument manager's current instrument, asked at each call.
  FonteInstrumento fonteInstrumento();
  GeradorInstrumentoCordas& gerador();
  GerenciadorAcordes& acordes();
  BaseEscalas& baseEscalas();
  GeradorEscalas& geradorEscalas();
  GerenciadorEscalas& escalas();
  GerenciadorImpressao& impressao();
  // Listening on the registered sound input.
  Escuta& escuta();
  Fachada& fachada();

 private:
  struct Objetos;

  Entradas entradas_;
  std::unique_ptr<Objetos> objetos_;
};

}  // namespace tessara
