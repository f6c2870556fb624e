#pragma once

#include <chrono>
#include <vector>

namespace tessara {

// One step of a playback: at `instante` from the start, a note goes on or off, the output is
// reset, or note `valor` of a scale on show is highlighted or returns to normal.
struct EventoReproducao {
  enum class Tipo { LigarNota, DesligarNota, Reiniciar, Destacar, ApagarDestaque };

  std::chrono::milliseconds instante{0};
  Tipo tipo = Tipo::Reiniciar;
  int valor = 0;  // the MIDI note, or the index of the scale note highlighted

  bool operator==(const EventoReproducao&) const = default;
};

// What a playback does and when, worked out before it starts, so that whoever runs it (a
// blocking loop on a clock, or a window's timer that keeps the window responsive) keeps the
// same schedule. Channel 1 at full velocity throughout.
class PlanoReproducao {
 public:
  static constexpr int CANAL = 1;
  static constexpr int VELOCIDADE = 127;
  static constexpr std::chrono::milliseconds INTERVALO_ACORDE{160};
  static constexpr std::chrono::milliseconds DURACAO_NOTA_ESCALA{1000};
  static constexpr std::chrono::milliseconds INTERVALO_TESTE{80};

  // A fingering's notes, one per string from the lowest (-1: not played): each sounding string
  // 160 ms after the previous one, then the reset 160 ms after the last.
  static PlanoReproducao deAcorde(const std::vector<int>& notasPorCorda);
  // A scale's notes in order (-1: skipped, taking no time): note k is highlighted and sounds
  // for one second, then stops and returns to normal as the next one starts.
  static PlanoReproducao deEscala(const std::vector<int>& notas);
  // The notes from `primeira` to `ultima`, 80 ms apart, then the reset.
  static PlanoReproducao deTeste(int primeira, int ultima);

  const std::vector<EventoReproducao>& getEventos() const { return eventos_; }
  bool vazio() const { return eventos_.empty(); }
  // The instant of the last event.
  std::chrono::milliseconds getDuracao() const;

 private:
  void adicionar(std::chrono::milliseconds instante, EventoReproducao::Tipo tipo, int valor = 0);

  std::vector<EventoReproducao> eventos_;
};

}  // namespace tessara
