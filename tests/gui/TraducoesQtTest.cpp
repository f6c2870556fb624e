#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>

#include "AplicacaoTeste.h"
#include "PastaTemporaria.h"
#include "TraducoesQt.h"
#include "foundations/NomeIdioma.h"

namespace tessara {
namespace {

QString textoCancelar() {
  QDialogButtonBox botoes(QDialogButtonBox::Cancel);
  return botoes.button(QDialogButtonBox::Cancel)->text();
}

// Standard buttons speak the program's language, and go back to English with it.
TEST(TraducoesQt, BotoesPadraoNoIdiomaDoPrograma) {
  teste::AplicacaoTeste aplicacao;
  const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFileInfo::exists(pasta + "/qtbase_pt_BR.qm")) {
    GTEST_SKIP() << "Qt's Portuguese catalogue is not installed (qt6-translations-l10n)";
  }
  ASSERT_TRUE(TraducoesQt::aplicar(nomeIdiomaPortugues()));
  EXPECT_EQ(textoCancelar().toStdString(), "Cancelar");
  // Choosing it again does not stack a second catalogue that would outlive the first.
  ASSERT_TRUE(TraducoesQt::aplicar(nomeIdiomaPortugues()));
  EXPECT_FALSE(TraducoesQt::aplicar("English"));
  EXPECT_EQ(textoCancelar().toStdString(), "Cancel");
}

// Without the catalogue the program runs on, its standard buttons in English.
TEST(TraducoesQt, SemCatalogoFicaEmIngles) {
  teste::AplicacaoTeste aplicacao;
  teste::PastaTemporaria vazia;
  EXPECT_FALSE(
      TraducoesQt::aplicar(nomeIdiomaPortugues(), QString::fromStdString(vazia.caminho())));
  EXPECT_EQ(textoCancelar().toStdString(), "Cancel");
}

}  // namespace
}  // namespace tessara
