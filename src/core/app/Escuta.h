#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "chords/IdiomaAcordes.h"
#include "ouvir/Afinador.h"
#include "ouvir/ReconhecedorAcordes.h"
#include "sound/EntradaAudio.h"

namespace tessara {

// Listening: the input's samples go, as they arrive, to the tuner and the chord recogniser,
// and the level of what arrived is kept for a meter. The front end calls `processar` on its
// timer; each call analyses only what came since the last one, so none takes long.
class Escuta {
 public:
  // Below this peak a block counts as silence (about -46 dB full scale).
  static constexpr double LIMIAR_SILENCIO = 0.005;
  // Silence lasting this long (in seconds of samples) is reported.
  static constexpr double SEGUNDOS_SILENCIO = 1.5;

  explicit Escuta(EntradaAudio& entrada);
  ~Escuta();

  // The input devices the system offers now.
  std::vector<std::string> dispositivos() { return entrada_.listarDispositivos(); }
  // Opens the device (empty: the default) and starts the analysis afresh for the open strings
  // given, naming chords in that grammar; what the input says of itself.
  EntradaAudio::Situacao iniciar(const std::string& dispositivo, double referenciaLa,
                                 const std::vector<int>& cordas, Gramatica gramatica);
  void parar();
  bool ativa() const { return ativa_; }
  EntradaAudio::Situacao situacao() const;
  void setReferenciaLa(double hz);
  void setCordas(const std::vector<int>& cordas);

  void processar();

  LeituraAfinador leituraAfinador() const;
  AcordeOuvido acordeOuvido() const;
  // The peak of what arrived lately, 0 to 1, falling slowly as a meter's needle does.
  double nivel() const { return nivel_; }
  // Whether nothing above the silence threshold has arrived for SEGUNDOS_SILENCIO.
  bool silencio() const;

 private:
  // Samples handed to the analysis at once: a few milliseconds, so a long gap in the timer is
  // made up in steps rather than in one long call.
  static constexpr std::size_t BLOCO = 1024;

  void analisar(const float* amostras, std::size_t n);

  EntradaAudio& entrada_;
  std::unique_ptr<Afinador> afinador_;
  std::unique_ptr<ReconhecedorAcordes> reconhecedor_;
  std::vector<float> chegadas_;
  double taxa_ = 0;
  double nivel_ = 0;
  std::size_t amostrasSemSom_ = 0;
  bool ativa_ = false;
};

}  // namespace tessara
