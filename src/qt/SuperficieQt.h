#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <string>

#include "printing/Superficie.h"

namespace tessara {

// The print layout's primitives drawn with a QPainter: round-capped black pens, white-filled
// circles, fonts sized in device pixels. The typefaces the layout names are found through
// fontconfig, which stands the metric-compatible Liberation fonts in for them.
class SuperficieQt : public virtual Superficie {
 public:
  void setLarguraCaneta(int largura) override;
  void linha(int x1, int y1, int x2, int y2) override;
  void elipse(int esquerda, int topo, int direita, int base) override;
  void retangulo(int esquerda, int topo, int direita, int base) override;
  void disco(int esquerda, int topo, int direita, int base) override;
  void barra(int esquerda, int topo, int direita, int base) override;
  void setFonte(const std::string& face, int altura) override;
  int larguraTexto(const std::string& texto) const override;
  int alturaTexto(const std::string& texto) const override;
  void escreverTexto(int x, int y, const std::string& texto) override;
  void setTextoClaro(bool claro) override { textoClaro_ = claro; }

  // The family that the face resolves to on this machine (for example "Liberation Sans").
  static QString familiaResolvida(const std::string& face);

 protected:
  SuperficieQt() = default;
  ~SuperficieQt() override = default;

  // Starts painting on the device with the pen and font set so far (a new page).
  bool comecar(QPaintDevice& dispositivo);
  // Device pixels per unit from now on, for a drawing laid out at another size.
  void escalar(double fator);
  void terminarPintura();

 private:
  void aplicarCaneta();

  QPainter pintor_;
  QFont fonte_;
  int larguraCaneta_ = 1;
  bool textoClaro_ = false;
};

}  // namespace tessara
