#include "DesenhistaBraco.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>

namespace tessara::arte {

namespace {

constexpr int kLargura = GeometriaBraco::LARGURA_FUNDO;
constexpr int kAltura = GeometriaBraco::ALTURA_FUNDO;
// How far the fingerboard reaches beyond the outer strings.
constexpr qreal kMargemEscala = 14.0;
// The body begins at the wire after this fret, as on a classical guitar.
constexpr size_t kCasaDoCorpo = 12;
constexpr qreal kRaioCorpo = 560.0;
constexpr qreal kLarguraTraste = 2.4;
constexpr qreal kLarguraPestana = 5.0;
constexpr qreal kRaioMarcador = 5.2;
// Under the dots' corners: the average tone of the fingerboard.
const QColor kMadeiraMedia(0x33, 0x1d, 0x12);

// Integer hash (lowbias32): textures come from a formula, so every build draws them alike.
quint32 embaralhar(quint32 x) {
  x ^= x >> 16;
  x *= 0x7feb352du;
  x ^= x >> 15;
  x *= 0x846ca68bu;
  x ^= x >> 16;
  return x;
}

float sorteado(int x, int y, quint32 semente) {
  const quint32 h = embaralhar(static_cast<quint32>(x) * 0x27d4eb2du ^
                               embaralhar(static_cast<quint32>(y) + semente));
  return static_cast<float>(h >> 8) / 16777216.0f;
}

// Smooth value noise in [0, 1).
float ruido(float x, float y, quint32 semente) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const int ix = static_cast<int>(fx);
  const int iy = static_cast<int>(fy);
  float tx = x - fx;
  float ty = y - fy;
  tx = tx * tx * (3.0f - 2.0f * tx);
  ty = ty * ty * (3.0f - 2.0f * ty);
  const float a = sorteado(ix, iy, semente);
  const float b = sorteado(ix + 1, iy, semente);
  const float c = sorteado(ix, iy + 1, semente);
  const float d = sorteado(ix + 1, iy + 1, semente);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float suave(float a, float b, float t) {
  const float u = std::clamp((t - a) / (b - a), 0.0f, 1.0f);
  return u * u * (3.0f - 2.0f * u);
}

QRgb misturarRgb(const std::array<float, 3>& a, const std::array<float, 3>& b, float t, float luz) {
  auto canal = [&](size_t i) {
    return std::clamp(static_cast<int>((a[i] + (b[i] - a[i]) * t) * luz + 0.5f), 0, 255);
  };
  return qRgb(canal(0), canal(1), canal(2));
}

// Rosewood in stored pixels: long wavy streaks along the neck and the dark dashes of its pores.
QImage texturaJacaranda() {
  QImage imagem(kLargura * DesenhistaBraco::ESCALA, kAltura * DesenhistaBraco::ESCALA,
                QImage::Format_RGB32);
  constexpr std::array<float, 3> escuro{0x1d, 0x0f, 0x08};
  constexpr std::array<float, 3> claro{0x63, 0x39, 0x22};
  for (int y = 0; y < imagem.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(y));
    for (int x = 0; x < imagem.width(); ++x) {
      const auto fx = static_cast<float>(x);
      const auto fy = static_cast<float>(y);
      const float veio = fy + 18.0f * ruido(fx / 320.0f, fy / 120.0f, 11u) +
                         5.0f * ruido(fx / 90.0f, fy / 40.0f, 12u);
      const float fino = ruido(fx / 540.0f, veio / 2.4f, 13u);
      const float largo = ruido(fx / 260.0f, veio / 10.0f, 14u);
      const float mancha = ruido(fx / 170.0f, fy / 70.0f, 15u);
      const float tom = suave(0.18f, 0.9f, 0.42f * fino + 0.4f * largo + 0.18f * mancha);
      // Pores: short dashes along the grain, darkest in their middle.
      const int fila = static_cast<int>(veio / 2.0f);
      const int deslocamento = fila * 37;
      const int celula = (x + deslocamento) / 12;
      const float poro =
          sorteado(celula, fila, 16u) < 0.025f
              ? std::sin(3.14159f * static_cast<float>((x + deslocamento) % 12) / 12.0f)
              : 0.0f;
      linha[x] = misturarRgb(escuro, claro, tom * tom, 1.0f - 0.35f * poro);
    }
  }
  return imagem;
}

// Spruce top: pale, with the fine straight growth rings running along the strings.
QImage texturaAbeto() {
  QImage imagem(kLargura * DesenhistaBraco::ESCALA, kAltura * DesenhistaBraco::ESCALA,
                QImage::Format_RGB32);
  constexpr std::array<float, 3> cerne{0xd8, 0xb2, 0x78};
  constexpr std::array<float, 3> anel{0xa8, 0x76, 0x3e};
  for (int y = 0; y < imagem.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(y));
    for (int x = 0; x < imagem.width(); ++x) {
      const auto fx = static_cast<float>(x);
      const auto fy = static_cast<float>(y);
      const float veio = fy + 6.0f * ruido(fx / 420.0f, fy / 90.0f, 21u);
      // Rings a few pixels apart, their spacing and strength drifting across the top.
      const float fase = veio / 7.0f + 2.5f * ruido(0.0f, veio / 45.0f, 22u);
      const float f = fase - std::floor(fase) - 0.5f;
      const float tardio = std::exp(-(f * f) / 0.02f);
      const float forca = 0.1f + 0.35f * ruido(fx / 260.0f, fase, 23u);
      const float luz = 0.9f + 0.12f * ruido(fx / 300.0f, fy / 160.0f, 24u);
      linha[x] = misturarRgb(cerne, anel, tardio * forca, luz);
    }
  }
  return imagem;
}

