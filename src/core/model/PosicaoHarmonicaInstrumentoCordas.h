#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/PosicaoHarmonica.h"

namespace tessara {

// A fingering on a fretted string instrument: per string (index 0 = lowest-pitched) the fret
// (0 open, -1 not played) and the finger (0 none, 1..4, 6 not played), plus the root marker.
// Equality and order go by a 64-bit key packed from frets and fingers.
class PosicaoHarmonicaInstrumentoCordas : public PosicaoHarmonica {
 public:
  static constexpr int DEDO_ABAFADO = 6;

  PosicaoHarmonicaInstrumentoCordas() = default;
  // Both raise OutOfBoundsException when the two vectors differ in length.
  PosicaoHarmonicaInstrumentoCordas(std::string nome, std::vector<int> casas,
                                    std::vector<int> dedos);
  PosicaoHarmonicaInstrumentoCordas(std::vector<int> casas, std::vector<int> dedos);
  PosicaoHarmonicaInstrumentoCordas(const PosicaoHarmonicaInstrumentoCordas&) = default;
  PosicaoHarmonicaInstrumentoCordas& operator=(const PosicaoHarmonicaInstrumentoCordas&) = default;

  std::unique_ptr<Acorde> clonar() const override;
  // Same key and same kind; names and chord codes do not count.
  bool igual(const Acorde& outro) const override;
  // Copies name and code; from another fingering also frets, fingers, key and root marker.
  void atribuir(const Acorde& outro) override;
  // Keys compared as signed numbers, so the finger fields decide first. Against something
  // that is not a fingering, the chord-name order.
  bool menorQue(const Acorde& outro) const override;
  int64_t getChave() const override { return chave_; }

  // The index checks raise OutOfBoundsException and leave the fingering unchanged.
  void setNota(int casa, int corda);
  void abafarCorda(int corda);
  bool existeNota(int casa, int corda) const;

  std::vector<int> getCasas() const { return casas_; }
  // False for the stand-in of a chord the instrument cannot play: every string silent.
  bool soaAlgumaCorda() const;
  std::vector<int> getDedos() const { return dedos_; }
  void setDedos(std::vector<int> dedos);

  void setTonica(int corda, int casa) {
    cordaTonica_ = corda;
    casaTonica_ = casa;
  }
  int getCordaTonica() const { return cordaTonica_; }
  int getCasaTonica() const { return casaTonica_; }

  // The MIDI note of each string, -1 for a string that does not sound: not played, muted,
  // fretted beyond `numeroCasas`, or without an entry in the tuning (a damaged instrument).
  std::vector<int> getNotas(const std::vector<int>& afinacao, int numeroCasas) const;

  // The key of these frets and fingers: fret + 1 in 4-bit fields from bit 0, then, six fields
  // further on, finger + 1 in 3-bit fields. Fields are ORed, not masked: a fret of 15 or more
  // spills into the next field, and bits shifted past 63 are lost.
  static int64_t calcularChave(const std::vector<int>& casas, const std::vector<int>& dedos);

 private:
  void construir(std::vector<int> casas, std::vector<int> dedos);
  void verificarIndice(int corda, const std::string& mensagem) const;

  int64_t chave_ = 0;
  std::vector<int> casas_;
  std::vector<int> dedos_;
  int cordaTonica_ = -1;
  int casaTonica_ = -1;
};

}  // namespace tessara
