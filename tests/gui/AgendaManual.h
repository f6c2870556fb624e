#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "ReprodutorPlano.h"
#include "sound/RelogioVirtual.h"

namespace tessara::teste {

// An agenda the test drives: a step runs when the test fires it, after moving the output's
// virtual clock to the step's time, so the recording port logs the times the plan meant.
class AgendaManual : public AgendaReproducao {
 public:
  explicit AgendaManual(RelogioVirtual& relogio) : relogio_(relogio) {}

  std::chrono::milliseconds agora() const override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(relogio_.agora());
  }
  void agendar(std::chrono::milliseconds espera, std::function<void()> acao) override {
    esperas.push_back(espera);
    pendente_ = Pendente{agora() + espera, std::move(acao)};
  }
  void cancelar() override { pendente_.reset(); }

  bool pendente() const { return pendente_.has_value(); }
  // Runs the step waiting, at its time; false when none is.
  bool disparar() {
    if (!pendente_) return false;
    Pendente passo = std::move(*pendente_);
    pendente_.reset();
    relogio_.esperar(passo.quando - agora());
    passo.acao();
    return true;
  }

  std::vector<std::chrono::milliseconds> esperas;

 private:
  struct Pendente {
    std::chrono::milliseconds quando;
    std::function<void()> acao;
  };
  RelogioVirtual& relogio_;
  std::optional<Pendente> pendente_;
};

}  // namespace tessara::teste
