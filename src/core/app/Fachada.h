#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Escala.h"
#include "EscalaExibicao.h"
#include "InstrumentoCordas.h"

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
class PosicaoHarmonica;
class PosicaoHarmonicaInstrumentoCordas;
class SaidaMIDI;

// The windows' one way into the logic. Each operation obtains the manager that does the work
// when it is called and forwards to it; exceptions of the managers pass through unchanged,
// except in setDriver.
class Fachada {
 public:
  // How each manager is obtained; the process-wide façade obtains the process-wide ones, each
  // created on first use.
  struct Servicos {
    std::function<GerenciadorConfiguracao&()> configuracao;
    std::function<GerenciadorIdiomas&()> idiomas;
    std::function<SaidaMIDI&()> saida;
    std::function<GerenciadorInstrumentos&()> instrumentos;
    std::function<GerenciadorAcordes&()> acordes;
    std::function<GerenciadorEscalas&()> escalas;
    std::function<GerenciadorImpressao&()> impressao;
    std::function<FachadaGUI&()> gui;
  };

  explicit Fachada(Servicos servicos) : servicos_(std::move(servicos)) {}

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

  GerenciadorConfiguracao& configuracao() const { return servicos_.configuracao(); }
  GerenciadorIdiomas& idiomas() const { return servicos_.idiomas(); }
  SaidaMIDI& saida() const { return servicos_.saida(); }
  GerenciadorInstrumentos& instrumentos() const { return servicos_.instrumentos(); }
  GerenciadorAcordes& acordes() const { return servicos_.acordes(); }
  GerenciadorEscalas& escalas() const { return servicos_.escalas(); }
  GerenciadorImpressao& impressao() const { return servicos_.impressao(); }
  FachadaGUI& gui() const { return servicos_.gui(); }

  Servicos servicos_;
};

}  // namespace tessara
