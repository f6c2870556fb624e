#include "AbridorAjuda.h"

#include <QDesktopServices>
#include <system_error>

#include "app/Fachada.h"

namespace tessara {

AbridorAjuda::AbridorAjuda(Fachada& fachada, Navegador navegador)
    : fachada_(fachada),
      navegador_(navegador ? std::move(navegador) : Navegador([](const QUrl& url) {
        return QDesktopServices::openUrl(url);
      })) {}

void AbridorAjuda::avisar(const char* chave) {
  fachada_.mostrarMensagem(fachada_.getTexto("geral", chave),
                           fachada_.getTexto("geral", "nomeAplicacao"));
}

bool AbridorAjuda::abrirPagina(const std::filesystem::path& pagina, const QString& ancora) {
  std::error_code erro;
  if (!std::filesystem::is_regular_file(pagina, erro)) {
    avisar("erroEncontrarAjuda");
    return false;
  }
  QUrl endereco = QUrl::fromLocalFile(QString::fromStdString(pagina.string()));
  if (!ancora.isEmpty()) endereco.setFragment(ancora);
  return abrirEndereco(endereco);
}

bool AbridorAjuda::abrirEndereco(const QUrl& endereco) {
  if (navegador_(endereco)) return true;
  avisar("erroAbrirNavegador");
  return false;
}

}  // namespace tessara
