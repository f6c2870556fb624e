#include "DesenhistaArte.h"

#include <QFontInfo>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <iostream>

namespace tessara::arte {

namespace {

// Our own generator: the standard distributions differ between libraries, and the
// pictures must come out byte for byte the same on every build.
class Sorteio {
 public:
  explicit Sorteio(quint32 semente) : estado_(semente == 0 ? 0x9E3779B9u : semente) {}
  qreal proximo() {
    estado_ ^= estado_ << 13;
    estado_ ^= estado_ >> 17;
    estado_ ^= estado_ << 5;
    return static_cast<qreal>(estado_ % 100000u) / 100000.0;
  }
  qreal entre(qreal a, qreal b) { return a + (b - a) * proximo(); }

 private:
  quint32 estado_;
};

constexpr int kLadoEntrada = 250;
constexpr qreal kEscalaEntrada = 900.0;
constexpr qreal kLarguraBracoEntrada = 90.0;
constexpr int kCordas = 6;

QColor misturar(const QColor& a, const QColor& b, qreal t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                          static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

}  // namespace

qreal DesenhistaArte::posicaoTraste(int casa, qreal escala) {
  return escala * (1.0 - std::pow(2.0, -casa / 12.0));
}

qreal DesenhistaArte::centroCasa(int casa, qreal escala) {
  return (posicaoTraste(casa - 1, escala) + posicaoTraste(casa, escala)) / 2.0;
}

QFont DesenhistaArte::fonte(const QString& familia, int pixels, QFont::Weight peso, bool italico) {
  QFont f(familia);
  f.setPixelSize(pixels);
  f.setWeight(peso);
  f.setItalic(italico);
  f.setStyleStrategy(QFont::PreferAntialias);
  f.setHintingPreference(QFont::PreferNoHinting);
  if (QFontInfo(f).family() != familia) {
    std::cerr << "tessara-artwork: warning: font '" << familia.toStdString()
              << "' is missing (install fonts-liberation); the pictures will differ\n";
  }
  return f;
}

void DesenhistaArte::madeira(QPainter& p, const QRectF& braco, quint32 semente) const {
  p.save();
  p.setClipRect(braco);
  p.fillRect(braco, QColor(0x3a, 0x22, 0x15));

  // Grain: long, slightly wavy streaks along the neck, some darker, some lighter.
  Sorteio sorteio(semente);
  const QColor escuro(0x1e, 0x10, 0x09);
  const QColor claro(0x6b, 0x42, 0x28);
  for (int i = 0; i < 150; ++i) {
    const qreal y = braco.top() + sorteio.entre(-2.0, braco.height() + 2.0);
    const qreal amplitude = sorteio.entre(0.2, 1.6);
    const qreal periodo = sorteio.entre(60.0, 220.0);
    const qreal fase = sorteio.entre(0.0, 6.2832);
    QColor cor = sorteio.proximo() < 0.6 ? escuro : claro;
    cor.setAlphaF(static_cast<float>(sorteio.entre(0.15, 0.55)));
    QPainterPath veio;
    veio.moveTo(braco.left(), y + amplitude * std::sin(fase));
    for (qreal x = braco.left() + 6.0; x <= braco.right() + 6.0; x += 6.0) {
      veio.lineTo(x, y + amplitude * std::sin(fase + (x - braco.left()) * 6.2832 / periodo));
    }
    p.setPen(QPen(cor, sorteio.entre(0.4, 1.8), Qt::SolidLine, Qt::FlatCap));
    p.drawPath(veio);
  }
  // Pores: short dark dashes that make the surface read as rosewood, not as paint.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 420; ++i) {
    const QPointF ponto(sorteio.entre(braco.left(), braco.right()),
                        sorteio.entre(braco.top(), braco.bottom()));
    p.setBrush(QColor(0x12, 0x08, 0x04, static_cast<int>(sorteio.entre(40, 120))));
    p.drawEllipse(QRectF(ponto, QSizeF(sorteio.entre(1.5, 4.0), 0.7)));
  }
  // The board is rounded: light falls on its middle, its edges turn away.
  QLinearGradient volume(braco.topLeft(), braco.bottomLeft());
  volume.setColorAt(0.0, QColor(0, 0, 0, 150));
  volume.setColorAt(0.18, QColor(0, 0, 0, 20));
  volume.setColorAt(0.45, QColor(255, 210, 160, 28));
  volume.setColorAt(0.82, QColor(0, 0, 0, 30));
  volume.setColorAt(1.0, QColor(0, 0, 0, 170));
  p.fillRect(braco, volume);
  p.restore();

