#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ComandoCli.h"

namespace tessara {

class Braco;

// Draws the large fretboard as the main window shows it into a PNG or an SVG file: a chord's
// first fingering, frets as clicks would place them, or a display of a scale for a root.
class ComandoBraco : public ComandoCli {
 public:
  std::string nome() const override { return "fretboard"; }
  std::string resumo() const override {
    return "fretboard NAME|FRETS | --scale NAME ROOT [--display N] [--whole-neck] "
           "[--orientation 0..3] [--labels fingers|notes|intervals] --png FILE | --svg FILE  draw "
           "the fretboard with a chord or a scale into a 797 x 325 picture; --whole-neck shows "
           "every note of the scale's key, the display framed";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string acorde;  // a name or frets
    std::string escala;
    std::string tonica;
    std::optional<int> exibicao;
    bool bracoInteiro = false;
    std::optional<int> orientacao;
    int rotulo = 0;
    std::string png;
    std::string svg;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
  // Each shows what was asked on the fretboard, or tells why not and returns false.
  static bool mostrarAcorde(ContextoCli& contexto, Braco& braco, const std::string& nome);
  static bool mostrarCasas(ContextoCli& contexto, Braco& braco, const std::string& casas);
  static bool mostrarEscala(ContextoCli& contexto, Braco& braco, const Pedido& pedido);
};

}  // namespace tessara
