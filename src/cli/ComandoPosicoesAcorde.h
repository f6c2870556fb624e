#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ComandoCli.h"
#include "model/Disposicao.h"

namespace tessara {

class Fachada;
class PosicaoHarmonicaInstrumentoCordas;

// The fingerings of a chord on the current instrument, as the main window browses them: on
// the chord base's instrument the stored ones (with --all also the generated ones appended,
// as browsing past the last does), elsewhere the generated ones by fret sum. Each is a text
// diagram with finger numbers, or one line of tab-separated fields (--format tsv: index from
// 1, name, frets lowest string first with -1 for a string not played, fingers with 0 for none)
// or a JSON list (--format json). --voicing picks the voicing (the root's by default). With a
// capo the frets are counted from it and each fingering is named by its sound with the shape's
// name beside it ("D, shape C"; tsv: a fifth field, json: "shape").
class ComandoPosicoesAcorde : public ComandoCli {
 public:
  std::string nome() const override { return "chord"; }
  std::string resumo() const override {
    return "chord NAME [--all] [--format text|tsv|json] [--voicing VOICING]  the chord's "
           "fingerings on the current instrument, as diagrams with finger numbers or as one line "
           "each";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  enum class Formato { Texto, Tsv, Json };
  struct Pedido {
    std::string acorde;
    bool todas = false;
    Formato formato = Formato::Texto;
    Disposicao disposicao;
  };
  using Posicoes = std::vector<const PosicaoHarmonicaInstrumentoCordas*>;

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
  // The shape's name of each fingering when there is a capo; empty without one.
  static std::vector<std::string> formas(const Posicoes& posicoes, const Fachada& fachada);
  static void escreverTexto(std::ostream& saida, const Posicoes& posicoes,
                            const std::vector<std::string>& formas);
  static void escreverTsv(std::ostream& saida, const Posicoes& posicoes,
                          const std::vector<std::string>& formas);
  static void escreverJson(std::ostream& saida, const Posicoes& posicoes, const Fachada& fachada,
                           const std::vector<std::string>& formas);
};

}  // namespace tessara
