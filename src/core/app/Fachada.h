#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/AnaliseAcorde.h"
#include "app/CabecalhoCancao.h"
#include "app/VistaAcorde.h"
#include "chords/GrafiaNotas.h"
#include "foundations/ColecaoPtr.h"
#include "foundations/Imagem.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Disposicao.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "ouvir/AcordeOuvido.h"
#include "ouvir/LeituraAfinador.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"
#include "sound/EntradaAudio.h"
#include "sound/PlanoReproducao.h"

namespace tessara {

class AcordeComposto;
class DiagramaAvulso;
class Superficie;
class Escuta;
class GerenciadorAcordes;
class GerenciadorConfiguracao;
class GerenciadorEscalas;
class GerenciadorIdiomas;
class GerenciadorImpressao;
class GerenciadorInstrumentos;
class Impressora;
class Nucleo;
class PosicaoHarmonica;
class PosicaoHarmonicaInstrumentoCordas;
class SaidaMIDI;

// The front ends' one way into the logic. Each operation obtains the manager that does the
// work from the root when it is called (so a manager is built only when first needed) and
// forwards to it; exceptions of the managers pass through unchanged, except in setDriver.
class Fachada {
 public:
  explicit Fachada(Nucleo& nucleo) : nucleo_(nucleo) {}

  // The process-wide root's.
  static Fachada& instancia();

  // Language and settings.
  std::string getTexto(std::string_view secao, std::string_view chave) const;
  // The loaded language's own name; empty before one is loaded.
  std::string getNomeIdiomaAtual() const;
  // A message box of the front end with an OK button.
  void mostrarMensagem(const std::string& texto, const std::string& titulo);
  // The help page the language points to, and its page on writing chord names.
  std::filesystem::path getCaminhoAjuda() const;
  std::filesystem::path getCaminhoAjudaAcordes() const;
  std::optional<Imagem> getImagem(std::string_view secao, std::string_view chave);
  // The languages found, by name, in file-name order.
  std::vector<std::string> getNomesIdiomas() const;
  std::string getIdiomaConfigurado() const;
  // The language to start in next time (kept with the settings); the loaded one stays.
  void setIdiomaConfigurado(const std::string& nome);
  bool idiomaCarregado() const;
  // Loads the configured language, or, when there is none of that name, the one the user
  // chooses, which the settings then keep; false when none is loaded.
  bool selecionarIdiomaConfigurado();
  // For a front end with nobody to ask: the configured language, or, when there is none of
  // that name, the locale's, with `aviso` naming the settings file and its key; false when
  // neither loads.
  bool selecionarIdiomaConfiguradoOuDoLocale(std::string& aviso);
  // Loads the language whose file a code such as "pt" or "en" names; false when none does.
  bool carregarIdiomaDoCodigo(const std::string& codigo);
  // The languages' file names without the extension ("en", "pt-BR"), in the names' order.
  std::vector<std::string> getCodigosIdiomas() const;
  // Stores the current instrument's name and whether the main window shows a scale, then
  // writes the settings file.
  void salvarConfiguracao(bool exibindoEscalas);
  int getPosicaoBraco() const;
  void setPosicaoBraco(int posicao);
  int getDriver() const;
  // Uses that MIDI device and stores it; a device the output refuses gives device 0.
  void setDriver(int dispositivo);
  std::string getNomeInstrumentoConfigurado() const;
  // Whether the program last ended showing a scale.
  bool getExibicaoEscalasConfigurada() const;
  // Asks the front end to end the program (after telling the user why).
  void pedirEncerramento();

