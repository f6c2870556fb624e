#pragma once

#include <QByteArray>
#include <QPainter>
#include <QPixmap>
#include <string>

namespace tessara {

class Braco;
class Fachada;

// The fretboard's pictures for one string count, orientation and language: the background and
// the two dots. A picture the language does not have stays null and is drawn plainly.
class ImagensBraco {
 public:
  // Loads again only when the fretboard now needs another background (another string count,
  // orientation or language); true when it did.
  bool atualizar(Fachada& fachada, const Braco& braco);

  // The language file's key of the background for a row of pictures (0, 1, 2 for 6, 5, 4
  // strings) and an orientation; the Brazilian set exists for 6 strings only.
  static std::string chaveFundo(int grupo, int orientacao, bool brasileiro);

  QPixmap fundo;
  QPixmap pontoTonica;  // red
  QPixmap ponto;        // blue

 private:
  std::string chave_;
  std::string idioma_;
};

// The one painter of the large fretboard, for the window and for the command line's pictures
// alike: the background, then every visible marker of the model at its place.
class PintorBraco {
 public:
  // Paints in the fretboard's logical pixels (797 x 325); the painter's scale gives the
  // device's sharpness.
  static void pintar(QPainter& pintor, const Braco& braco, const ImagensBraco& imagens);
  // A picture of the fretboard at one device pixel per logical pixel.
  static QImage imagem(const Braco& braco, const ImagensBraco& imagens);

  // The label's font, made smaller where the words would run over their dot (b13, 7M).
  static QFont fonteQueCabe(const QFont& fonte, const QString& texto);
  // The width a label may take inside a dot, and the smallest size it is drawn at.
  static constexpr double LARGURA_ROTULO = 17;
  static constexpr int TAMANHO_MINIMO = 7;
  // The same as an SVG document, its labels kept as text.
  static QByteArray svg(const Braco& braco, const ImagensBraco& imagens);
};

}  // namespace tessara
