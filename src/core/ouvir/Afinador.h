#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "foundations/ReferenciaLa.h"
#include "ouvir/LeituraAfinador.h"

namespace tessara {

class DetectorAltura;

// The tuner: the pitch of a mono sound fed in blocks of any length, read as the nearest note
// and the nearest open string of the instrument. The pitch is the median of the last few
// estimates, so one wrong frame does not move the needle.
class Afinador {
 public:
  explicit Afinador(double taxaAmostragem, double referenciaLa = ReferenciaLa::PADRAO);
  ~Afinador();
  Afinador(Afinador&&) noexcept;
  Afinador& operator=(Afinador&&) noexcept;

  // The open notes (MIDI) of the instrument's strings, any order; empty for none.
  void setCordas(std::vector<int> notasMidiCordasSoltas);
  // Clamped to the reference's range.
  void setReferenciaLa(double hz);
  double referenciaLa() const { return referenciaLa_; }

  void alimentar(const float* amostras, std::size_t n);
  LeituraAfinador leitura() const;

  // The reading of one frequency, with no smoothing.
  LeituraAfinador ler(double frequencia) const;

 private:
  void registrar(double frequencia);

  std::unique_ptr<DetectorAltura> detector_;
  std::vector<int> cordas_;
  double referenciaLa_ = ReferenciaLa::PADRAO;
  std::vector<double> recentes_;  // the last estimates, oldest first
  int silencios_ = 0;             // frames without a pitch since the last one
};

}  // namespace tessara