  // MIDI output; channels from 0.
  void tocarNota(int canal, int velocidade, int nota);
  // A note-on of velocity 0.
  void pararNota(int canal, int nota);
  void resetarMIDI();
  // The General MIDI program of a channel (the set-up wizard's test plays on program 0).
  void setProgramaMIDI(int canal, int programa);
  // The devices: the built-in synthesizer first, then the system's MIDI ports.
  std::vector<std::string> getNomesDispositivos() const;
  // Uses that device without storing it; OutOfBoundsException when there is no such device.
  void selecionarDispositivo(int dispositivo);
  bool saidaAberta() const;
  // Closes the sound output; the reason when the file it rendered into failed, else empty.
  std::string encerrarSaida();
  // Whether a General MIDI SoundFont for the built-in synthesizer was found.
  static bool sintetizadorDisponivel();
  // Strums the notes (one per string from the lowest, -1 silent) with the current instrument's
  // sound, 160 ms apart, then resets the output; returns when it is done.
  void tocarAcorde(const std::vector<int>& notas);
  // The current instrument's General MIDI sound on the playback channel.
  void aplicarSomInstrumento();
  // Sends the MIDI message of one event of a playback plan (windows run plans on a timer).
  void enviarEvento(const EventoReproducao& evento);
  // Runs a plan to its end on the output's clock, returning when it is done; the highlighting
  // events go to `aoDestacar`.
  void tocarPlano(const PlanoReproducao& plano,
                  const std::function<void(const EventoReproducao&)>& aoDestacar = {});

  // Instruments.
  const InstrumentoCordas* getInstrumentoAtual() const;
  const InstrumentoCordas* getInstrumentoAnterior() const;
  void addInstrumento(const InstrumentoCordas& instrumento);
  // Replaces a user instrument; built-in ones are left as they are.
  void editInstrumento(int indice, const InstrumentoCordas& instrumento);
  void removerInstrumento(int indice);
  // A copy of the instrument of that index; OutOfBoundsException past the end of the list.
  InstrumentoCordas getInstrumento(int indice);
  // How many instruments, at the head of the list, are built in.
  int getNumeroPadroes() const;
  // The built-in names alone when the user's base cannot be read: see getAvisoInstrumentos().
  std::vector<std::string> getNomesInstrumentos();
  // Why the user's instrument base was left out at its last reading (which file, why, whether
  // a copy was kept), ready to show; empty when it read.
  std::string getAvisoInstrumentos();
  // Remembers the current instrument as the previous one first.
  void setInstrumento(int indice);
  std::string getNomeInstrumentoAtual() const;
  // In the language's words for a shipped instrument; as stored otherwise.
  std::string getDescricaoInstrumentoAtual() const;
  // How an instrument of that stored name is shown: a shipped one in the language's words.
  // The stored name stays its key everywhere else.
  std::string getNomeExibidoInstrumento(const std::string& nome) const;
  // Every instrument, built-in ones first. A damaged user base raises its exception.
  std::vector<InstrumentoCordas> getInstrumentos();
  // The note of each string of the current instrument at its fret counted from the capo (below
  // 0: not played); -1 where it does not sound.
  std::vector<int> getNotasCasas(const std::vector<int>& casas) const;

  // The voicing and the capo fret of the chord fingerings from now on, kept in the settings
  // (written with them). The capo goes from 0 (none) to CAPO_MAXIMO: fingerings are made on
  // the instrument as the capo shortens it, their frets counted from the capo, and sound at
  // pitch. IllegalArgumentException for a fret outside that range.
  static constexpr int CAPO_MAXIMO = 12;
  Disposicao getDisposicao() const;
  void setDisposicao(Disposicao disposicao);
  int getCapo() const;
  void setCapo(int casa);
  // The main window's size in percent (100 to 200), kept in the settings.
  int getEscalaJanela() const;
  void setEscalaJanela(int porcento);
  // Scales shown on the whole neck rather than position by position.
  bool getBracoInteiro() const;
  void setBracoInteiro(bool inteiro);
  // The name of the shape that frets counted from the capo make (as if there were no capo):
  // "C" for D's shape with the capo at the second fret. Empty as nomearCasas.
  std::string nomearForma(const std::vector<int>& casas) const;

