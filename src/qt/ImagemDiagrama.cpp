#include "qt/ImagemDiagrama.h"

#include <QBuffer>
#include <QSvgGenerator>
#include <cmath>

#include "app/Fachada.h"
#include "qt/SuperficieQt.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

// One drawing on one device, scaled from the diagram's units.
class SuperficieUnica : public SuperficieQt {
 public:
  SuperficieUnica(QPaintDevice& dispositivo, double escala) {
    comecar(dispositivo);
    escalar(escala);
  }
  ~SuperficieUnica() override { terminarPintura(); }
  void novaPagina() override {}
};

InstrumentoCordas instrumentoDe(const Fachada& fachada) {
  const InstrumentoCordas* atual = fachada.getInstrumentoAtual();
  // Without one (no instrument base at all), a guitar's grid.
  return atual != nullptr
             ? *atual
             : InstrumentoCordas("", "", 6, 12, 4, 24, {40, 45, 50, 55, 59, 64}, false);
}

}  // namespace

ImagemDiagrama::ImagemDiagrama(const Fachada& fachada, int alturaGrade, int rotulo)
    : fachada_(fachada), diagrama_(alturaGrade, rotulo, instrumentoDe(fachada)) {}

QSize ImagemDiagrama::tamanho() const {
  return {diagrama_.tamanho().largura, diagrama_.tamanho().altura};
}

QImage ImagemDiagrama::imagem(const PosicaoHarmonicaInstrumentoCordas& posicao,
                              double escala) const {
  const QSize pixels(static_cast<int>(std::ceil(tamanho().width() * escala)),
                     static_cast<int>(std::ceil(tamanho().height() * escala)));
  QImage imagem(pixels, QImage::Format_ARGB32_Premultiplied);
  imagem.fill(Qt::white);
  SuperficieUnica superficie(imagem, escala);
  fachada_.desenharDiagrama(superficie, diagrama_, posicao);
  return imagem;
}

QByteArray ImagemDiagrama::svg(const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  QByteArray documento;
  QBuffer buffer(&documento);
  buffer.open(QIODevice::WriteOnly);
  {
    QSvgGenerator gerador;
    gerador.setOutputDevice(&buffer);
    gerador.setSize(tamanho());
    gerador.setViewBox(QRect(QPoint(0, 0), tamanho()));
    gerador.setTitle(qt(posicao.getNome()));
    SuperficieUnica superficie(gerador, 1);
    fachada_.desenharDiagrama(superficie, diagrama_, posicao);
  }
  return documento;
}

}  // namespace tessara
