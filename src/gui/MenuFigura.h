#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace tessara {

class Fachada;

// A picture the user can take away: the fretboard or a fingering's diagram, made when asked.
struct Figura {
  std::function<QImage()> imagem;
  std::function<QByteArray()> svg;
  QString nome;  // the file name offered, without its extension
};

// Copy the picture, or save it as PNG or SVG: the actions of the fretboard's and the small
// diagrams' menus and of Ctrl+C. Files are replaced whole; a failure is told with its reason.
class MenuFigura : public QObject {
  Q_OBJECT

 public:
  // Asks where a file goes (the dialog's title, the name offered, the filter); empty when the
  // user cancels.
  using EscolhaArquivo =
      std::function<QString(const QString& titulo, const QString& sugerido, const QString& filtro)>;

  MenuFigura(Fachada& fachada, QWidget* janela);

  // Stands in for the file dialog.
  void definirEscolhaArquivo(EscolhaArquivo escolha) { escolha_ = std::move(escolha); }

  // The three actions at the end of `menu`.
  void acrescentar(QMenu& menu, const Figura& figura);
  void copiar(const Figura& figura);
  void salvarPng(const Figura& figura);
  void salvarSvg(const Figura& figura);

 private:
  QString escolher(const Figura& figura, const QString& extensao, const QString& filtro);
  void avisarFalha(const std::string& motivo);
  QString texto(const char* chave) const;

  Fachada& fachada_;
  QWidget* janela_;
  EscolhaArquivo escolha_;
};

}  // namespace tessara
