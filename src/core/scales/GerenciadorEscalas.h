#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"

namespace tessara {

class BaseEscalas;
class GeradorEscalas;
class Textos;
class Interacao;

// Holds the selected scale of the scale base, its displays (the collection itself, generated
// when first asked for, for the root chosen with it) and the display on show.
class GerenciadorEscalas : public ColecaoPtr<EscalaExibicao> {
 public:
  GerenciadorEscalas(BaseEscalas& base, GeradorEscalas& gerador, const Textos& idioma,
                     Interacao& interacao);

  // The scale base's names. Without a scale base the program cannot go on: the user is told,
  // the application is asked to end and the list is empty.
  std::vector<std::string> getNomesEscalas();
  // The twelve root labels of the current language, C first.
  std::vector<std::string> getNomesTonicas() const;

  // Selects the scale at that position (-1: none) and drops the displays; a new position
  // also shows the first display again. OutOfBoundsException outside the base.
  void setEscalas(int posicao);
  // By name; an unknown name is out of the base's range.
  void setEscala(const std::string& nome);
  // Nothing when no scale is selected.
  std::optional<Escala> getEscalaAtual();
  // Deselects the scale, keeping the displays and the display index.
  void limparEscala() { indiceEscala_ = -1; }
  int getIndiceEscala() const { return indiceEscala_; }

  // The display on show, generating the displays first when there are none. The generator's
  // NotFoundException passes through (the collection stays empty); OutOfBoundsException when
  // the index is beyond the displays, as when no scale is selected.
  EscalaExibicao getEscalaExibicao();
  int getIndiceExibicao() const { return indiceExibicao_; }
  // Ignored unless the index is one of the displays'.
  void setIndiceExibicao(int indice);
  // The new index, or -1 at the end (or the start) of the displays.
  int proximaExibicao();
  int exibicaoAnterior();

  // The root label of the displays ("C", "C# or Db"...; empty: none), dropping the displays
  // made for another root.
  void setTonicaEscala(std::string tonica);
  const std::string& getTonicaEscala() const { return tonica_; }

 private:
  bool gerarExibicoes();

  BaseEscalas& base_;
  GeradorEscalas& gerador_;
  const Textos& idioma_;
  Interacao& interacao_;
  int indiceEscala_ = -1;
  int indiceExibicao_ = 0;
  std::string tonica_;
};

}  // namespace tessara
