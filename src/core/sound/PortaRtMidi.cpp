#include "sound/PortaRtMidi.h"

#include <alsa/asoundlib.h>
#include <rtmidi/RtMidi.h>

#include "foundations/Cp1252.h"
#include "sound/SilencioAlsa.h"

namespace tessara {

namespace {

// A port that vanishes or refuses to open just stays closed.
void ignorarErro(RtMidiError::Type, const std::string&, void*) {}

// Asked first, because the library prints its complaint before raising it.
bool existeSequenciador() {
  snd_seq_t* sequenciador = nullptr;
  if (snd_seq_open(&sequenciador, "default", SND_SEQ_OPEN_OUTPUT, 0) < 0) return false;
  snd_seq_close(sequenciador);
  return true;
}

}  // namespace

PortaRtMidi::PortaRtMidi() {
  alsa::silenciarErros();
  if (!existeSequenciador()) return;
  try {
    saida_ = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, "Tessara");
    saida_->setErrorCallback(&ignorarErro, nullptr);
  } catch (const RtMidiError&) {
    saida_.reset();
  }
}

PortaRtMidi::~PortaRtMidi() { fechar(); }

std::vector<std::string> PortaRtMidi::listarDispositivos() {
  std::vector<std::string> nomes;
  if (!saida_) return nomes;
  const unsigned n = saida_->getPortCount();
  for (unsigned i = 0; i < n; ++i) nomes.push_back(cp1252::deUtf8(saida_->getPortName(i)));
  return nomes;
}

void PortaRtMidi::abrir(int dispositivo) {
  fechar();
  if (!saida_) return;
  saida_->openPort(dispositivo < 0 ? 0U : static_cast<unsigned>(dispositivo), "Tessara");
}

bool PortaRtMidi::aberta() const { return saida_ && saida_->isPortOpen(); }

void PortaRtMidi::enviar(uint8_t status, uint8_t dado1, uint8_t dado2) {
  if (!aberta()) return;
  const unsigned char mensagem[] = {status, dado1, dado2};
  saida_->sendMessage(mensagem, sizeof mensagem);
}

void PortaRtMidi::reiniciar() {
  for (uint8_t canal = 0; canal < 16; ++canal) {
    enviar(static_cast<uint8_t>(0xB0 | canal), 64, 0);
    enviar(static_cast<uint8_t>(0xB0 | canal), 123, 0);
  }
}

void PortaRtMidi::fechar() {
  if (!aberta()) return;
  reiniciar();
  saida_->closePort();
}

}  // namespace tessara
