#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <map>

namespace tessara::teste {

// The contrast a reader sees in a rendered piece of window: the background is the commonest
// colour of the area, the text the pixel farthest from it (glyph stems reach their full colour),
// measured as the ratio of relative luminances a legibility guideline asks 4.5:1 of.
class ContrasteTexto {
 public:
  static double luminancia(QRgb cor) {
    auto canal = [](int v) {
      const double c = v / 255.0;
      return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(qRed(cor)) + 0.7152 * canal(qGreen(cor)) + 0.0722 * canal(qBlue(cor));
  }
  static double razao(QRgb a, QRgb b) {
    const double la = luminancia(a);
    const double lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  }
  static double medir(const QImage& imagem, const QRect& area) {
    const QImage pedaco = imagem.copy(area).convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> contagem;
    for (int y = 0; y < pedaco.height(); ++y) {
      for (int x = 0; x < pedaco.width(); ++x) ++contagem[pedaco.pixel(x, y)];
    }
    if (contagem.empty()) return 0;
    const QRgb fundo =
        std::max_element(contagem.begin(), contagem.end(), [](const auto& a, const auto& b) {
          return a.second < b.second;
        })->first;
    double melhor = 1;
    for (const auto& [cor, n] : contagem) melhor = std::max(melhor, razao(fundo, cor));
    return melhor;
  }
};

}  // namespace tessara::teste