  // Binding along both edges.
  p.save();
  p.setPen(QPen(QColor(0xe9, 0xdc, 0xbf, 200), 1.2));
  p.drawLine(QPointF(braco.left(), braco.top() + 0.6), QPointF(braco.right(), braco.top() + 0.6));
  p.drawLine(QPointF(braco.left(), braco.bottom() - 0.6),
             QPointF(braco.right(), braco.bottom() - 0.6));
  p.restore();
}

void DesenhistaArte::pestana(QPainter& p, const QRectF& area) const {
  QLinearGradient osso(area.topLeft(), area.topRight());
  osso.setColorAt(0.0, QColor(0xc9, 0xbb, 0x9c));
  osso.setColorAt(0.35, QColor(0xf6, 0xef, 0xdd));
  osso.setColorAt(1.0, QColor(0xb5, 0xa6, 0x86));
  p.fillRect(area, osso);
  p.fillRect(QRectF(area.right(), area.top(), 2.0, area.height()), QColor(0, 0, 0, 110));
}

void DesenhistaArte::mao(QPainter& p, const QRectF& area) const {
  // Black lacquered headstock face, with the gloss of its polish.
  QLinearGradient laca(area.topLeft(), area.bottomLeft());
  laca.setColorAt(0.0, QColor(0x2a, 0x24, 0x20));
  laca.setColorAt(0.3, QColor(0x0e, 0x0b, 0x09));
  laca.setColorAt(0.55, QColor(0x3a, 0x33, 0x2d));
  laca.setColorAt(0.7, QColor(0x0e, 0x0b, 0x09));
  laca.setColorAt(1.0, QColor(0x05, 0x04, 0x03));
  p.fillRect(area, laca);
}

void DesenhistaArte::traste(QPainter& p, qreal x, qreal topo, qreal base) const {
  constexpr qreal largura = 2.6;
  const QRectF sombra(x + largura / 2.0, topo, 2.2, base - topo);
  QLinearGradient sombraGradiente(sombra.topLeft(), sombra.topRight());
  sombraGradiente.setColorAt(0.0, QColor(0, 0, 0, 130));
  sombraGradiente.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(sombra, sombraGradiente);

  const QRectF metal(x - largura / 2.0, topo, largura, base - topo);
  QLinearGradient niquel(metal.topLeft(), metal.topRight());
  niquel.setColorAt(0.0, QColor(0x7c, 0x7a, 0x78));
  niquel.setColorAt(0.4, QColor(0xf4, 0xf2, 0xee));
  niquel.setColorAt(1.0, QColor(0x8e, 0x8b, 0x87));
  p.fillRect(metal, niquel);
}

void DesenhistaArte::marcador(QPainter& p, const QPointF& centro, qreal raio) const {
  QRadialGradient madreperola(centro - QPointF(raio * 0.35, raio * 0.35), raio * 1.4);
  madreperola.setColorAt(0.0, QColor(0xff, 0xfd, 0xf6));
  madreperola.setColorAt(0.45, QColor(0xe6, 0xe4, 0xe0));
  madreperola.setColorAt(0.75, QColor(0xd3, 0xdc, 0xe0));
  madreperola.setColorAt(1.0, QColor(0xb8, 0xb0, 0xa2));
  p.save();
  p.setPen(QPen(QColor(0x1a, 0x0e, 0x07, 160), 0.8));
  p.setBrush(madreperola);
  p.drawEllipse(centro, raio, raio);
  p.restore();
}

void DesenhistaArte::corda(QPainter& p, qreal y, qreal inicio, qreal fim, qreal espessura,
                           bool enrolada) const {
  p.save();
  // Shadow on the board, a little below the string.
  p.setPen(QPen(QColor(0, 0, 0, 120), espessura + 0.8, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(inicio, y + espessura * 0.6 + 1.2), QPointF(fim, y + espessura * 0.6 + 1.2));

  const QColor base = enrolada ? QColor(0xb0, 0x86, 0x4a) : QColor(0xb8, 0xbb, 0xc0);
  const QColor brilho = enrolada ? QColor(0xf6, 0xde, 0xa8) : QColor(0xfb, 0xfc, 0xff);
  QLinearGradient cilindro(QPointF(0, y - espessura / 2.0), QPointF(0, y + espessura / 2.0));
  cilindro.setColorAt(0.0, misturar(base, QColor(Qt::black), 0.35));
  cilindro.setColorAt(0.35, brilho);
  cilindro.setColorAt(1.0, misturar(base, QColor(Qt::black), 0.45));
  p.setPen(QPen(QBrush(cilindro), espessura, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(inicio, y), QPointF(fim, y));

  if (enrolada) {
    // The winding shows as fine slanted ridges.
    p.setPen(QPen(QColor(0x40, 0x2a, 0x10, 90), 0.5));
    for (qreal x = inicio; x < fim; x += 1.6) {
      p.drawLine(QPointF(x, y - espessura / 2.0), QPointF(x + 0.8, y + espessura / 2.0));
    }
  }
  p.restore();
}

void DesenhistaArte::dedo(QPainter& p, const QPointF& centro, qreal raio, int numero) const {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawEllipse(centro + QPointF(0.8, 1.4), raio, raio);
  QRadialGradient ambar(centro - QPointF(raio * 0.4, raio * 0.4), raio * 1.6);
  ambar.setColorAt(0.0, QColor(0xff, 0xc8, 0x6a));
  ambar.setColorAt(0.55, QColor(0xe8, 0x84, 0x1e));
  ambar.setColorAt(1.0, QColor(0xa8, 0x4c, 0x08));
  p.setBrush(ambar);
  p.setPen(QPen(QColor(0x5a, 0x28, 0x04), 0.8));
  p.drawEllipse(centro, raio, raio);
  p.setPen(QColor(0xff, 0xfb, 0xf2));
  p.setFont(fonte(QStringLiteral("Liberation Sans"), static_cast<int>(raio * 1.35), QFont::Bold));
  p.drawText(QRectF(centro.x() - raio, centro.y() - raio, raio * 2.0, raio * 2.0), Qt::AlignCenter,
             QString::number(numero));
  p.restore();
}

void DesenhistaArte::fundoEntrada(QPainter& p, const QSize& tamanho) const {
  const QRectF area(QPointF(0, 0), tamanho);
  QLinearGradient ceu(area.topLeft(), area.bottomLeft());
  ceu.setColorAt(0.0, QColor(0x21, 0x16, 0x10));
  ceu.setColorAt(1.0, QColor(0x0b, 0x07, 0x05));
  p.fillRect(area, ceu);
  // A warm stage light behind the name.
  QRadialGradient luz(QPointF(area.width() * 0.5, area.height() * 0.28), area.width() * 0.62);
  luz.setColorAt(0.0, QColor(0xc0, 0x70, 0x2c, 110));
  luz.setColorAt(0.5, QColor(0x80, 0x40, 0x18, 40));
  luz.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(area, luz);
}

void DesenhistaArte::vinheta(QPainter& p, const QSize& tamanho) const {
  const QRectF area(QPointF(0, 0), tamanho);
  QRadialGradient vinheta(area.center(), area.width() * 0.75);
  vinheta.setColorAt(0.0, QColor(0, 0, 0, 0));
  vinheta.setColorAt(0.7, QColor(0, 0, 0, 0));
  vinheta.setColorAt(1.0, QColor(0, 0, 0, 120));
  p.fillRect(area, vinheta);
}

void DesenhistaArte::bracoEntrada(QPainter& p) const {
  const QRectF braco(0.0, 0.0, kEscalaEntrada, kLarguraBracoEntrada);
  p.save();
  // The neck crosses the picture from the lower left, rising slightly towards the body.
  p.translate(14.0, 204.0);
  p.rotate(-10.0);
  p.translate(0.0, -kLarguraBracoEntrada / 2.0);

  // Soft shadow of the whole neck on the background.
  p.setPen(Qt::NoPen);
  for (int i = 6; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 22));
    p.drawRoundedRect(braco.adjusted(-i, -i + 4, i, i + 4), i, i);
  }

  mao(p, QRectF(-60.0, -6.0, 52.0, kLarguraBracoEntrada + 12.0));
  madeira(p, braco, 0x7e55a2a1u);
  pestana(p, QRectF(-8.0, 0.0, 8.0, kLarguraBracoEntrada));

  constexpr std::array<int, 5> casasComMarcador{3, 5, 7, 9, 12};
  for (const int casa : casasComMarcador) {
    const qreal x = centroCasa(casa, kEscalaEntrada);
    if (casa == 12) {
      marcador(p, QPointF(x, kLarguraBracoEntrada * 0.3), 4.2);
      marcador(p, QPointF(x, kLarguraBracoEntrada * 0.7), 4.2);
    } else {
      marcador(p, QPointF(x, kLarguraBracoEntrada / 2.0), 4.6);
    }
  }
  for (int casa = 1; casa <= 14; ++casa) {
    traste(p, posicaoTraste(casa, kEscalaEntrada), 0.0, kLarguraBracoEntrada);
  }

  // Lowest string at the bottom, as a player looking down at the neck sees it.
  constexpr std::array<qreal, kCordas> espessuras{2.5, 2.1, 1.7, 1.3, 0.95, 0.8};
  constexpr qreal margem = 7.0;
  const qreal passo = (kLarguraBracoEntrada - 2.0 * margem) / (kCordas - 1);
  auto yCorda = [&](int corda) { return kLarguraBracoEntrada - margem - corda * passo; };
  for (int c = 0; c < kCordas; ++c) {
    corda(p, yCorda(c), -30.0, kEscalaEntrada, espessuras[c], c < 4);
  }

  // A G7 chord, fingered as the program shows it; the symbol under the name matches it.
  struct Nota {
    int corda;
    int casa;
    int dedo;
  };
  constexpr std::array<Nota, 3> acorde{{{0, 3, 3}, {1, 2, 2}, {5, 1, 1}}};
  for (const auto& n : acorde) {
    dedo(p, QPointF(centroCasa(n.casa, kEscalaEntrada), yCorda(n.corda)), 7.5, n.dedo);
  }
  p.restore();
}

void DesenhistaArte::tituloEntrada(QPainter& p, const QSize& tamanho) const {
  const QFont fonteNome = fonte(QStringLiteral("Liberation Sans"), 52, QFont::Bold);
  QPainterPath nome;
  nome.addText(0, 0, fonteNome, QStringLiteral("Tessara"));
  const QRectF caixa = nome.boundingRect();
  nome.translate((tamanho.width() - caixa.width()) / 2.0 - caixa.left(), 78.0);

  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 4; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(nome.translated(i * 0.5, i * 0.8));
  }
  const QRectF area = nome.boundingRect();
  QLinearGradient creme(area.topLeft(), area.bottomLeft());
  creme.setColorAt(0.0, QColor(0xff, 0xf8, 0xea));
  creme.setColorAt(1.0, QColor(0xe4, 0xcc, 0xa2));
  p.setBrush(creme);
  p.drawPath(nome);
  p.restore();

