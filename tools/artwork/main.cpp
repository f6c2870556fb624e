// tessara-artwork: draws the pictures named by a source language file, packs them into the
// language's picture pack and writes the language file with their places in the pack.
//
//   tessara-artwork [--png DIR] IN.idm OUT.idm OUT.dat
//
// Runs at build time; the same input always gives the same bytes. --png also writes every
// picture as DIR/<name>.png.
//
//   tessara-artwork --contact-sheet OUT.png IN.idm [SCALE]
//
// Draws instead one sheet of all the fretboard backgrounds IN.idm names, each labelled with
// its key and carrying chords of the dots where the program puts them; SCALE (0.5 unless
// given) is the size of a background on the sheet. docs/fretboards.png is made with it.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "CatalogoArte.h"
#include "CodificadorJpeg.h"
#include "EmpacotadorImagens.h"
#include "FolhaContato.h"
#include "ReferenciasImagem.h"

namespace {

using namespace tessara::arte;

struct Argumentos {
  QString folhaContato;  // the sheet to write, instead of the language files
  qreal escalaFolha = 0.5;
  QString entrada;
  QString saidaIdm;
  QString saidaDat;
  QString pastaPng;
};

std::optional<Argumentos> lerArgumentos(QStringList lista) {
  Argumentos a;
  lista.removeFirst();
  if (!lista.isEmpty() && lista.front() == QLatin1String("--contact-sheet")) {
    if (lista.size() != 3 && lista.size() != 4) return std::nullopt;
    a.folhaContato = lista.at(1);
    a.entrada = lista.at(2);
    if (lista.size() == 4) {
      bool ok = false;
      a.escalaFolha = lista.at(3).toDouble(&ok);
      if (!ok || a.escalaFolha <= 0.0 || a.escalaFolha > 4.0) return std::nullopt;
    }
    return a;
  }
  if (lista.size() >= 2 && lista.front() == QLatin1String("--png")) {
    a.pastaPng = lista.at(1);
    lista.remove(0, 2);
  }
  if (lista.size() != 3) return std::nullopt;
  a.entrada = lista.at(0);
  a.saidaIdm = lista.at(1);
  a.saidaDat = lista.at(2);
  return a;
}

std::string lerBytes(const QString& caminho) {
  QFile arquivo(caminho);
  if (!arquivo.open(QIODevice::ReadOnly)) {
    throw std::runtime_error(caminho.toStdString() + ": " + arquivo.errorString().toStdString());
  }
  const QByteArray bytes = arquivo.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Temporary file in the same folder, renamed over the target when complete: an interrupted
// build never leaves half a language file behind.
void gravarAtomico(const QString& caminho, const std::string& bytes) {
  QSaveFile arquivo(caminho);
  const auto tamanho = static_cast<qint64>(bytes.size());
  if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes.data(), tamanho) != tamanho ||
      !arquivo.commit()) {
    throw std::runtime_error(caminho.toStdString() + ": " + arquivo.errorString().toStdString());
  }
}

void gravarPngs(const QString& pasta, const EmpacotadorImagens& empacotador) {
  QDir().mkpath(pasta);
  for (const auto& [nome, imagem] : empacotador.imagens()) {
    const QString caminho = QDir(pasta).filePath(QString::fromStdString(nome) + ".png");
    if (!imagem.save(caminho, "PNG")) {
      throw std::runtime_error(caminho.toStdString() + ": cannot write");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Only fonts and raster painting are needed; no display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacao(argc, argv);

  const auto argumentos = lerArgumentos(QGuiApplication::arguments());
  if (!argumentos) {
    std::cerr << "usage: tessara-artwork [--png DIR] IN.idm OUT.idm OUT.dat\n"
                 "       tessara-artwork --contact-sheet OUT.png IN.idm [SCALE]\n";
    return 2;
  }
  try {
    const CatalogoArte catalogo;
    if (!argumentos->folhaContato.isEmpty()) {
      const QImage folha =
          FolhaContato(catalogo).desenhar(lerBytes(argumentos->entrada), argumentos->escalaFolha);
      if (!folha.save(argumentos->folhaContato, "PNG")) {
        throw std::runtime_error(argumentos->folhaContato.toStdString() + ": cannot write");
      }
      return 0;
    }
    const CodificadorJpeg codificador(90);
    EmpacotadorImagens empacotador(catalogo, codificador);
    const std::string idm = ReferenciasImagem::resolver(
        lerBytes(argumentos->entrada),
        [&](const std::string& nome) { return empacotador.localizar(nome); });
    // The pack first: a language file never points into a pack that is not there yet.
    gravarAtomico(argumentos->saidaDat, empacotador.pacote());
    gravarAtomico(argumentos->saidaIdm, idm);
    if (!argumentos->pastaPng.isEmpty()) gravarPngs(argumentos->pastaPng, empacotador);
  } catch (const std::invalid_argument& e) {
    std::cerr << "tessara-artwork: " << argumentos->entrada.toStdString() << ": " << e.what()
              << '\n';
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "tessara-artwork: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