const QImage& jacaranda() {
  static const QImage textura = texturaJacaranda();
  return textura;
}

const QImage& abeto() {
  static const QImage textura = texturaAbeto();
  return textura;
}

// The textures are in stored pixels: drawn over the whole logical picture they map one to one.
void cobrir(QPainter& p, const QPainterPath& area, const QImage& textura) {
  p.save();
  p.setClipPath(area, Qt::IntersectClip);
  p.drawImage(QRectF(0, 0, kLargura, kAltura), textura);
  p.restore();
}

QColor misturar(const QColor& a, const QColor& b, qreal t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void fundoEscuro(QPainter& p) {
  QLinearGradient sombra(0, 0, 0, kAltura);
  sombra.setColorAt(0.0, QColor(0x1e, 0x16, 0x11));
  sombra.setColorAt(1.0, QColor(0x0c, 0x08, 0x06));
  p.fillRect(QRectF(0, 0, kLargura, kAltura), sombra);
}

// The top of the body beyond the neck joint, its edge an arc of the upper bout.
void corpo(QPainter& p, qreal borda, qreal sentido, qreal yMeio) {
  const QPointF centro(borda - sentido * kRaioCorpo, yMeio);
  QPainterPath tampo;
  tampo.addEllipse(centro, kRaioCorpo, kRaioCorpo);
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 4; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawEllipse(centro + QPointF(sentido * 0.6 * i, 0.8 * i), kRaioCorpo, kRaioCorpo);
  }
  p.restore();
  cobrir(p, tampo, abeto());

  // Lacquer: a broad soft sheen across the top.
  p.save();
  p.setClipPath(tampo);
  QLinearGradient verniz(0, 0, 0, kAltura);
  verniz.setColorAt(0.0, QColor(0x40, 0x20, 0x00, 60));
  verniz.setColorAt(0.4, QColor(0xff, 0xf0, 0xd0, 30));
  verniz.setColorAt(1.0, QColor(0x30, 0x18, 0x00, 90));
  p.fillRect(QRectF(0, 0, kLargura, kAltura), verniz);
  p.restore();

  // Binding and purfling along the edge.
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xef, 0xe4, 0xcc), 2.2));
  p.drawEllipse(centro, kRaioCorpo - 1.1, kRaioCorpo - 1.1);
  p.setPen(QPen(QColor(0x2a, 0x18, 0x0c), 1.0));
  p.drawEllipse(centro, kRaioCorpo - 2.9, kRaioCorpo - 2.9);
  p.setPen(QPen(QColor(0x9a, 0x6a, 0x3a), 0.7));
  p.drawEllipse(centro, kRaioCorpo - 4.0, kRaioCorpo - 4.0);
  p.restore();
}

