#pragma once

#include <memory>
#include <vector>

namespace tessara {

// One way of playing a scale: per note, in playing order, its fret (0 = open string), its
// string (0 = lowest), its left-hand finger (0 open, 1 index .. 4 little finger) and its
// right-hand finger as an index into "PIMA". Displays order by cost, cheapest first.
class EscalaExibicao final {
 public:
  // Instruments of up to six strings need no count: the cost then looks at strings 0..5.
  static constexpr int CORDAS_PADRAO = 6;

  // The cost is computed when first asked for, over the strings 0 .. numeroCordas - 1 of the
  // instrument the display was laid out on.
  EscalaExibicao(std::vector<int> casas, std::vector<int> cordas, std::vector<int> dedos,
                 std::vector<int> dedosMaoDireita, int numeroCordas = CORDAS_PADRAO);

  std::unique_ptr<EscalaExibicao> clonar() const { return std::make_unique<EscalaExibicao>(*this); }

  // Same notes, strings and fingers; the cost does not count.
  bool equals(const EscalaExibicao& outra) const;
  bool operator==(const EscalaExibicao& outra) const { return equals(outra); }
  bool operator!=(const EscalaExibicao& outra) const { return !equals(outra); }
  bool operator<(const EscalaExibicao& outra) const { return getCusto() < outra.getCusto(); }

  const std::vector<int>& getCasas() const { return casas_; }
  const std::vector<int>& getCordas() const { return cordas_; }
  const std::vector<int>& getDedos() const { return dedos_; }
  const std::vector<int>& getDedosMaoDireita() const { return dedosMaoDireita_; }
  int getNumeroNotas() const { return static_cast<int>(casas_.size()); }

  // 100 per fret of the whole display's span, plus the fret span of each string it uses:
  // compact positions first. Computed once, then kept.
  int getCusto() const;

 private:
  int calcularCusto() const;

  mutable int custo_ = -1;
  std::vector<int> casas_;
  std::vector<int> cordas_;
  std::vector<int> dedos_;
  std::vector<int> dedosMaoDireita_;
  int numeroCordas_;
};

}  // namespace tessara
