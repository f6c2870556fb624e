#include "ComandoPrint.h"

#include <map>
#include <set>

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "chords/Especialista.h"
#include "generation/Fingering.h"
#include "chords/FolhaCifra.h"
#include "generation/GerenciadorAcordes.h"
#include "languages/GerenciadorIdiomas.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "LeitorCasas.h"
#include "foundations/Texto.h"
#include "printing/TrabalhoImpressao.h"
#ifdef TESSARA_IMPRESSAO_QT
#include "ImpressaoCli.h"
#include "app/Nucleo.h"
#endif

namespace tessara {

namespace {

const std::map<std::string, int> ROTULOS = {{"fingers", TrabalhoImpressao::DEDOS},
                                            {"notes", TrabalhoImpressao::NOTAS},
                                            {"intervals", TrabalhoImpressao::INTERVALOS}};
const std::map<std::string, int> CONTEUDOS = {
    {"text+diagrams", TrabalhoImpressao::TEXTO_E_DIAGRAMAS},
    {"diagrams", TrabalhoImpressao::DIAGRAMAS},
    {"text", TrabalhoImpressao::TEXTO}};

std::optional<int> procurar(const std::map<std::string, int>& tabela, const std::string& chave) {
  const auto achado = tabela.find(chave);
  if (achado == tabela.end()) return std::nullopt;
  return achado->second;
}

}  // namespace

bool ComandoPrint::lerOpcao(Pedido& pedido, const std::string& opcao, const std::string& valor) {
  if (opcao == "--pdf") {
    pedido.pdf = valor;
  } else if (opcao == "--png") {
    pedido.png = valor;
  } else if (opcao == "--text") {
    pedido.folha = valor;
  } else if (opcao == "--zoom") {
    const auto zoom = texto::inteiro(valor);
    if (!zoom || (*zoom != 100 && *zoom != 200 && *zoom != 300)) return false;
    pedido.zoom = *zoom;
  } else if (opcao == "--labels") {
    const auto rotulo = procurar(ROTULOS, valor);
    if (!rotulo) return false;
    pedido.rotulo = *rotulo;
  } else if (opcao == "--content") {
    pedido.conteudo = procurar(CONTEUDOS, valor);
    if (!pedido.conteudo) return false;
  } else {
    return false;
  }
  return true;
}

std::optional<ComandoPrint::Pedido> ComandoPrint::lerArgumentos(
    const std::vector<std::string>& argumentos) {
  Pedido pedido;
  bool comZoom = false;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (a.empty() || a.front() != '-') {
      pedido.acordes.push_back(a);
      continue;
    }
    if (i + 1 >= argumentos.size() || !lerOpcao(pedido, a, argumentos[i + 1])) return std::nullopt;
    comZoom = comZoom || a == "--zoom";
    ++i;
  }
  // One output: a PDF, or the preview's pictures at a zoom.
  if (pedido.pdf.empty() == pedido.png.empty() || (comZoom && pedido.png.empty())) {
    return std::nullopt;
  }
  return pedido;
}

std::optional<std::string> ComandoPrint::lerFolha(ContextoCli& contexto,
                                                  const std::string& arquivo) {
  std::error_code erro;
  if (!std::filesystem::is_regular_file(arquivo, erro)) {
    contexto.erros() << "tessara-cli: cannot read the chord sheet " << arquivo << '\n';
    return std::nullopt;
  }
  return cp1252::deUtf8(texto::lerArquivo(arquivo));
}

PosicaoHarmonicaInstrumentoCordas ComandoPrint::posicaoDasCasas(
    const std::vector<int>& casas, const InstrumentoCordas& instrumento) {
  // The cheapest way to finger the frets; none when the hand cannot reach them.
  const Fingering dedilhado(casas, instrumento.getNumeroCasas());
  std::vector<int> dedos = dedilhado.getArranjos().empty() ? std::vector<int>(casas.size(), 0)
                                                           : dedilhado.getArranjos().front();
  std::vector<int> notas;
  int raiz = -1;
  for (size_t corda = 0; corda < casas.size(); ++corda) {
    const bool tocada = casas[corda] >= 0;
    if (!tocada) dedos[corda] = PosicaoHarmonicaInstrumentoCordas::DEDO_ABAFADO;
    notas.push_back(tocada ? instrumento.getNota(static_cast<int>(corda), casas[corda]) : -1);
    if (raiz < 0) raiz = notas.back();
  }
  std::string nome;
  try {
    const auto& especialista = Nucleo::processo().especialista();
    nome = especialista.nomear(especialista.codigoDasNotas(notas, raiz));
  } catch (const DException&) {
    // Every string silent: a diagram without a name.
  }
  return PosicaoHarmonicaInstrumentoCordas(nome, casas, dedos);
}

