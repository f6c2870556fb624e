#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "AplicacaoTeste.h"
#include "CoresBraco.h"
#include "NucleoTeste.h"
#include "WidgetBraco.h"
#include "app/Fachada.h"
#include "telas/Braco.h"

namespace tessara::teste {

// The fretboard widget over the root's objects: the offscreen platform, English with its
// pictures and chord base, the guitar, the recording MIDI port open with an empty log, the
// front view with string 0 at the top, an empty fingering on show.
class AmbienteBraco : public ::testing::Test {
 protected:
  AmbienteBraco() {
    for (const char* arquivo : {"en.dat", "chords-en.bin"}) {
      std::filesystem::copy_file(std::filesystem::path(TESSARA_BIN_DIR) / arquivo,
                                 ambiente.programa() / arquivo);
    }
    fachada.setInstrumento(0);
    braco.aplicarPosicaoBraco(0);
    ambiente.nucleo.saida();  // opens its device now, so that the log starts empty
    ambiente.midi.clear();
    widget.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
  }

  QPoint centro(int corda, int casa) const {
    const auto& g = braco.getGeometria();
    return {g.getXCasas()[static_cast<size_t>(casa)], g.getYCordas()[static_cast<size_t>(corda)]};
  }
  // The dot the widget shows now at a string's fret.
  const char* cor(int corda, int casa) {
    const QPoint p = centro(corda, casa);
    return nomeCor(corEm(widget.grab().toImage(), p.x(), p.y()));
  }

 protected:
  teste::AplicacaoTeste aplicacao;
  NucleoTeste ambiente;
  Fachada& fachada = ambiente.nucleo.fachada();
  Braco braco{fachada, 0};
  WidgetBraco widget{fachada, braco};
};

}  // namespace tessara::teste
