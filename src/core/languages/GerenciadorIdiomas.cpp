#include "languages/GerenciadorIdiomas.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <utility>

#include "foundations/Caminhos.h"
#include "foundations/Cp1252.h"
#include "foundations/LeitorIni.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

// Section "exception" of the English language file, built in.
constexpr std::pair<std::string_view, std::string_view> kExcecoesIngles[] = {
    {"baseAcordesNaoEncontrada", "The chord base file could not be found:"},
    {"raizAcorde", "invalid root note "},
    {"indiceInvalido", "Invalid index '"},
    {"instrumentoExistente",
     "An instrument with this name already exists. Please choose another name."},
    {"baseInstrumentosNaoEncontrada",
     "Tessara could not find its instrument base file. Please reinstall the program. File: '"},
    {"erroGravarBaseInstrumentos",
     "Tessara could not save the instrument base file, so your change was not stored. File: '"},
    {"baseInstrumentosIlegivel",
     "Tessara could not read the instrument base file, so only the program's own instruments are "
     "available. File: '"},
    {"baseInstrumentosCopiada",
     "The file was kept aside, and your next change starts a new instrument base. Copy: '"},
    {"baseInstrumentosIntocavel",
     "Instruments cannot be added, changed or removed until the file is fixed."},
    {"pastaUsuarioSemEscrita",
     "Tessara cannot write to its settings folder, so your settings and instruments cannot be "
     "saved; the program's own instruments are used. Reason:"},
    {"erroGravarConfiguracao", "Tessara could not save your settings. Reason:"},
    {"parseError", "The file holds an invalid value (element "},
    {"componentesMIDI",
     "Tessara could not load its MIDI components, so it cannot play chords and scales.#Please "
     "reinstall the program. If the problem persists, please contact us at "
     "support@tessara.app.##Error information:#\" MIDI components"},
    {"canalInvalido", "Invalid MIDI channel '"},
    {"baseEscalasNaoEncontrada",
     "Tessara could not find its scale base file. Please reinstall the program. File: '"},
    {"escalaImpossivel",
     "This scale cannot be laid out on the current instrument in this key. Try another key, or "
     "an instrument with more frets."},
};

constexpr std::string_view EXTENSAO_IDIOMA = ".idm";

}  // namespace

GerenciadorIdiomas::GerenciadorIdiomas(std::filesystem::path diretorio, Interacao& interacao)
    : diretorio_(std::move(diretorio)), interacao_(interacao) {
  procurarIdiomas();
}

// The data folders the program looks in, when this is one of them; else this one alone.
std::string GerenciadorIdiomas::lugaresProcurados() const {
  auto pastas = Caminhos::pastasDados();
  if (std::find(pastas.begin(), pastas.end(), diretorio_) == pastas.end()) pastas = {diretorio_};
  std::string lugares;
  for (const auto& pasta : pastas) lugares += (lugares.empty() ? "" : ", ") + pasta.string();
  return cp1252::deUtf8(lugares);
}

void GerenciadorIdiomas::procurarIdiomas() {
  // A folder that cannot be listed has no languages.
  std::vector<std::string> arquivos;
  std::error_code erro;
  for (std::filesystem::directory_iterator it(diretorio_, erro), fim; !erro && it != fim;
       it.increment(erro)) {
    std::string nome = it->path().filename().string();
    std::error_code erroTipo;
    if (nome.ends_with(EXTENSAO_IDIOMA) && it->is_regular_file(erroTipo)) {
      arquivos.push_back(std::move(nome));
    }
  }
  std::sort(arquivos.begin(), arquivos.end());

  for (const auto& arquivo : arquivos) {
    const auto ini = LeitorIni::deArquivo(diretorio_ / arquivo);
    const std::string nome = ini.ler("EspecificacaoIdioma", "nomeIdioma", "");
    if (nome.empty() || ini.ler("EspecificacaoIdioma", "codAplicacao", "") != CODIGO_APLICACAO) {
      continue;
    }
    nomesIdiomas_.push_back(nome);
    arquivosIdiomas_.push_back(arquivo.substr(0, arquivo.size() - EXTENSAO_IDIOMA.size()));
  }

  if (nomesIdiomas_.empty()) {
    interacao_.mostrarMensagem(
        "No language files were found. Please, reinstall your software.\nLooked in: " +
            lugaresProcurados(),
        Idioma::TITULO_MENSAGENS);
    interacao_.pedirEncerramento();
  }
}

Idioma* GerenciadorIdiomas::selecionarIdioma(std::string_view nome) {
  const auto achado =
      std::find_if(nomesIdiomas_.begin(), nomesIdiomas_.end(),
                   [&](const std::string& n) { return texto::iguaisSemCaixa(n, nome); });
  if (achado != nomesIdiomas_.end()) {
    return carregarIdioma(static_cast<int>(achado - nomesIdiomas_.begin()));
  }

  interacao_.mostrarMensagem(
      "The language you have selected was not found. Please, select another one.",
      Idioma::TITULO_MENSAGENS);
  if (escolherIdioma()) return idioma_.get();
  if (!interacao_.encerramentoPedido()) {
    interacao_.mostrarMensagem(
        "The application could not be initialized because no language was selected.",
        Idioma::TITULO_MENSAGENS);
  }
  interacao_.pedirEncerramento();
  return nullptr;
}

bool GerenciadorIdiomas::escolherIdioma() {
  const auto escolha = interacao_.escolherIdioma(nomesIdiomas_, indiceAtual_);
  return escolha && carregarIdioma(*escolha) != nullptr;
}

Idioma* GerenciadorIdiomas::carregarIdioma(int indice) {
  if (indice < 0 || indice >= static_cast<int>(arquivosIdiomas_.size())) return nullptr;
  if (indice == indiceAtual_ && idioma_) return idioma_.get();
  const std::string& arquivo = arquivosIdiomas_[static_cast<size_t>(indice)];
  idioma_ = std::make_unique<Idioma>(diretorio_, arquivo + std::string(EXTENSAO_IDIOMA),
                                     arquivo + ".dat", interacao_);
  indiceAtual_ = indice;
  return idioma_.get();
}

int GerenciadorIdiomas::indiceDoCodigo(std::string_view codigo) const {
  for (size_t i = 0; i < arquivosIdiomas_.size(); ++i) {
    const std::string_view arquivo = arquivosIdiomas_[i];
    // A file name shorter than the code cannot be its file (nor be read past its end).
    if (codigo.empty() || arquivo.size() < codigo.size()) continue;
    const std::string_view prefixo = arquivo.substr(0, codigo.size());
    const bool fimOuRegiao = arquivo.size() == codigo.size() || arquivo[codigo.size()] == '-';
    if (texto::iguaisSemCaixa(prefixo, codigo) && fimOuRegiao) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::string GerenciadorIdiomas::getTexto(std::string_view secao, std::string_view chave) const {
  std::string texto = idioma_ ? idioma_->getTexto(secao, chave) : std::string();
  if (!texto.empty() || secao != "exception") return texto;
  // A language file without the message: the English one, never a blank.
  for (const auto& [k, ingles] : kExcecoesIngles) {
    if (k == chave) return std::string(ingles);
  }
  return texto;
}

std::optional<Imagem> GerenciadorIdiomas::getImagem(std::string_view secao,
                                                    std::string_view chave) {
  return idioma_ ? idioma_->getImagem(secao, chave) : std::nullopt;
}

std::string GerenciadorIdiomas::getNomeIdiomaAtual() const {
  return idioma_ ? idioma_->getNome() : std::string();
}

}  // namespace tessara
