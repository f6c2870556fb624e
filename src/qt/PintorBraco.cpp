#include "qt/PintorBraco.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QSvgGenerator>
#include <algorithm>
#include <optional>

#include "app/Fachada.h"
#include "qt/ImagemQt.h"
#include "qt/TextoQt.h"
#include "telas/BarraBraco.h"
#include "telas/Braco.h"
#include "telas/GeometriaBraco.h"
#include "telas/MarcadorBraco.h"
#include "telas/QuadroBraco.h"

namespace tessara {

namespace {

using G = GeometriaBraco;

// Drawn when the language has no picture, so that a missing one shows instead of failing.
const QColor kMadeira(72, 42, 22);
const QColor kVermelho(205, 35, 35);
const QColor kAzul(35, 75, 205);

const char* const kOrientacoes[] = {"FrenteNormal", "FrenteInvertida", "CimaNormal",
                                    "CimaInvertida"};

QPixmap carregar(Fachada& fachada, const std::string& chave) {
  const std::optional<Imagem> imagem = fachada.getImagem("fmPrincipal", chave);
  return imagem && imagem->largura > 0 && imagem->altura > 0 ? pixmapDe(*imagem) : QPixmap();
}

QFont fonteRotulos() {
  QFont fonte(QStringLiteral("Sans Serif"));
  fonte.setStyleHint(QFont::SansSerif);
  fonte.setPixelSize(12);
  fonte.setBold(true);
  return fonte;
}

// The pictures are stored larger than they show: scaled into their box, they stay sharp on a
// screen of more device pixels per logical one.
void pintarPonto(QPainter& pintor, const MarcadorBraco& m, const ImagensBraco& imagens) {
  if (!m.visivel) return;
  const QRectF caixa(m.x - G::LADO_PONTO / 2, m.y - G::LADO_PONTO / 2, G::LADO_PONTO,
                     G::LADO_PONTO);
  const QPixmap& figura = m.tonica ? imagens.pontoTonica : imagens.ponto;
  QBrush pincel(m.tonica ? kVermelho : kAzul);
  if (!figura.isNull()) {
    // The picture is square: painted as a texture through a circle, its corners stay out.
    pincel = QBrush(figura);
    QTransform ajuste;
    ajuste.translate(caixa.x(), caixa.y());
    ajuste.scale(caixa.width() / figura.width(), caixa.height() / figura.height());
    pincel.setTransform(ajuste);
  }
  pintor.setPen(Qt::NoPen);
  pintor.setBrush(pincel);
  pintor.drawEllipse(caixa);
}

// Under the dots, in the dots' blue a shade darker, so the dots stand out on it.
void pintarPestana(QPainter& pintor, const BarraBraco& b) {
  constexpr double lado = G::LADO_PONTO - 4;
  const QRectF caixa(b.x - lado / 2, b.yTopo - lado / 2, lado, b.yBase - b.yTopo + lado);
  pintor.setPen(QPen(QColor(15, 30, 90), 1.5));
  pintor.setBrush(kAzul.darker(150));
  pintor.drawRoundedRect(caixa, lado / 2, lado / 2);
}

// White with a dark edge: it stands on the dark headstock and on the light nut alike.
void pintarAbafada(QPainter& pintor, const MarcadorBraco& m) {
  if (!m.visivel) return;
  const QRect caixa(m.x - G::LARGURA_MARCADOR / 2, m.y - G::ALTURA_MARCADOR / 2,
                    G::LARGURA_MARCADOR, G::ALTURA_MARCADOR);
  pintor.setPen(Qt::black);
  for (const QPoint& d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
    pintor.drawText(caixa.translated(d), Qt::AlignCenter, qt(m.texto));
  }
  pintor.setPen(Qt::white);
  pintor.drawText(caixa, Qt::AlignCenter, qt(m.texto));
}

// A capo: a dark padded bar across the strings in its fret.
void pintarCapo(QPainter& pintor, const Braco& braco) {
  const MarcadorBraco& capo = braco.getBarraCapo();
  if (!capo.visivel) return;
  const auto& ys = braco.getGeometria().getYCordas();
  const size_t cordas = std::min(ys.size(), braco.getPosicao().getCasas().size());
  if (cordas == 0) return;
  const auto [menor, maior] = std::minmax_element(ys.begin(), ys.begin() + cordas);
  const int margem = G::DISTANCIA_CORDAS / 2;
  const QRectF barra(capo.x - 7, *menor - margem, 14, *maior - *menor + 2 * margem);
  pintor.save();
  pintor.setPen(QPen(QColor(20, 20, 20), 1.5));
  pintor.setBrush(QColor(45, 45, 50));
  pintor.drawRoundedRect(barra, 5, 5);
  pintor.restore();
}

// The scale position on the whole neck: a light frame that leaves the wood and dots readable.
void pintarQuadro(QPainter& pintor, const QuadroBraco& q) {
  if (!q.visivel) return;
  pintor.save();
  pintor.setPen(QPen(QColor(255, 214, 90), 2.5));
  pintor.setBrush(QColor(255, 240, 200, 40));
  pintor.drawRoundedRect(QRectF(q.xEsquerda, q.yTopo, q.xDireita - q.xEsquerda, q.yBase - q.yTopo),
                         8, 8);
  pintor.restore();
}

void pintarRotulo(QPainter& pintor, const MarcadorBraco& m) {
  if (!m.visivel || m.texto.empty()) return;
  const QString texto = qt(m.texto);
  pintor.save();
  pintor.setFont(PintorBraco::fonteQueCabe(pintor.font(), texto));
  pintor.setPen(m.destaque ? Qt::white : Qt::black);
  pintor.drawText(QRect(m.x - G::LARGURA_MARCADOR / 2, m.y - G::ALTURA_MARCADOR / 2,
                        G::LARGURA_MARCADOR, G::ALTURA_MARCADOR),
                  Qt::AlignCenter, texto);
  pintor.restore();
}

}  // namespace

std::string ImagensBraco::chaveFundo(int grupo, int orientacao, bool brasileiro) {
  grupo = std::clamp(grupo, 0, 2);
  orientacao = orientacao >= 0 && orientacao < G::NUMERO_ORIENTACOES ? orientacao : 0;
  return std::string(brasileiro && grupo == 0 ? "imgBRBraco" : "imgBraco") +
         std::to_string(6 - grupo) + "Cordas" + kOrientacoes[orientacao];
}

bool ImagensBraco::atualizar(Fachada& fachada, const Braco& braco) {
  const G& geometria = braco.getGeometria();
  std::string chave =
      chaveFundo(geometria.getGrupo(), geometria.getOrientacao(), braco.conjuntoBrasileiro());
  std::string idioma = fachada.getNomeIdiomaAtual();
  if (!chave_.empty() && chave == chave_ && idioma == idioma_) return false;
  fundo = carregar(fachada, chave);
  pontoTonica = carregar(fachada, "imgDedoVermelho");
  ponto = carregar(fachada, "imgDedoAzul");
  chave_ = std::move(chave);
  idioma_ = std::move(idioma);
  return true;
}

void PintorBraco::pintar(QPainter& pintor, const Braco& braco, const ImagensBraco& imagens) {
  pintor.save();
  pintor.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                        QPainter::TextAntialiasing);
  // The background is a pixel larger than the area, centred: half a pixel falls outside.
  pintor.setClipRect(QRect(0, 0, G::LARGURA, G::ALTURA));
  if (imagens.fundo.isNull()) {
    pintor.fillRect(QRect(0, 0, G::LARGURA, G::ALTURA), kMadeira);
  } else {
    pintor.drawPixmap(QRectF(0, 0, G::LARGURA_FUNDO, G::ALTURA_FUNDO), imagens.fundo,
                      QRectF(imagens.fundo.rect()));
  }
  pintor.setFont(fonteRotulos());

