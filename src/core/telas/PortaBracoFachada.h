#pragma once

#include "telas/PortaBraco.h"

namespace tessara {

class Fachada;

// The fretboard's needs answered by the façade, one operation each.
class PortaBracoFachada : public PortaBraco {
 public:
  explicit PortaBracoFachada(Fachada& fachada) : fachada_(fachada) {}

  const InstrumentoCordas* getInstrumentoAtual() const override;
  int getCapo() const override;
  std::string getNomeIdiomaAtual() const override;
  std::string getTexto(std::string_view secao, std::string_view chave) const override;
  void mostrarMensagem(const std::string& texto, const std::string& titulo) override;

  bool setAcordePorNome(const std::string& nome) override;
  const PosicaoHarmonicaInstrumentoCordas* getPosicaoAcordeAtual() override;
  int getRaizAcordeAtual() const override;
  bool usaBemolAcordeAtual() const override;
  std::string nomearAcorde(std::span<const int> notas, int raiz) const override;
  std::optional<std::vector<int>> dedosDasCasas(const std::vector<int>& casas) const override;
  GrafiaNotas::Rotulos rotulosPosicao(
      const PosicaoHarmonicaInstrumentoCordas& posicao) const override;

  std::optional<Escala> getEscalaAtual() override;
  EscalaExibicao getEscalaExibicao() override;
  std::string getTonicaEscala() const override;
  std::vector<std::string> getNomesTonicas() const override;
  void setEscala(const std::string& nome) override;

  void tocarPlano(const PlanoReproducao& plano,
                  const std::function<void(const EventoReproducao&)>& aoDestacar) override;

 private:
  Fachada& fachada_;
};

}  // namespace tessara
