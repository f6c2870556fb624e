#include "SaidaMidiCli.h"

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/FatalException.h"
#include "languages/GerenciadorIdiomas.h"
#include "sound/PortaFluidSynth.h"
#include "sound/RelogioReal.h"

namespace tessara {

namespace {

SaidaMIDI::FabricaPortas sintetizadorEm(const std::filesystem::path& wav) {
  return [wav](Relogio& relogio) {
    std::vector<std::unique_ptr<MidiPort>> portas;
    portas.push_back(
        std::make_unique<PortaFluidSynth>(relogio, PortaFluidSynth::procurarSoundFont(), wav));
    return portas;
  };
}

// The language is loaded only if an error message needs it.
class TextosSobDemanda : public Textos {
 public:
  explicit TextosSobDemanda(ContextoCli& contexto) : contexto_(contexto) {}
  std::string getTexto(std::string_view secao, std::string_view chave) const override {
    const GerenciadorIdiomas* idiomas = contexto_.idiomas();
    return idiomas != nullptr ? idiomas->getTexto(secao, chave) : std::string();
  }
  std::string getNomeIdiomaAtual() const override {
    const GerenciadorIdiomas* idiomas = contexto_.idiomas();
    return idiomas != nullptr ? idiomas->getNomeIdiomaAtual() : std::string();
  }

 private:
  ContextoCli& contexto_;
};

}  // namespace

std::unique_ptr<SaidaMidiCli> SaidaMidiCli::criar(ContextoCli& contexto,
                                                  const std::filesystem::path& wav) {
  std::unique_ptr<SaidaMidiCli> resultado(new SaidaMidiCli());
  try {
    if (resultado->iniciar(contexto, wav)) return resultado;
  } catch (const FatalException& e) {
    const std::string mensagem = e.getMensagem();
    contexto.erros() << "tessara-cli: "
                     << (mensagem.empty() ? "the MIDI output could not start"
                                          : cp1252::paraUtf8(mensagem))
                     << '\n';
  }
  return nullptr;
}

bool SaidaMidiCli::iniciar(ContextoCli& contexto, const std::filesystem::path& wav) {
  textos_ = std::make_unique<TextosSobDemanda>(contexto);
  const Textos& textos = *textos_;
  if (wav.empty()) {
    saida_ =
        std::make_unique<SaidaMIDI>(&SaidaMIDI::portasDoSistema, relogioReal_, textos);
    return true;
  }
  if (PortaFluidSynth::procurarSoundFont().empty()) {
    contexto.erros() << "tessara-cli: no General MIDI SoundFont found; install "
                        "fluid-soundfont-gm or set TESSARA_SOUNDFONT\n";
    return false;
  }
  saida_ = std::make_unique<SaidaMIDI>(sintetizadorEm(wav), relogioArquivo_, textos);
  if (saida_->portaAberta()) return true;
  contexto.erros() << "tessara-cli: cannot render into '" << wav.string() << "'\n";
  return false;
}

}  // namespace tessara
