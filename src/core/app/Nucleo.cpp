#include "app/Nucleo.h"

#include <utility>

#include "app/Escuta.h"
#include "app/Fachada.h"
#include "app/FachadaGUI.h"
#include "chords/BaseAcordesViolao.h"
#include "chords/Especialista.h"
#include "foundations/Caminhos.h"
#include "foundations/Cp1252.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "foundations/InteracaoTerminal.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "generation/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/XMLInstrumentoParser.h"
#include "languages/GerenciadorIdiomas.h"
#include "model/Disposicao.h"
#include "printing/GerenciadorImpressao.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"
#include "scales/GerenciadorEscalas.h"
#include "sound/PortaFluidSynth.h"
#include "sound/RelogioReal.h"
#include "sound/RelogioVirtual.h"

namespace tessara {

namespace {

// Asks the registered front end at each question; without one, the terminal.
class InteracaoEncaminhada : public Interacao {
 public:
  Interacao* definir(Interacao* interacao) { return std::exchange(registrada_, interacao); }

  bool mostrarMensagem(const std::string& texto, const std::string& titulo,
                       Botoes botoes) override {
    return atual().mostrarMensagem(texto, titulo, botoes);
  }
  int escolherBotao(const std::string& texto, const std::string& titulo,
                    const std::vector<std::string>& botoes) override {
    return atual().escolherBotao(texto, titulo, botoes);
  }
  std::optional<int> escolherIdioma(const std::vector<std::string>& nomes,
                                    int selecionado) override {
    return atual().escolherIdioma(nomes, selecionado);
  }
  void pedirEncerramento() override { atual().pedirEncerramento(); }
  bool encerramentoPedido() const override { return atual().encerramentoPedido(); }

 private:
  Interacao& atual() const { return registrada_ != nullptr ? *registrada_ : terminal_; }

  Interacao* registrada_ = nullptr;
  mutable InteracaoTerminal terminal_;
};

// Asks the registered front end at each question; without one, a side without windows.
class FachadaGUIEncaminhada : public FachadaGUI {
 public:
  explicit FachadaGUIEncaminhada(Interacao& interacao)
      : FachadaGUI(interacao), semJanelas_(FachadaGUI::semJanelas(interacao)) {}

  FachadaGUI* definir(FachadaGUI* gui) { return std::exchange(registrada_, gui); }

  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override {
    return atual().tamanhoPaginaImpressora();
  }
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override {
    return atual().criarImagens(largura, altura);
  }
  void desenharVisualizacao(const Imagem& pagina, int numeroPaginas, int largura,
                            int altura) override {
    atual().desenharVisualizacao(pagina, numeroPaginas, largura, altura);
  }

 private:
  FachadaGUI& atual() const { return registrada_ != nullptr ? *registrada_ : *semJanelas_; }

  FachadaGUI* registrada_ = nullptr;
  std::unique_ptr<FachadaGUI> semJanelas_;
};

// Captures from the registered input; without one, there is no device to open.
class EntradaAudioEncaminhada : public EntradaAudio {
 public:
  EntradaAudio* definir(EntradaAudio* entrada) { return std::exchange(registrada_, entrada); }

  std::vector<std::string> listarDispositivos() override {
    return registrada_ != nullptr ? registrada_->listarDispositivos() : std::vector<std::string>{};
  }
  Situacao abrir(const std::string& dispositivo) override {
    return registrada_ != nullptr ? registrada_->abrir(dispositivo) : Situacao::semDispositivo;
  }
  void fechar() override {
    if (registrada_ != nullptr) registrada_->fechar();
  }
  Situacao situacao() const override {
    return registrada_ != nullptr ? registrada_->situacao() : Situacao::semDispositivo;
  }
  double taxa() const override { return registrada_ != nullptr ? registrada_->taxa() : 0.0; }
  void ler(std::vector<float>& destino) override {
    if (registrada_ != nullptr) registrada_->ler(destino);
  }

