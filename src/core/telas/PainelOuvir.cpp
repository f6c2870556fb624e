#include "telas/PainelOuvir.h"

#include "app/Fachada.h"
#include "model/Notas.h"

namespace tessara {

namespace {

std::string chaveSituacao(EntradaAudio::Situacao situacao) {
  switch (situacao) {
    case EntradaAudio::Situacao::semDispositivo: return "msgSemDispositivo";
    case EntradaAudio::Situacao::negada: return "msgNegado";
    case EntradaAudio::Situacao::ocupada: return "msgOcupado";
    case EntradaAudio::Situacao::falhou: return "msgFalhou";
    case EntradaAudio::Situacao::parada:
    case EntradaAudio::Situacao::captando: break;
  }
  return {};
}

}  // namespace

PainelOuvir::PainelOuvir(Fachada& fachada) : fachada_(fachada) {}

PainelOuvir::~PainelOuvir() { parar(); }

bool PainelOuvir::iniciar() {
  acorde_.clear();
  candidato_.clear();
  vezesCandidato_ = 0;
  avisoAbertura_ = chaveSituacao(fachada_.iniciarEscuta(fachada_.getDispositivoEntrada()));
  return fachada_.escutando();
}

void PainelOuvir::parar() {
  if (fachada_.escutando()) fachada_.pararEscuta();
}

bool PainelOuvir::ativo() const { return fachada_.escutando(); }

bool PainelOuvir::atualizar() {
  if (!fachada_.escutando()) return false;
  fachada_.processarEscuta();
  const AcordeOuvido ouvido = fachada_.getAcordeOuvido();
  const std::string nome = ouvido.temAcorde ? ouvido.nome : std::string();
  vezesCandidato_ = nome == candidato_ ? vezesCandidato_ + 1 : 1;
  candidato_ = nome;
  if (nome.empty() || nome == acorde_ || vezesCandidato_ < TIQUES_CONFIRMACAO) return false;
  acorde_ = nome;
  return true;
}

std::vector<PainelOuvir::Corda> PainelOuvir::cordas() const {
  std::vector<Corda> cordas;
  const InstrumentoCordas* instrumento = fachada_.getInstrumentoAtual();
  if (instrumento == nullptr) return cordas;
  const LeituraAfinador leitura = fachada_.getLeituraAfinador();
  const auto afinacao = instrumento->getAfinacao();
  const double la = fachada_.getReferenciaLa();
  for (size_t i = 0; i < afinacao.size(); ++i) {
    Corda corda{nomeNotaOitava(afinacao[i]), frequenciaDaNota(afinacao[i], la)};
    if (leitura.temNota && leitura.corda == static_cast<int>(i)) {
      corda.afinando = true;
      corda.cents = leitura.centsCorda;
    }
    cordas.push_back(corda);
  }
  return cordas;
}

std::string PainelOuvir::nota() const {
  const LeituraAfinador leitura = fachada_.getLeituraAfinador();
  return leitura.temNota ? nomeNotaOitava(leitura.notaMidi) : std::string();
}

double PainelOuvir::frequencia() const { return fachada_.getLeituraAfinador().frequencia; }

double PainelOuvir::centsNota() const { return fachada_.getLeituraAfinador().centsNota; }

double PainelOuvir::nivel() const { return fachada_.getNivelEntrada(); }

std::string PainelOuvir::aviso() const {
  if (!fachada_.escutando()) return avisoAbertura_.empty() ? "msgParado" : avisoAbertura_;
  if (const std::string chave = chaveSituacao(fachada_.getSituacaoEscuta()); !chave.empty()) {
    return chave;
  }
  return fachada_.entradaEmSilencio() ? "msgSilencio" : std::string();
}

}  // namespace tessara
