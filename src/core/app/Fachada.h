#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"
#include "instruments/InstrumentoCordas.h"

namespace tessara {

class AcordeComposto;
class FachadaGUI;
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
  // Stores the current instrument's name and whether a scale is on show, then writes the
  // settings file.
  void salvarConfiguracao();
  int getPosicaoBraco() const;
  void setPosicaoBraco(int posicao);
  int getDriver() const;
  // Uses that MIDI device and stores it; a device the output refuses gives device 0.
  void setDriver(int dispositivo);
  std::string getNomeInstrumentoConfigurado() const;

  // MIDI output; channels from 0.
  void tocarNota(int canal, int velocidade, int nota);
  // A note-on of velocity 0.
  void pararNota(int canal, int nota);
  void resetarMIDI();

  // Instruments.
  const InstrumentoCordas* getInstrumentoAtual() const;
  const InstrumentoCordas* getInstrumentoAnterior() const;
  void addInstrumento(const InstrumentoCordas& instrumento);
  void removerInstrumento(int indice);
  std::vector<std::string> getNomesInstrumentos();
  // Remembers the current instrument as the previous one first.
  void setInstrumento(int indice);
  std::string getNomeInstrumentoAtual() const;
  std::string getDescricaoInstrumentoAtual() const;

  // Chords: the chord manager's current chord and the fingering on show, which stay its own.
  std::vector<std::string> getNomesAcordes() const;
  void setAcorde(int indice);
  bool setAcordePorNome(const std::string& nome);
  const PosicaoHarmonicaInstrumentoCordas* getPosicaoAcordeAtual();
  void proximaPosicao();
  void posicaoAnterior();
  int getIndiceAcordeAtual() const;
  int getRaizAcordeAtual() const;
  bool usaBemolAcordeAtual() const;
  std::string getNomeAcordeAtual() const;
  AcordeComposto* getAcordeAtual();
  // The name of the chord the notes (one per string, -1 silent) sound around the root note;
  // empty when it cannot be named.
  std::string nomearAcorde(std::span<const int> notas, int raiz) const;
  bool encontrarPosicao(const PosicaoHarmonica* posicao);
  bool existePosicao(const PosicaoHarmonica* posicao);
  void adicionarPosicao(const PosicaoHarmonica* posicao);

  // Scales.
  std::vector<std::string> getNomesEscalas();
  std::vector<std::string> getNomesTonicas() const;
  void setEscala(const std::string& nome);
  std::optional<Escala> getEscalaAtual();
  EscalaExibicao getEscalaExibicao();
  void limparEscala();
  int getIndiceExibicao() const;
  // With a scale selected, its displays are generated first, so that the index can be one
  // of theirs.
  void setIndiceExibicao(int indice);
  int proximaExibicao();
  int exibicaoAnterior();
  void setTonicaEscala(const std::string& tonica);
  std::string getTonicaEscala() const;

  // Printing: the main window's print list, on the current instrument.
  void setTextoImpressao(const std::string& texto);
  std::string getTextoImpressao() const;
  void imprimir(Impressora& impressora, int conteudo, int rotulo);
  // Lays the pages out at the zoom and again at 100, the zoom the preview window opens at,
  // and shows the preview window.
  void visualizarImpressao(int conteudo, int rotulo, int pagina, int zoom);
  void exibirPaginaVisualizacao(int pagina, int zoom);

 private:
  static constexpr int ZOOM_INICIAL = 100;

  GerenciadorConfiguracao& configuracao() const;
  GerenciadorIdiomas& idiomas() const;
  SaidaMIDI& saida() const;
  GerenciadorInstrumentos& instrumentos() const;
  GerenciadorAcordes& acordes() const;
  GerenciadorEscalas& escalas() const;
  GerenciadorImpressao& impressao() const;
  FachadaGUI& gui() const;

  Nucleo& nucleo_;
};

}  // namespace tessara
