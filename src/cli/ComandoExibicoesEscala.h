#pragma once

#include <optional>
#include <string>

#include "ComandoCli.h"

namespace tessara {

class EscalaExibicao;

// Lays a scale of the scale base out on the current instrument for one root and prints its
// displays, cheapest first: per display its cost, then per note the string (0 = lowest),
// fret, left-hand finger (0 = open string) and right-hand finger.
class ComandoExibicoesEscala : public ComandoCli {
 public:
  std::string nome() const override { return "scale"; }
  std::string resumo() const override {
    return "scale NAME ROOT [--limit N] [--format text|tsv]  the displays of a scale for a root "
           "such as C, F# or \"F# or Gb\", cheapest first; tsv: index, cost, frets, strings, "
           "fingers, right-hand fingers (0..3 = P, I, M, A)";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

  // The scale base's name of that scale (exact, else ignoring letter case); ErroArgumento
  // when there is none.
  static std::string nomeEscala(ContextoCli& contexto, const std::string& nome);
  // The root label of the language for a label or a note name such as "C#" or "Db";
  // ErroArgumento, with the labels there are, when it is none.
  static std::string rotuloTonica(ContextoCli& contexto, const std::string& tonica);

 private:
  struct Pedido {
    std::string escala;
    std::string tonica;
    std::optional<int> limite;
    bool tsv = false;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
  static void escrever(std::ostream& saida, int indice, const EscalaExibicao& exibicao, bool tsv);
};

}  // namespace tessara