// Headstock face beyond the nut, widening towards the tuners.
void mao(QPainter& p, qreal pestana, qreal sentido, qreal topo, qreal base) {
  const qreal borda = sentido > 0 ? kLargura + 1.0 : -1.0;
  const qreal alargamento = 7.0;
  QPainterPath face;
  face.moveTo(pestana, topo - 1.0);
  face.lineTo(borda, topo - 1.0 - alargamento);
  face.lineTo(borda, base + 1.0 + alargamento);
  face.lineTo(pestana, base + 1.0);
  face.closeSubpath();

  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(face.translated(0.0, 2.5));
  p.restore();
  cobrir(p, face, jacaranda());
  p.save();
  p.setClipPath(face);
  // The veneer is polished: a soft band of light along the middle.
  QLinearGradient laca(0, topo - alargamento, 0, base + alargamento);
  laca.setColorAt(0.0, QColor(0, 0, 0, 110));
  laca.setColorAt(0.3, QColor(0, 0, 0, 10));
  laca.setColorAt(0.5, QColor(0xff, 0xe8, 0xd0, 30));
  laca.setColorAt(0.7, QColor(0, 0, 0, 20));
  laca.setColorAt(1.0, QColor(0, 0, 0, 130));
  p.fillRect(face.boundingRect(), laca);
  p.restore();
  // Bevelled edges catch the light above and fall into shadow below.
  p.save();
  p.setPen(QPen(QColor(0xe0, 0xc8, 0xa8, 150), 0.9));
  p.drawLine(QPointF(pestana, topo - 0.6), QPointF(borda, topo - 0.6 - alargamento));
  p.setPen(QPen(QColor(0x8a, 0x6a, 0x50, 110), 0.9));
  p.drawLine(QPointF(pestana, base + 0.6), QPointF(borda, base + 0.6 + alargamento));
  p.restore();
}

void escala(QPainter& p, const QRectF& area) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 1; i <= 4; ++i) {
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRect(area.adjusted(0.0, -0.5 * i, 0.0, 1.0 * i));
  }
  p.restore();

  QPainterPath caminho;
  caminho.addRect(area);
  cobrir(p, caminho, jacaranda());
  // The board is slightly rounded: its edges turn away from the light.
  QLinearGradient volume(area.topLeft(), area.bottomLeft());
  volume.setColorAt(0.0, QColor(0, 0, 0, 130));
  volume.setColorAt(0.08, QColor(0, 0, 0, 20));
  volume.setColorAt(0.4, QColor(0xff, 0xd8, 0xb0, 14));
  volume.setColorAt(0.92, QColor(0, 0, 0, 30));
  volume.setColorAt(1.0, QColor(0, 0, 0, 150));
  p.fillRect(area, volume);
  p.save();
  p.setPen(QPen(QColor(0xe4, 0xd6, 0xb8, 170), 1.0));
  p.drawLine(QPointF(area.left(), area.top() + 0.5), QPointF(area.right(), area.top() + 0.5));
  p.drawLine(QPointF(area.left(), area.bottom() - 0.5), QPointF(area.right(), area.bottom() - 0.5));
  p.restore();
}

void marcador(QPainter& p, const QPointF& centro) {
  const qreal r = kRaioMarcador;
  QRadialGradient madreperola(centro - QPointF(r * 0.3, r * 0.35), r * 1.3);
  madreperola.setColorAt(0.0, QColor(0xff, 0xfe, 0xf8));
  madreperola.setColorAt(0.4, QColor(0xea, 0xe8, 0xe2));
  madreperola.setColorAt(0.7, QColor(0xd2, 0xde, 0xe2));
  madreperola.setColorAt(0.85, QColor(0xe6, 0xd8, 0xe4));
  madreperola.setColorAt(1.0, QColor(0xb4, 0xac, 0x9e));
  p.save();
  p.setPen(QPen(QColor(0x14, 0x0a, 0x05, 170), 0.7));
  p.setBrush(madreperola);
  p.drawEllipse(centro, r, r);
  p.restore();
}

void traste(QPainter& p, qreal x, qreal topo, qreal base) {
  const qreal meia = kLarguraTraste / 2.0;
  const QRectF sombra(x + meia - 0.3, topo, 2.4, base - topo);
  QLinearGradient escuro(sombra.topLeft(), sombra.topRight());
  escuro.setColorAt(0.0, QColor(0, 0, 0, 140));
  escuro.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(sombra, escuro);

  const QRectF metal(x - meia, topo, kLarguraTraste, base - topo);
  QLinearGradient niquel(metal.topLeft(), metal.topRight());
  niquel.setColorAt(0.0, QColor(0x80, 0x7e, 0x7b));
  niquel.setColorAt(0.35, QColor(0xf6, 0xf4, 0xf0));
  niquel.setColorAt(0.6, QColor(0xd8, 0xd6, 0xd2));
  niquel.setColorAt(1.0, QColor(0x72, 0x70, 0x6c));
  p.fillRect(metal, niquel);
  // Rounded ends where the wire leaves the board.
  p.fillRect(QRectF(metal.left(), topo, kLarguraTraste, 0.8), QColor(0, 0, 0, 70));
  p.fillRect(QRectF(metal.left(), base - 0.8, kLarguraTraste, 0.8), QColor(0, 0, 0, 90));
}