std::optional<PosicaoHarmonicaInstrumentoCordas> ComandoPrint::posicaoDoNome(
    GerenciadorAcordes& acordes, const std::string& nome, std::string& nomeGuardado) {
  if (!acordes.setAcordePorNome(nome)) return std::nullopt;
  nomeGuardado = acordes.getNomeAcordeAtual();
  PosicaoHarmonicaInstrumentoCordas posicao = *acordes.getPosicaoAcordeAtual();
  acordes.limpar();
  return posicao;
}

std::optional<ComandoPrint::Posicoes> ComandoPrint::montarLista(
    ContextoCli& contexto, const std::vector<std::string>& acordes,
    const InstrumentoCordas& instrumento, bool semRepetir) {
  Posicoes posicoes;
  std::set<std::string> nomes;
  for (const auto& acorde : acordes) {
    if (LeitorCasas::pareceCasas(acorde)) {
      std::string erro;
      const auto casas = LeitorCasas::ler(acorde, instrumento, erro);
      if (!casas) {
        contexto.erros() << "tessara-cli: " << erro << '\n';
        return std::nullopt;
      }
      posicoes.addElement(posicaoDasCasas(*casas, instrumento));
      continue;
    }
    std::string nomeGuardado;
    const auto posicao =
        posicaoDoNome(Nucleo::processo().acordes(), cp1252::deUtf8(acorde), nomeGuardado);
    if (!posicao) {
      contexto.erros() << "tessara-cli: '" << acorde << "' is not a chord name\n";
      return std::nullopt;
    }
    if (!semRepetir || nomes.insert(nomeGuardado).second) posicoes.addElement(*posicao);
  }
  return posicoes;
}

int ComandoPrint::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  auto pedido = lerArgumentos(argumentos);
  if (!pedido) return 2;
  GerenciadorInstrumentos* instrumentos = contexto.instrumentos();
  if (instrumentos == nullptr) return contexto.statusErro();
  const GerenciadorIdiomas& idiomas = *contexto.idiomas();
  const InstrumentoCordas& instrumento = *instrumentos->getInstrumentoAtual();

  std::string folha;
  if (!pedido->folha.empty()) {
    const auto lida = lerFolha(contexto, pedido->folha);
    if (!lida) return 1;
    folha = *lida;
  }
  const int conteudo = pedido->conteudo.value_or(
      pedido->folha.empty() ? TrabalhoImpressao::DIAGRAMAS : TrabalhoImpressao::TEXTO_E_DIAGRAMAS);
  // The sheet's chords make the list when none are given, as its print action does.
  const bool daFolha = pedido->acordes.empty() && conteudo != TrabalhoImpressao::TEXTO;
  if (daFolha) {
    for (const auto& acorde : FolhaCifra::acordes(folha, IdiomaAcordes::de(idiomas))) {
      pedido->acordes.push_back(cp1252::paraUtf8(acorde));
    }
  }
  const auto posicoes = montarLista(contexto, pedido->acordes, instrumento, daFolha);
  if (!posicoes) return 1;

#ifdef TESSARA_IMPRESSAO_QT
  ImpressaoCli impressao(idiomas, *posicoes, instrumento);
  if (!pedido->pdf.empty()) {
    if (!impressao.gravarPdf(pedido->pdf, conteudo, pedido->rotulo, folha, contexto.erros())) {
      return 1;
    }
    contexto.saida() << pedido->pdf << '\n';
    return 0;
  }
  const auto arquivos = impressao.gravarPng(pedido->png, pedido->zoom, conteudo, pedido->rotulo,
                                            folha, contexto.erros());
  if (!arquivos) return 1;
  for (const auto& arquivo : *arquivos) contexto.saida() << arquivo.string() << '\n';
  return 0;
#else
  contexto.erros() << "tessara-cli: this build cannot print: it was made without Qt\n";
  return 1;
#endif
}

}  // namespace tessara