  // Chords: the chord manager's current chord and the fingering on show, which stay its own.
  std::vector<std::string> getNomesAcordes() const;
  void setAcorde(int indice);
  bool setAcordePorNome(const std::string& nome);
  // The window's requests, one call each, answering with what it shows: a typed name (read
  // once), a chord of the base's list, the next or the previous fingering, or nothing new.
  VistaAcorde abrirAcorde(const std::string& nome);
  VistaAcorde abrirAcorde(int indice);
  VistaAcorde passarPosicao(bool proxima);
  // Fingering `indice` of the current chord on show, as browsing to it would; nothing new for
  // an index it does not have.
  VistaAcorde escolherPosicao(int indice);
  VistaAcorde getVistaAcorde();
  // Makes all of the current chord's fingerings now, so that the count and a list of them
  // cover every one the arrows can reach.
  void completarPosicoesAcorde();
  const PosicaoHarmonicaInstrumentoCordas* getPosicaoAcordeAtual();
  // False when no chord is current or the instrument cannot play it: its one fingering then
  // sounds no string, and every front end says "no fingering" instead of showing it.
  bool acordeTemPosicao();
  void proximaPosicao();
  void posicaoAnterior();
  int getIndiceAcordeAtual() const;
  int getIndicePosicaoAtual() const;
  // Copies of the current chord's fingerings, as far as browsing has generated them.
  std::vector<PosicaoHarmonicaInstrumentoCordas> getPosicoesAcordeAtual();
  // No chord current.
  void limparAcorde();
  int getRaizAcordeAtual() const;
  bool usaBemolAcordeAtual() const;
  std::string getNomeAcordeAtual() const;
  AcordeComposto* getAcordeAtual();
  // The name of the chord the notes (one per string, -1 silent) sound around the root note;
  // empty when it cannot be named.
  std::string nomearAcorde(std::span<const int> notas, int raiz) const;
  // The same for frets on the current instrument (below 0: not played), around the note of
  // string `cordaRaiz` or, when it is negative, of the lowest string that sounds.
  std::string nomearCasas(const std::vector<int>& casas, int cordaRaiz = -1) const;
  // The spelled note names and intervals of a fingering's strings on the current instrument.
  GrafiaNotas::Rotulos rotulosPosicao(const PosicaoHarmonicaInstrumentoCordas& posicao) const;
  // Every name the frets can take, one per sounding note as the root, the simplest first.
  std::vector<std::string> leiturasCasas(const std::vector<int>& casas) const;
  // Frets chosen by hand as a fingering: cheapest fingers, canonical name from its notes.
  PosicaoHarmonicaInstrumentoCordas posicaoDasCasas(const std::vector<int>& casas) const;
  // The cheapest finger arrangement for frets on the current instrument; nothing when the hand
  // can make none.
  std::optional<std::vector<int>> dedosDasCasas(const std::vector<int>& casas) const;
  // How the current language reads a chord name. RaizNaoEncontradaException for an unknown
  // root, DataFormatException for anything else it cannot read.
  AnaliseAcorde analisarAcorde(const std::string& nome) const;
  // A chord sheet with its chords moved by semitone steps (up when positive, down when
  // negative), spelled by the key it lands in; any count comes back to one of twelve.
  std::string transporCifra(const std::string& folha, int passos) const;
  // Pasted text as the sheet takes it: every tab becomes two blanks.
  std::string colarCifra(const std::string& texto) const;
  // The chords of a chord sheet, in order, as written.
  std::vector<std::string> getAcordesCifra(const std::string& folha) const;
  // A sheet read as a song, in either grammar: its title, key and capo; whether it is written
  // in ChordPro; and the song written in ChordPro or as chords over lyrics.
  CabecalhoCancao getCabecalhoCifra(const std::string& folha) const;
  bool cifraEmChordPro(const std::string& folha) const;
  std::string converterCifra(const std::string& folha, bool paraChordPro) const;
  // Where the user's own files live (settings, instruments, the print list).
  std::filesystem::path getPastaUsuario() const;
  bool encontrarPosicao(const PosicaoHarmonica* posicao);
  bool existePosicao(const PosicaoHarmonica* posicao);
  void adicionarPosicao(const PosicaoHarmonica* posicao);

