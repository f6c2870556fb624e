#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "chords/IdiomaAcordes.h"
#include "ouvir/AcordeOuvido.h"

namespace tessara {

class Cromagrama;
class ModeloAcordes;
class SuavizadorAcordes;

// "Which chord am I playing?" on a stream of mono samples: a chromagram (treble and bass),
// matched against chord templates, smoothed by the causal form of the chord HMM's Viterbi
// decoding. Memory stays the same however long the stream.
class ReconhecedorAcordes {
 public:
  explicit ReconhecedorAcordes(double taxaAmostragem);
  ~ReconhecedorAcordes();
  ReconhecedorAcordes(ReconhecedorAcordes&&) noexcept;
  ReconhecedorAcordes& operator=(ReconhecedorAcordes&&) noexcept;

  // The grammar of the names given; English unless told.
  void setGramatica(Gramatica gramatica);

  void alimentar(const float* amostras, std::size_t n);
  AcordeOuvido atual() const;

 private:
  std::unique_ptr<Cromagrama> cromagrama_;
  std::unique_ptr<ModeloAcordes> modelo_;
  std::unique_ptr<SuavizadorAcordes> suavizador_;
  Gramatica gramatica_ = Gramatica::Ingles;
  std::vector<float> emissoes_;
};

}  // namespace tessara