void pestanaOsso(QPainter& p, qreal x, qreal sentido, qreal topo, qreal base) {
  const QRectF osso(x - kLarguraPestana / 2.0, topo - 1.0, kLarguraPestana, base - topo + 2.0);
  // Its shadow falls on the fingerboard side.
  const qreal lado = sentido > 0 ? osso.left() - 2.0 : osso.right();
  QLinearGradient sombra(QPointF(lado + (sentido > 0 ? 2.0 : 0.0), 0),
                         QPointF(lado + (sentido > 0 ? 0.0 : 2.0), 0));
  sombra.setColorAt(0.0, QColor(0, 0, 0, 130));
  sombra.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(QRectF(lado, topo, 2.0, base - topo), sombra);

  QLinearGradient cor(osso.topLeft(), osso.topRight());
  cor.setColorAt(0.0, QColor(0xc4, 0xb6, 0x96));
  cor.setColorAt(0.4, QColor(0xf7, 0xf1, 0xe0));
  cor.setColorAt(1.0, QColor(0xb2, 0xa2, 0x82));
  p.fillRect(osso, cor);
}

// Thickest first; the lower strings are wound (bronze), the others plain steel.
qreal espessura(int corda, int cordas) {
  const qreal grossa = cordas >= 5 ? 2.6 : 2.2;
  const qreal fina = 1.0;
  return grossa - (grossa - fina) * corda / std::max(1, cordas - 1);
}

bool enrolada(int corda, int cordas) { return corda < cordas - 2; }

