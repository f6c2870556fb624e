#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chords/GrafiaNotas.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"
#include "sound/PlanoReproducao.h"

namespace tessara {

// What the fretboard's model needs of the logic: the instrument and the language, the chord
// manager's current chord, naming and fingering what is clicked, the selected scale, playing,
// and telling the user. The façade answers it (PortaBracoFachada); a test may answer it alone.
class PortaBraco {
 public:
  virtual ~PortaBraco() = default;

  virtual const InstrumentoCordas* getInstrumentoAtual() const = 0;
  // The capo's fret, from which a chord's frets are counted; 0 for none.
  virtual int getCapo() const { return 0; }
  virtual std::string getNomeIdiomaAtual() const = 0;
  virtual std::string getTexto(std::string_view secao, std::string_view chave) const = 0;
  virtual void mostrarMensagem(const std::string& texto, const std::string& titulo) = 0;

  virtual bool setAcordePorNome(const std::string& nome) = 0;
  virtual const PosicaoHarmonicaInstrumentoCordas* getPosicaoAcordeAtual() = 0;
  virtual int getRaizAcordeAtual() const = 0;
  virtual bool usaBemolAcordeAtual() const = 0;
  virtual std::string nomearAcorde(std::span<const int> notas, int raiz) const = 0;
  virtual std::optional<std::vector<int>> dedosDasCasas(const std::vector<int>& casas) const = 0;
  // The notes and intervals of a fingering, spelled as its chord's name spells them.
  virtual GrafiaNotas::Rotulos rotulosPosicao(
      const PosicaoHarmonicaInstrumentoCordas& posicao) const = 0;

  virtual std::optional<Escala> getEscalaAtual() = 0;
  virtual EscalaExibicao getEscalaExibicao() = 0;
  virtual std::string getTonicaEscala() const = 0;
  // The twelve root labels, C first.
  virtual std::vector<std::string> getNomesTonicas() const = 0;
  virtual void setEscala(const std::string& nome) = 0;

  virtual void tocarPlano(const PlanoReproducao& plano,
                          const std::function<void(const EventoReproducao&)>& aoDestacar) = 0;
};

}  // namespace tessara