  // Scales.
  std::vector<std::string> getNomesEscalas();
  // The same, letting the scale base's exceptions through (a missing or damaged file).
  std::vector<std::string> lerNomesEscalas();
  std::vector<std::string> getNomesTonicas() const;
  void setEscala(const std::string& nome);
  // The scale of that name with its displays for that root label.
  void setEscala(const std::string& nome, const std::string& tonica);
  std::optional<Escala> getEscalaAtual();
  EscalaExibicao getEscalaExibicao();
  void limparEscala();
  int getIndiceExibicao() const;
  // How many displays the selected scale has, once made; 0 before.
  int getNumeroExibicoes() const;
  // With a scale selected, its displays are generated first, so that the index can be one
  // of theirs.
  void setIndiceExibicao(int indice);
  int proximaExibicao();
  int exibicaoAnterior();
  void setTonicaEscala(const std::string& tonica);
  std::string getTonicaEscala() const;
  // The current language's root label for a label or a written note such as "C#" or "Db",
  // ignoring letter case; empty when it is neither.
  std::string rotuloTonica(const std::string& texto) const;
  // The scale of that name in the scale base, without selecting it.
  std::optional<Escala> getEscala(const std::string& nome);
  static int getMaximoNotasEscala();
  // Every display of the scale of that name for a root label on the current instrument,
  // cheapest first, without selecting it. NotFoundException when there is none.
  std::vector<EscalaExibicao> getExibicoesEscala(const std::string& nome,
                                                 const std::string& tonica);

  // Listening: the tuner and the chord recogniser on the sound input. The device and the
  // reference A are kept in the settings (written with them).
  std::vector<std::string> getDispositivosEntrada() const;
  std::string getDispositivoEntrada() const;
  void setDispositivoEntrada(const std::string& nome);
  int getReferenciaLa() const;
  // Clamped to 415..466 Hz; the tuner listening now follows at once.
  void setReferenciaLa(int hz);
  // Opens that device (empty: the system's default) and starts the tuner, on the current
  // instrument's open strings, and the recogniser afresh; what the input then says.
  EntradaAudio::Situacao iniciarEscuta(const std::string& dispositivo);
  void pararEscuta();
  bool escutando() const;
  EntradaAudio::Situacao getSituacaoEscuta() const;
  // Analyses the samples that arrived since the last call; the front end calls it on a timer.
  void processarEscuta();
  LeituraAfinador getLeituraAfinador() const;
  AcordeOuvido getAcordeOuvido() const;
  // The input's level, 0 to 1, and whether it has been silent for a while.
  double getNivelEntrada() const;
  bool entradaEmSilencio() const;

  // Printing: the fingerings given (a print list's copies), on the current instrument.
  using Posicoes = ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>;
  // A song's text is printed under its title (its title directive or its heading line).
  void setTextoImpressao(const std::string& texto);
  // The songs of the next job: the song of each fingering (an index in `musicas`, -1 for none),
  // printed as headings over their diagrams with their key and capo.
  void setCancoesImpressao(const std::vector<CabecalhoCancao>& musicas,
                           const std::vector<int>& musicaDeCadaPosicao);
  std::string getTextoImpressao() const;
  void imprimir(Impressora& impressora, int conteudo, int rotulo, const Posicoes& posicoes);
  // Lays the pages out at the zoom and again at 100, the zoom the preview window opens at;
  // the front end then shows its preview window.
  void visualizarImpressao(int conteudo, int rotulo, int pagina, int zoom,
                           const Posicoes& posicoes);
  void exibirPaginaVisualizacao(int pagina, int zoom);
  // The zoom of the preview's pages laid out last; 0 before the first preview.
  int getZoomVisualizacao() const;
  // The pages as pictures at the zoom (100, 200 or 300), without the window.
  std::vector<Imagem> getPaginasVisualizacao(int conteudo, int rotulo, int zoom,
                                             const Posicoes& posicoes);
  // One fingering's diagram, as the pages draw it, on a surface of `diagrama.tamanho()`.
  void desenharDiagrama(Superficie& superficie, const DiagramaAvulso& diagrama,
                        const PosicaoHarmonicaInstrumentoCordas& posicao) const;

 private:
  static constexpr int ZOOM_INICIAL = 100;

  GerenciadorConfiguracao& configuracao() const;
  GerenciadorIdiomas& idiomas() const;
  SaidaMIDI& saida() const;
  GerenciadorInstrumentos& instrumentos() const;
  GerenciadorAcordes& acordes() const;
  GerenciadorEscalas& escalas() const;
  GerenciadorImpressao& impressao() const;
  Escuta& escuta() const;

  Nucleo& nucleo_;
  bool erroConfiguracaoRelatado_ = false;
};

}  // namespace tessara
