#pragma once

#include <QColor>
#include <QImage>

namespace tessara::teste {

// What a picture of the fretboard shows at a dot's place: the root's red dot, a blue dot, or
// neither. For the tests that link Qt.
enum class CorPonto { Vermelho, Azul, Nenhuma };

inline const char* nomeCor(CorPonto cor) {
  return cor == CorPonto::Vermelho ? "red" : cor == CorPonto::Azul ? "blue" : "neither";
}

// The colour most of the disc around a dot's centre shows; a label covers only its middle.
inline CorPonto corEm(const QImage& imagem, int cx, int cy) {
  constexpr int raio = 9;
  int vermelhos = 0;
  int azuis = 0;
  int total = 0;
  for (int y = cy - raio; y <= cy + raio; ++y) {
    for (int x = cx - raio; x <= cx + raio; ++x) {
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > raio * raio || !imagem.valid(x, y)) continue;
      const QColor c = imagem.pixelColor(x, y);
      ++total;
      vermelhos += c.red() > 120 && c.red() > c.green() + 60 && c.red() > c.blue() + 60;
      azuis += c.blue() > 120 && c.blue() > c.red() + 60 && c.blue() > c.green() + 30;
    }
  }
  if (2 * vermelhos > total) return CorPonto::Vermelho;
  if (2 * azuis > total) return CorPonto::Azul;
  return CorPonto::Nenhuma;
}

}  // namespace tessara::teste