void corda(QPainter& p, qreal y, qreal espessuraCorda, bool bronze) {
  p.save();
  // Its shadow on whatever lies below, a little down and soft.
  p.setPen(QPen(QColor(0, 0, 0, 45), espessuraCorda + 2.4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(0, y + espessuraCorda * 0.5 + 2.0),
             QPointF(kLargura, y + espessuraCorda * 0.5 + 2.0));
  p.setPen(QPen(QColor(0, 0, 0, 90), espessuraCorda + 0.6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(0, y + espessuraCorda * 0.5 + 1.6),
             QPointF(kLargura, y + espessuraCorda * 0.5 + 1.6));

  const QColor base = bronze ? QColor(0xc8, 0x9a, 0x58) : QColor(0xc4, 0xc8, 0xcc);
  const QColor brilho = bronze ? QColor(0xff, 0xf0, 0xc8) : QColor(0xfc, 0xfd, 0xff);
  const qreal meia = espessuraCorda / 2.0;
  QLinearGradient cilindro(QPointF(0, y - meia), QPointF(0, y + meia));
  cilindro.setColorAt(0.0, misturar(base, Qt::black, 0.4));
  cilindro.setColorAt(0.3, brilho);
  cilindro.setColorAt(0.6, base);
  cilindro.setColorAt(1.0, misturar(base, Qt::black, 0.55));
  p.setPen(QPen(QBrush(cilindro), espessuraCorda, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(0, y), QPointF(kLargura, y));

  if (bronze) {
    // The winding shows as fine slanted ridges.
    p.setPen(QPen(QColor(0x50, 0x34, 0x10, 45), 0.35));
    for (qreal x = 0.0; x < kLargura; x += 0.9) {
      p.drawLine(QPointF(x, y - meia), QPointF(x + 0.5, y + meia));
    }
  }
  p.restore();
}

}  // namespace

const std::vector<FundoBraco>& DesenhistaBraco::fundos() {
  static const std::vector<FundoBraco> lista = [] {
    struct Conjunto {
      const char* prefixo;
      int cordas;
      bool brasileiro;
    };
    constexpr std::array<Conjunto, 4> conjuntos{
        {{"braco6", 6, false}, {"braco5", 5, false}, {"braco4", 4, false}, {"braco6br", 6, true}}};
    constexpr std::array<const char*, GeometriaBraco::NUMERO_ORIENTACOES> vistas{
        "-frente-normal", "-frente-invertida", "-cima-normal", "-cima-invertida"};
    std::vector<FundoBraco> r;
    for (const auto& c : conjuntos) {
      for (int o = 0; o < GeometriaBraco::NUMERO_ORIENTACOES; ++o) {
        r.push_back(
            {std::string(c.prefixo) + vistas[static_cast<size_t>(o)], c.cordas, o, c.brasileiro});
      }
    }
    return r;
  }();
  return lista;
}

const FundoBraco* DesenhistaBraco::fundo(const std::string& nome) {
  for (const auto& f : fundos()) {
    if (f.nome == nome) return &f;
  }
  return nullptr;
}

QImage DesenhistaBraco::desenhar(const FundoBraco& fundo) const {
  QImage imagem(kLargura * ESCALA, kAltura * ESCALA, QImage::Format_RGB32);
  QPainter p(&imagem);
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  p.scale(ESCALA, ESCALA);
  desenharBraco(p, GeometriaBraco(fundo.cordas, fundo.orientacao, fundo.brasileiro), fundo.cordas);
  p.end();
  return imagem;
}

void DesenhistaBraco::desenharBraco(QPainter& p, const GeometriaBraco& g, int cordas) const {
  const auto& xs = g.getXCasas();
  const auto& ys = g.getYCordas();
  // Positions name pixels; their centres are half a pixel in.
  auto xCasa = [&](size_t casa) { return xs[casa] + 0.5; };
  auto yCorda = [&](int c) { return ys[static_cast<size_t>(c)] + 0.5; };
  // Wires lie half-way between fret positions, not where equal temperament would put them.
  auto xTraste = [&](size_t casa) { return (xCasa(casa) + xCasa(casa + 1)) / 2.0; };

  const size_t ultima = xs.size() - 1;
  const qreal sentido = g.vistaFrente() ? 1.0 : -1.0;  // towards the headstock
  const qreal topo = std::min(yCorda(0), yCorda(cordas - 1)) - kMargemEscala;
  const qreal base = std::max(yCorda(0), yCorda(cordas - 1)) + kMargemEscala;
  const qreal yMeio = (topo + base) / 2.0;
  const qreal pestana = xTraste(0);
  const qreal ultimoTraste = xCasa(ultima) - (xCasa(ultima - 1) - xCasa(ultima)) / 2.0;
  const qreal fimEscala = ultimoTraste - sentido * 4.0;
  const qreal bordaCorpo = kCasaDoCorpo < ultima ? xTraste(kCasaDoCorpo) : ultimoTraste;

  fundoEscuro(p);
  corpo(p, bordaCorpo, sentido, yMeio);
  mao(p, pestana, sentido, topo, base);
  escala(p, QRectF(QPointF(std::min(pestana, fimEscala), topo),
                   QPointF(std::max(pestana, fimEscala), base)));

  // Inlays in the middle of the board; the twelfth fret has two, a string pair apart.
  for (const size_t casa : {3u, 5u, 7u, 9u, 15u}) {
    if (casa <= ultima) marcador(p, QPointF(xCasa(casa), yMeio));
  }
  if (ultima >= 12) {
    const qreal afastamento = GeometriaBraco::DISTANCIA_CORDAS * (cordas % 2 == 0 ? 1.0 : 1.5);
    marcador(p, QPointF(xCasa(12), yMeio - afastamento));
    marcador(p, QPointF(xCasa(12), yMeio + afastamento));
  }

  for (size_t casa = 1; casa < ultima; ++casa) traste(p, xTraste(casa), topo, base);
  traste(p, ultimoTraste, topo, base);
  pestanaOsso(p, pestana, sentido, topo, base);

  for (int c = 0; c < cordas; ++c) corda(p, yCorda(c), espessura(c, cordas), enrolada(c, cordas));
}

QImage DesenhistaBraco::ponto(const QColor& cor) const {
  constexpr int lado = GeometriaBraco::LADO_PONTO;
  QImage imagem(lado * ESCALA, lado * ESCALA, QImage::Format_RGB32);
  imagem.fill(kMadeiraMedia);
  QPainter p(&imagem);
  p.setRenderHints(QPainter::Antialiasing);
  p.scale(ESCALA, ESCALA);
  const QPointF centro(lado / 2.0, lado / 2.0);
  const qreal raio = lado / 2.0 - 1.0;

  // Flat in the middle, where the label goes; darker towards the rim.
  QRadialGradient corpo(centro, raio);
  corpo.setColorAt(0.0, cor);
  corpo.setColorAt(0.7, cor);
  corpo.setColorAt(1.0, misturar(cor, Qt::black, 0.35));
  p.setPen(QPen(misturar(cor, Qt::black, 0.6), 0.7));
  p.setBrush(corpo);
  p.drawEllipse(centro, raio - 0.35, raio - 0.35);

  // Gloss near the top edge, clear of the label.
  QRadialGradient brilho(centro + QPointF(-raio * 0.15, -raio * 0.76), raio * 0.34);
  brilho.setColorAt(0.0, QColor(255, 255, 255, 130));
  brilho.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(brilho);
  p.drawEllipse(centro, raio - 0.7, raio - 0.7);
  p.end();
  return imagem;
}

}  // namespace tessara::arte
