#include "ContextoCli.h"

#include <algorithm>

#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/FatalException.h"
#include "foundations/Texto.h"

namespace tessara {

ContextoCli::ContextoCli(Opcoes opcoes, std::ostream& saida, std::ostream& erros)
    : opcoes_(std::move(opcoes)), saida_(saida), erros_(erros) {}

ContextoCli::~ContextoCli() = default;

Nucleo& ContextoCli::nucleo() {
  if (!nucleo_) {
    Nucleo::Entradas entradas = Nucleo::Entradas::doSistema();
    entradas.arquivoWav = wav_;
    nucleo_ = std::make_unique<Nucleo>(std::move(entradas));
    nucleo_->definirInteracao(&interacao_);
    if (!validarOpcoes()) throw OpcaoRecusada{statusErro_};
  }
  return *nucleo_;
}

Fachada& ContextoCli::fachada() { return nucleo().fachada(); }

bool ContextoCli::validarOpcoes() {
  if (!opcoes_.instrumento.empty()) return prepararInstrumento();
  return opcoes_.idioma.empty() || prepararIdioma();
}

bool ContextoCli::prepararIdioma() {
  Fachada& fachada = this->fachada();
  fachada.getNomesIdiomas();
  if (encerramentoPedido()) return false;  // no language files at all: the user has been told
  return fachada.idiomaCarregado() || carregarIdioma();
}

bool ContextoCli::carregarIdioma() {
  Fachada& fachada = this->fachada();
  if (opcoes_.idioma.empty()) {
    std::string aviso;
    const bool carregado = fachada.selecionarIdiomaConfiguradoOuDoLocale(aviso);
    if (!aviso.empty()) erros_ << "tessara-cli: warning: " << cp1252::paraUtf8(aviso) << '\n';
    return carregado;
  }
  if (fachada.carregarIdiomaDoCodigo(opcoes_.idioma)) return true;
  std::string codigos;
  for (const auto& c : fachada.getCodigosIdiomas()) {
    codigos += (codigos.empty() ? "" : ", ") + cp1252::paraUtf8(c);
  }
  erros_ << "tessara-cli: --lang: no language file for '" << opcoes_.idioma
         << "'; accepted values: " << codigos << '\n';
  statusErro_ = 2;
  return false;
}

bool ContextoCli::prepararInstrumento() {
  if (!prepararIdioma()) return false;  // the instruments take their texts from the language
  if (!instrumentoSelecionado_) {
    if (!selecionarInstrumento()) return false;
    fachada().setCapo(opcoes_.capo);
    fachada().setDisposicao(Disposicao::RAIZ);
  }
  instrumentoSelecionado_ = true;
  return true;
}

bool ContextoCli::selecionarInstrumento() {
  Fachada& fachada = this->fachada();
  try {
    // The built-in guitar needs no base file.
    if (opcoes_.instrumento.empty()) {
      fachada.setInstrumento(0);
      return true;
    }
    const auto nomes = fachada.getNomesInstrumentos();
    avisarBaseInstrumentos();
    const int indice = indiceInstrumento(nomes);
    if (indice < 0) {
      erros_ << "tessara-cli: --instrument: no instrument named '" << opcoes_.instrumento
             << "'; give a name or a number that 'tessara-cli instruments' lists:\n";
      for (const auto& n : nomes) erros_ << "  " << cp1252::paraUtf8(n) << '\n';
      statusErro_ = 2;
      return false;
    }
    fachada.setInstrumento(indice);
    return true;
  } catch (const DException& e) {
    erros_ << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return false;
  }
}

void ContextoCli::avisarBaseInstrumentos() {
  const std::string aviso = fachada().getAvisoInstrumentos();
  if (aviso.empty() || avisoBaseDado_) return;
  avisoBaseDado_ = true;
  erros_ << "tessara-cli: warning: " << cp1252::paraUtf8(aviso) << '\n';
}

int ContextoCli::indiceInstrumento(const std::vector<std::string>& nomes) const {
  const std::string nome = cp1252::deUtf8(opcoes_.instrumento);
  auto achado = std::find(nomes.begin(), nomes.end(), nome);
  if (achado == nomes.end()) {
    achado = std::find_if(nomes.begin(), nomes.end(),
                          [&](const std::string& n) { return texto::iguaisSemCaixa(n, nome); });
  }
  if (achado != nomes.end()) return static_cast<int>(achado - nomes.begin());
  // A name wins over a number: an instrument may well be called "12".
  const auto numero = texto::inteiro(opcoes_.instrumento);
  const bool cabe = numero && *numero >= 0 && *numero < static_cast<int>(nomes.size());
  return cabe ? *numero : -1;
}

bool ContextoCli::prepararAcordes() {
  if (!prepararInstrumento()) return false;
  fachada().getNomesAcordes();
  // A missing chord base has been reported by the chord manager, which asked to end.
  return !encerramentoPedido();
}

bool ContextoCli::selecionarAcorde(const std::string& nome) {
  if (!fachada().setAcordePorNome(cp1252::deUtf8(nome))) {
    erros_ << "error: '" << nome << "' is not a chord name the language reads\n";
    return false;
  }
  if (fachada().acordeTemPosicao()) return true;
  avisarSemPosicao(nome);
  return false;
}

void ContextoCli::avisarSemPosicao(const std::string& nome) {
  Fachada& fachada = this->fachada();
  const InstrumentoCordas* instrumento = fachada.getInstrumentoAtual();
  const int capo = fachada.getCapo();
  if (instrumento != nullptr && capo > instrumento->getNumeroCasas()) {
    erros_ << "error: '" << nome << "' has no fingering: the capo at fret " << capo
           << " is past the instrument's last fret (" << instrumento->getNumeroCasas() << ")\n";
    return;
  }
  erros_ << "error: '" << nome << "' has no fingering on this instrument";
  if (fachada.getDisposicao() != Disposicao::RAIZ) {
    erros_ << " in the " << fachada.getDisposicao().nome() << " voicing";
  }
  erros_ << '\n';
}

bool ContextoCli::prepararSaida() {
  if (!wav_.empty() && !Fachada::sintetizadorDisponivel()) {
    erros_ << "tessara-cli: no General MIDI SoundFont found; install fluid-soundfont-gm or set "
              "TESSARA_SOUNDFONT\n";
    return false;
  }
  try {
    const bool aberta = fachada().saidaAberta();
    if (wav_.empty() || aberta) return true;
    const std::string motivo = fachada().encerrarSaida();
    erros_ << "tessara-cli: cannot render into '" << wav_.string() << "'"
           << (motivo.empty() ? "" : " (" + motivo + ")") << '\n';
  } catch (const FatalException& e) {
    const std::string mensagem = e.getMensagem();
    erros_ << "tessara-cli: "
           << (mensagem.empty() ? "the MIDI output could not start" : cp1252::paraUtf8(mensagem))
           << '\n';
  }
  return false;
}

}  // namespace tessara