  // A fine rule and a chord symbol under the name.
  p.save();
  const qreal yRegua = 94.0;
  QLinearGradient regua(QPointF(40, yRegua), QPointF(tamanho.width() - 40.0, yRegua));
  regua.setColorAt(0.0, QColor(0xe8, 0x84, 0x1e, 0));
  regua.setColorAt(0.5, QColor(0xe8, 0x84, 0x1e, 230));
  regua.setColorAt(1.0, QColor(0xe8, 0x84, 0x1e, 0));
  p.setPen(QPen(QBrush(regua), 1.2));
  p.drawLine(QPointF(40, yRegua), QPointF(tamanho.width() - 40.0, yRegua));
  p.setPen(QColor(0xf2, 0xb0, 0x5e));
  p.setFont(fonte(QStringLiteral("Liberation Serif"), 20, QFont::Normal, true));
  p.drawText(QRectF(0, yRegua + 4.0, tamanho.width(), 24.0), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("G7"));
  p.restore();
}

QImage DesenhistaArte::entrada() const {
  QImage imagem(kLadoEntrada, kLadoEntrada, QImage::Format_RGB32);
  QPainter p(&imagem);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  fundoEntrada(p, imagem.size());
  bracoEntrada(p);
  vinheta(p, imagem.size());
  tituloEntrada(p, imagem.size());
  p.end();
  return imagem;
}

}  // namespace tessara::arte
