#include "sound/SaidaMIDI.h"

#include <cstdlib>

#include "foundations/FatalException.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Textos.h"
#include "sound/PortaFluidSynth.h"
#include "sound/PortaRtMidi.h"

namespace tessara {

namespace {

constexpr const char* kClasse = "SaidaMIDI";

bool ehByteDeDado(int valor) { return valor >= 0 && valor <= 0x7F; }

bool ehCanal(int canal) { return canal >= 0 && canal < SaidaMIDI::NUMERO_CANAIS; }

}  // namespace

SaidaMIDI::SaidaMIDI(const FabricaPortas& fabricaPortas, Relogio& relogio, const Textos& textos)
    : relogio_(relogio), textos_(textos) {
  try {
    portas_ = fabricaPortas(relogio_);
    const int n = numeroDispositivos();
    for (int indice = -1; indice < n && !portaAberta(); ++indice) abrir(indice);
  } catch (...) {
    // The ports built so far close as portas_ goes.
    throw FatalException(texto("componentesMIDI"), kClasse, "SaidaMIDI()");
  }
  instrumentosCanal_.assign(NUMERO_CANAIS, 0);
  volumesCanal_.assign(NUMERO_CANAIS, 127);
  for (int canal = 0; canal < NUMERO_CANAIS; ++canal) {
    setInstrumento(canal, 0);
    setVolumeCanal(canal, 127);
  }
}

SaidaMIDI::~SaidaMIDI() { fechar(); }

std::vector<std::unique_ptr<MidiPort>> SaidaMIDI::portasDoSistema(Relogio& relogio) {
  const char* wav = std::getenv("TESSARA_MIDI_WAV");
  std::vector<std::unique_ptr<MidiPort>> portas;
  portas.push_back(std::make_unique<PortaFluidSynth>(
      relogio, PortaFluidSynth::procurarSoundFont(),
      wav != nullptr ? std::filesystem::path(wav) : std::filesystem::path()));
  portas.push_back(std::make_unique<PortaRtMidi>());
  return portas;
}

int SaidaMIDI::numeroDispositivos() const {
  size_t n = 0;
  for (const auto& porta : portas_) n += porta->listarDispositivos().size();
  return static_cast<int>(n);
}

std::vector<std::string> SaidaMIDI::listarDispositivos() const {
  std::vector<std::string> nomes;
  for (const auto& porta : portas_) {
    auto daPorta = porta->listarDispositivos();
    nomes.insert(nomes.end(), daPorta.begin(), daPorta.end());
  }
  return nomes;
}

void SaidaMIDI::selecionarDispositivo(int indice) {
  if (indice < -1 || indice >= numeroDispositivos()) {
    throw OutOfBoundsException(texto("indiceInvalido") + std::to_string(indice) + "'", indice,
                               kClasse, "selecionarDispositivo(int)");
  }
  fechar();
  abrir(indice);
}

// Finds the port that owns device `indice` and opens it there.
void SaidaMIDI::abrir(int indice) {
  dispositivo_ = indice;
  if (portas_.empty()) return;
  if (indice < 0) {
    porta_ = portas_.front().get();
    porta_->abrir(-1);
    return;
  }
  int local = indice;
  for (const auto& porta : portas_) {
    const int n = static_cast<int>(porta->listarDispositivos().size());
    if (local < n) {
      porta_ = porta.get();
      porta_->abrir(local);
      return;
    }
    local -= n;
  }
}

std::string SaidaMIDI::encerrar() {
  MidiPort* porta = porta_;
  fechar();
  return porta != nullptr ? porta->erroArquivo() : std::string();
}

void SaidaMIDI::fechar() {
  if (portaAberta()) porta_->fechar();
  porta_ = nullptr;
}

std::string SaidaMIDI::texto(std::string_view chave) const {
  return textos_.getTexto("exception", chave);
}

void SaidaMIDI::verificarCanal(int canal, const char* metodo) const {
  if (ehCanal(canal)) return;
  throw OutOfBoundsException(texto("canalInvalido") + std::to_string(canal) + "'!", canal, kClasse,
                             metodo);
}

void SaidaMIDI::setInstrumento(int canal, int programa) {
  if (programa == 128) return;
  verificarCanal(canal, "setInstrumento(int, int)");
  instrumentosCanal_[static_cast<size_t>(canal)] = programa;
  enviarMensagem(0xB0 + canal, 0, 0);  // bank select 0 first: General MIDI programs
  enviarMensagem(0xC0 + canal, programa, 0);
}

void SaidaMIDI::setVolumeCanal(int canal, int volume) {
  if (volume >= 128) return;
  verificarCanal(canal, "setVolumeCanal(int , int)");
  volumesCanal_[static_cast<size_t>(canal)] = volume;
  const int valor = volume == -1 ? 0 : volume * volumeGeral_ / 100;
  enviarMensagem(0xB0 + canal, 7, valor);
}

// A channel past 15 would turn the status byte into another kind of message: dropped.
void SaidaMIDI::ligarNota(int canal, int velocidade, int nota) {
  if (ehCanal(canal)) enviarMensagem(0x90 + canal, nota, velocidade);
}

void SaidaMIDI::desligarNota(int canal, int nota) {
  if (ehCanal(canal)) enviarMensagem(0x90 + canal, nota, 0);
}

void SaidaMIDI::reiniciar() {
  if (portaAberta()) porta_->reiniciar();
}

void SaidaMIDI::enviarMensagem(int status, int dado1, int dado2) {
  if (status < 0x80 || status > 0xFF || !ehByteDeDado(dado1) || !ehByteDeDado(dado2)) return;
  if (!portaAberta()) return;
  porta_->enviar(static_cast<uint8_t>(status), static_cast<uint8_t>(dado1),
                 static_cast<uint8_t>(dado2));
}

}  // namespace tessara
