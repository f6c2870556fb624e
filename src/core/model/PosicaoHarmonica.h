#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/Acorde.h"

namespace tessara {

// One way of playing a chord on an instrument. It carries the chord's name (the code stays 0)
// and compares by a packed key that each concrete kind defines.
class PosicaoHarmonica : public Acorde {
 public:
  explicit PosicaoHarmonica(std::string nome) : Acorde(std::move(nome)) {}

  std::unique_ptr<Acorde> clonar() const override = 0;
  bool igual(const Acorde& outro) const override = 0;
  void atribuir(const Acorde& outro) override = 0;
  bool menorQue(const Acorde& outro) const override = 0;

  virtual int64_t getChave() const = 0;

 protected:
  PosicaoHarmonica() = default;
  PosicaoHarmonica(const PosicaoHarmonica&) = default;
  PosicaoHarmonica& operator=(const PosicaoHarmonica&) = default;
};

}  // namespace tessara