  pintarCapo(pintor, braco);
  // Labels go over dots: every dot of a kind before any label of it; barres under both.
  const auto& cordas = braco.getCordas();
  for (const auto& b : braco.getPestanas()) pintarPestana(pintor, b);
  for (const auto& c : cordas) pintarPonto(pintor, c.ponto, imagens);
  for (const auto& c : cordas) {
    for (const MarcadorBraco* m : {&c.dedo, &c.nota, &c.intervalo}) pintarRotulo(pintor, *m);
  }
  pintarQuadro(pintor, braco.getQuadroPosicao());
  const auto& escala = braco.getMarcadoresEscala();
  const size_t usados =
      std::min(escala.size(), static_cast<size_t>(std::max(0, braco.getNumeroMarcadoresEscala())));
  for (size_t k = 0; k < usados; ++k) pintarPonto(pintor, escala[k].ponto, imagens);
  for (size_t k = 0; k < usados; ++k) {
    pintarRotulo(pintor, escala[k].dedo);
    pintarRotulo(pintor, escala[k].nota);
    pintarRotulo(pintor, escala[k].intervalo);
  }
  for (const auto& c : cordas) pintarPonto(pintor, c.maoPonto, imagens);
  for (const auto& c : cordas) pintarRotulo(pintor, c.maoRotulo);
  QFont fonte = fonteRotulos();
  fonte.setPixelSize(18);
  pintor.setFont(fonte);
  for (const auto& c : cordas) pintarAbafada(pintor, c.abafada);
  pintor.restore();
}

QFont PintorBraco::fonteQueCabe(const QFont& fonte, const QString& texto) {
  const double largura = QFontMetricsF(fonte).horizontalAdvance(texto);
  if (largura <= LARGURA_ROTULO) return fonte;
  QFont menor(fonte);
  menor.setPixelSize(
      std::max(TAMANHO_MINIMO, static_cast<int>(fonte.pixelSize() * LARGURA_ROTULO / largura)));
  return menor;
}

QImage PintorBraco::imagem(const Braco& braco, const ImagensBraco& imagens) {
  QImage imagem(G::LARGURA, G::ALTURA, QImage::Format_RGB32);
  imagem.fill(kMadeira);
  QPainter pintor(&imagem);
  pintar(pintor, braco, imagens);
  return imagem;
}

QByteArray PintorBraco::svg(const Braco& braco, const ImagensBraco& imagens) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QSvgGenerator gerador;
    gerador.setOutputDevice(&buffer);
    gerador.setSize(QSize(G::LARGURA, G::ALTURA));
    gerador.setViewBox(QRect(0, 0, G::LARGURA, G::ALTURA));
    gerador.setResolution(96);  // a pixel of the picture is a CSS pixel
    // Pictures painted through a circle do not survive in SVG: the dots are drawn flat.
    ImagensBraco semPontos = imagens;
    semPontos.ponto = semPontos.pontoTonica = QPixmap();
    QPainter pintor(&gerador);
    pintar(pintor, braco, semPontos);
  }
  return buffer.data();
}

}  // namespace tessara
