#pragma once

#include <memory>
#include <string>

#include "foundations/ColecaoPtr.h"
#include "model/Acorde.h"
#include "model/PosicaoHarmonica.h"

namespace tessara {

// A chord together with the fingerings it owns. Copies and clones copy every fingering;
// `atribuir` (inherited) copies only the name and the code.
class AcordeComposto : public Acorde {
 public:
  AcordeComposto() = default;
  // The fingerings are copied; the code stays 0, as for a chord made from its name.
  AcordeComposto(std::string nome, ColecaoPtr<PosicaoHarmonica> posicoes)
      : Acorde(std::move(nome)), posicoes_(std::move(posicoes)) {}

  std::unique_ptr<Acorde> clonar() const override;

  // The collection itself: callers add, remove and read fingerings through it.
  ColecaoPtr<PosicaoHarmonica>& getPosicoes() { return posicoes_; }
  const ColecaoPtr<PosicaoHarmonica>& getPosicoes() const { return posicoes_; }

 private:
  ColecaoPtr<PosicaoHarmonica> posicoes_;
};

}  // namespace tessara