 private:
  EntradaAudio* registrada_ = nullptr;
};

// Builds the object on first use.
template <typename T, typename Criar>
T& obter(std::unique_ptr<T>& objeto, Criar&& criar) {
  if (!objeto) objeto = criar();
  return *objeto;
}

}  // namespace

// Declared in the order they may depend on each other, so that they are destroyed in reverse.
struct Nucleo::Objetos {
  InteracaoEncaminhada interacao;
  FachadaGUIEncaminhada gui{interacao};
  EntradaAudioEncaminhada entradaAudio;
  RelogioReal relogioReal;
  RelogioVirtual relogioArquivo;
  std::unique_ptr<GerenciadorConfiguracao> configuracao;
  std::unique_ptr<GerenciadorIdiomas> idiomas;
  std::unique_ptr<Especialista> especialista;
  std::unique_ptr<SaidaMIDI> saida;
  std::unique_ptr<XMLInstrumentoParser> parserInstrumentos;
  std::unique_ptr<GerenciadorInstrumentos> instrumentos;
  std::unique_ptr<GeradorInstrumentoCordas> gerador;
  std::unique_ptr<GerenciadorAcordes> acordes;
  std::unique_ptr<BaseEscalas> baseEscalas;
  std::unique_ptr<GeradorEscalas> geradorEscalas;
  std::unique_ptr<GerenciadorEscalas> escalas;
  std::unique_ptr<GerenciadorImpressao> impressao;
  std::unique_ptr<Escuta> escuta;
  std::unique_ptr<Fachada> fachada;
};

Nucleo::Entradas Nucleo::Entradas::nasPastas(std::filesystem::path programa,
                                             std::filesystem::path usuario) {
  Entradas entradas;
  entradas.diretorioPrograma = std::move(programa);
  entradas.pastaUsuario = std::move(usuario);
  return entradas;
}

Nucleo::Entradas Nucleo::Entradas::doSistema() {
  Entradas entradas = nasPastas(Caminhos::diretorioPrograma(), Caminhos::pastaUsuario());
  entradas.ambiente = Ambiente::doSistema();
  return entradas;
}

Nucleo::Nucleo(Entradas entradas)
    : entradas_(std::move(entradas)), objetos_(std::make_unique<Objetos>()) {
  if (!entradas_.arquivoWav.empty()) {
    entradas_.portas = [wav = entradas_.arquivoWav](Relogio& relogio) {
      std::vector<std::unique_ptr<MidiPort>> portas;
      portas.push_back(
          std::make_unique<PortaFluidSynth>(relogio, PortaFluidSynth::procurarSoundFont(), wav));
      return portas;
    };
  }
  if (!entradas_.portas) entradas_.portas = &SaidaMIDI::portasDoSistema;
}

Nucleo::~Nucleo() = default;

Nucleo& Nucleo::processo() {
  static Nucleo nucleo(Entradas::doSistema());
  return nucleo;
}

Interacao* Nucleo::definirInteracao(Interacao* interacao) {
  return objetos_->interacao.definir(interacao);
}

FachadaGUI* Nucleo::definirFachadaGUI(FachadaGUI* gui) { return objetos_->gui.definir(gui); }

// Listening stops first: the input it was opened on is going away.
EntradaAudio* Nucleo::definirEntradaAudio(EntradaAudio* entrada) {
  if (objetos_->escuta) objetos_->escuta->parar();
  return objetos_->entradaAudio.definir(entrada);
}

Interacao& Nucleo::interacao() { return objetos_->interacao; }

FachadaGUI& Nucleo::gui() { return objetos_->gui; }

Relogio& Nucleo::relogio() {
  if (entradas_.relogio != nullptr) return *entradas_.relogio;
  if (!entradas_.arquivoWav.empty()) return objetos_->relogioArquivo;
  return objetos_->relogioReal;
}

GerenciadorConfiguracao& Nucleo::configuracao() {
  return obter(objetos_->configuracao, [this] {
    return std::make_unique<GerenciadorConfiguracao>(
        entradas_.pastaUsuario / Caminhos::NOME_CONFIGURACAO, entradas_.ambiente.idiomaDoLocale());
  });
}

GerenciadorIdiomas& Nucleo::idiomas() {
  return obter(objetos_->idiomas, [this] {
    return std::make_unique<GerenciadorIdiomas>(entradas_.diretorioPrograma, interacao());
  });
}

Textos& Nucleo::textos() { return idiomas(); }

Especialista& Nucleo::especialista() {
  return obter(objetos_->especialista,
               [this] { return std::make_unique<Especialista>(idiomas()); });
}

SaidaMIDI& Nucleo::saida() {
  return obter(objetos_->saida, [this] {
    return std::make_unique<SaidaMIDI>(entradas_.portas, relogio(), idiomas());
  });
}

XMLInstrumentoParser& Nucleo::parserInstrumentos() {
  return obter(objetos_->parserInstrumentos, [this] {
    return std::make_unique<XMLInstrumentoParser>(idiomas(), entradas_.pastaUsuario,
                                                  entradas_.diretorioPrograma);
  });
}

GerenciadorInstrumentos& Nucleo::instrumentos() {
  return obter(objetos_->instrumentos, [this] {
    auto& parser = parserInstrumentos();
    // The language must be loaded by now: it names the instrument base.
    std::string erro;
    const auto arquivo =
        parser.prepararArquivo(idiomas().getTexto("parametros", "baseInstrumentos"), &erro);
    if (!erro.empty()) {
      // The program runs on with the shipped instruments, which the user cannot change.
      interacao().mostrarMensagem(
          idiomas().getTexto("exception", "pastaUsuarioSemEscrita") + " " + cp1252::deUtf8(erro),
          "Tessara");
    }
    return std::make_unique<GerenciadorInstrumentos>(idiomas(), parser, arquivo, !erro.empty());
  });
}

FonteInstrumento Nucleo::fonteInstrumento() {
  return [this] { return instrumentos().getInstrumentoAtual(); };
}

GeradorInstrumentoCordas& Nucleo::gerador() {
  return obter(objetos_->gerador, [this] {
    return std::make_unique<GeradorInstrumentoCordas>(fonteInstrumento(), especialista());
  });
}

GerenciadorAcordes& Nucleo::acordes() {
  return obter(objetos_->acordes, [this] {
    auto acordes = std::make_unique<GerenciadorAcordes>(
        GerenciadorAcordes::Colaboradores{
            idiomas(), especialista(), gerador(), fonteInstrumento(), interacao(),
            std::make_unique<BaseAcordesViolao>(idiomas(), interacao())},
        entradas_.diretorioPrograma);
    // The voicing and the capo the user left; a voicing name no longer known is the root's.
    acordes->definirDisposicao(
        Disposicao::ler(configuracao().getDisposicao()).value_or(Disposicao::RAIZ));
    acordes->definirCapo(configuracao().getCapo());
    return acordes;
  });
}

BaseEscalas& Nucleo::baseEscalas() {
  return obter(objetos_->baseEscalas, [this] {
    // Language texts are CP1252; file names on this system are UTF-8.
    const auto nome = cp1252::paraUtf8(idiomas().getTexto("escalas", "nome_arquivo"));
    return std::make_unique<BaseEscalas>(idiomas(), entradas_.diretorioPrograma / nome);
  });
}

GeradorEscalas& Nucleo::geradorEscalas() {
  return obter(objetos_->geradorEscalas,
               [this] { return std::make_unique<GeradorEscalas>(idiomas(), fonteInstrumento()); });
}

GerenciadorEscalas& Nucleo::escalas() {
  return obter(objetos_->escalas, [this] {
    return std::make_unique<GerenciadorEscalas>(baseEscalas(), geradorEscalas(), idiomas(),
                                                interacao());
  });
}

GerenciadorImpressao& Nucleo::impressao() {
  return obter(objetos_->impressao, [this] {
    return std::make_unique<GerenciadorImpressao>(idiomas(), especialista(), interacao(), gui(),
                                                  fonteInstrumento());
  });
}

Escuta& Nucleo::escuta() {
  return obter(objetos_->escuta,
               [this] { return std::make_unique<Escuta>(objetos_->entradaAudio); });
}

Fachada& Nucleo::fachada() {
  return obter(objetos_->fachada, [this] { return std::make_unique<Fachada>(*this); });
}

}  // namespace tessara
