#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "chords/IdiomaAcordes.h"
#include "ouvir/SegmentoAcorde.h"

namespace tessara {

class Cromagrama;
class ModeloAcordes;
class SuavizadorAcordes;

// The chords of a whole recording: the chord HMM decoded by Viterbi over every frame, then
// traced back, so each change lands where the best path over the whole file puts it. Per
// frame it keeps one bit per state and one number (about 100 bytes), not the frames.
class SegmentadorAcordes {
 public:
  explicit SegmentadorAcordes(double taxaAmostragem);
  ~SegmentadorAcordes();

  void setGramatica(Gramatica gramatica) { gramatica_ = gramatica; }
  void alimentar(const float* amostras, std::size_t n);
  // The chord segments in order; silence and sound that is no chord are left out.
  std::vector<SegmentoAcorde> segmentar() const;

  // The same over a buffer held in memory.
  static std::vector<SegmentoAcorde> segmentar(const float* amostras, std::size_t n,
                                               double taxaAmostragem,
                                               Gramatica gramatica = Gramatica::Ingles);

 private:
  // The best state of every frame, from the last back to the first.
  std::vector<int> caminho() const;

  std::unique_ptr<Cromagrama> cromagrama_;
  std::unique_ptr<ModeloAcordes> modelo_;
  std::unique_ptr<SuavizadorAcordes> suavizador_;
  Gramatica gramatica_ = Gramatica::Ingles;
  std::vector<float> emissoes_;
  std::size_t palavras_ = 0;         // 64-bit words per frame in ficou_
  std::vector<uint64_t> ficou_;      // per frame and state: its best path stayed in it
  std::vector<int32_t> anteriores_;  // per frame: the best state of the frame before
  double passoSegundos_ = 0;
  double primeiroInstante_ = 0;
  std::size_t amostras_ = 0;
};

}  // namespace tessara
