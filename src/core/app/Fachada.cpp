#include "app/Fachada.h"

#include <algorithm>

#include "app/Escuta.h"
#include "app/Nucleo.h"
#include "chords/AcordeComposto.h"
#include "chords/EscritorChordPro.h"
#include "chords/EscritorCifra.h"
#include "chords/Especialista.h"
#include "chords/FolhaCifra.h"
#include "chords/IdiomaAcordes.h"
#include "chords/LeitorCancao.h"
#include "foundations/Cp1252.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Texto.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "generation/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/TraducaoInstrumentos.h"
#include "languages/GerenciadorIdiomas.h"
#include "model/Notas.h"
#include "printing/DiagramaAvulso.h"
#include "printing/GerenciadorImpressao.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"
#include "scales/GerenciadorEscalas.h"
#include "sound/PortaFluidSynth.h"
#include "sound/ReprodutorMIDI.h"
#include "sound/SaidaMIDI.h"

namespace tessara {

Fachada& Fachada::instancia() { return Nucleo::processo().fachada(); }

GerenciadorConfiguracao& Fachada::configuracao() const { return nucleo_.configuracao(); }
GerenciadorIdiomas& Fachada::idiomas() const { return nucleo_.idiomas(); }
SaidaMIDI& Fachada::saida() const { return nucleo_.saida(); }
GerenciadorInstrumentos& Fachada::instrumentos() const { return nucleo_.instrumentos(); }
// The chord manager follows the voicing and the capo of the settings when next used, so that
// choosing them loads no chord base.
GerenciadorAcordes& Fachada::acordes() const {
  GerenciadorAcordes& acordes = nucleo_.acordes();
  const int capo = configuracao().getCapo();
  if (acordes.getCapo() != capo) acordes.definirCapo(capo);
  const Disposicao disposicao = getDisposicao();
  if (acordes.getDisposicao() != disposicao) acordes.definirDisposicao(disposicao);
  return acordes;
}
GerenciadorEscalas& Fachada::escalas() const { return nucleo_.escalas(); }
GerenciadorImpressao& Fachada::impressao() const { return nucleo_.impressao(); }
Escuta& Fachada::escuta() const { return nucleo_.escuta(); }

std::string Fachada::getTexto(std::string_view secao, std::string_view chave) const {
  return idiomas().getTexto(secao, chave);
}

std::string Fachada::getNomeIdiomaAtual() const { return idiomas().getNomeIdiomaAtual(); }

void Fachada::mostrarMensagem(const std::string& texto, const std::string& titulo) {
  nucleo_.interacao().mostrarMensagem(texto, titulo);
}

std::filesystem::path Fachada::getCaminhoAjuda() const {
  // Language texts are CP1252; file names on this system are UTF-8.
  return nucleo_.entradas().diretorioPrograma /
         cp1252::paraUtf8(getTexto("parametros", "caminhoAjuda"));
}

std::filesystem::path Fachada::getCaminhoAjudaAcordes() const {
  return nucleo_.entradas().diretorioPrograma /
         cp1252::paraUtf8(getTexto("parametros", "diretorioAjuda")) / "cifrasframe.html";
}

std::optional<Imagem> Fachada::getImagem(std::string_view secao, std::string_view chave) {
  return idiomas().getImagem(secao, chave);
}

std::vector<std::string> Fachada::getNomesIdiomas() const { return idiomas().getNomesIdiomas(); }

std::string Fachada::getIdiomaConfigurado() const { return configuracao().getIdioma(); }

bool Fachada::idiomaCarregado() const { return idiomas().idiomaCarregado(); }

void Fachada::setIdiomaConfigurado(const std::string& nome) { configuracao().setIdioma(nome); }

bool Fachada::selecionarIdiomaConfigurado() {
  const Idioma* idioma = idiomas().selecionarIdioma(getIdiomaConfigurado());
  if (idioma == nullptr) return false;
  // One chosen in the chooser, because the configured one is gone, is the one to start in
  // next time.
  configuracao().setIdioma(idioma->getNome());
  return true;
}

bool Fachada::selecionarIdiomaConfiguradoOuDoLocale(std::string& aviso) {
  const std::string configurado = getIdiomaConfigurado();
  const auto nomes = idiomas().getNomesIdiomas();
  const bool existe = std::any_of(nomes.begin(), nomes.end(), [&](const std::string& n) {
    return texto::iguaisSemCaixa(n, configurado);
  });
  if (existe) return selecionarIdiomaConfigurado();
  const std::string doLocale = nucleo_.entradas().ambiente.idiomaDoLocale();
  aviso = cp1252::deUtf8(configuracao().getArquivo().string()) + ": idioma=" + configurado +
          " names no language file; " + doLocale + " is used";
  return idiomas().selecionarIdioma(doLocale) != nullptr;
}

bool Fachada::carregarIdiomaDoCodigo(const std::string& codigo) {
  auto& idiomas = this->idiomas();
  const int indice = idiomas.indiceDoCodigo(codigo);
  return indice >= 0 && idiomas.carregarIdioma(indice) != nullptr;
}

std::vector<std::string> Fachada::getCodigosIdiomas() const {
  return idiomas().getArquivosIdiomas();
}

void Fachada::salvarConfiguracao(bool exibindoEscalas) {
  auto& configuracao = this->configuracao();
  configuracao.setNomeInstrumento(instrumentos().getNomeInstrumentoAtual());
  configuracao.setExibicaoEscalas(exibindoEscalas ? 1 : 0);
  std::string erro;
  if (configuracao.salvar(&erro) || erroConfiguracaoRelatado_) return;
  // Once: a folder that cannot be written fails the same way at every save.
  erroConfiguracaoRelatado_ = true;
  nucleo_.interacao().mostrarMensagem(
      idiomas().getTexto("exception", "erroGravarConfiguracao") + " " + cp1252::deUtf8(erro),
      idiomas().getTexto("geral", "nomeAplicacao"));
}

int Fachada::getPosicaoBraco() const { return configuracao().getPosicaoBraco(); }

void Fachada::setPosicaoBraco(int posicao) {
  configuracao().setPosicaoBraco(static_cast<int8_t>(posicao));
}

int Fachada::getDriver() const { return configuracao().getDriver(); }

void Fachada::setDriver(int dispositivo) {
  configuracao().setDriver(dispositivo,
                           [this](int indice) { saida().selecionarDispositivo(indice); });
}

std::string Fachada::getNomeInstrumentoConfigurado() const {
  return configuracao().getNomeInstrumento();
}

bool Fachada::getExibicaoEscalasConfigurada() const {
  return configuracao().getExibicaoEscalas() != 0;
}

void Fachada::pedirEncerramento() { nucleo_.interacao().pedirEncerramento(); }

void Fachada::tocarNota(int canal, int velocidade, int nota) {
  saida().ligarNota(canal, velocidade, nota);
}

void Fachada::pararNota(int canal, int nota) { saida().desligarNota(canal, nota); }

void Fachada::resetarMIDI() { saida().reiniciar(); }

void Fachada::setProgramaMIDI(int canal, int programa) { saida().setInstrumento(canal, programa); }

std::vector<std::string> Fachada::getNomesDispositivos() const {
  std::vector<std::string> nomes = saida().listarDispositivos();
  // The synthesizer is the program's own: its name is the language's.
  const std::string traduzido = getTexto("geral", "sintetizadorEmbutido");
  for (std::string& nome : nomes) {
    if (nome == PortaFluidSynth::NOME && !traduzido.empty()) nome = traduzido;
  }
  return nomes;
}

void Fachada::selecionarDispositivo(int dispositivo) { saida().selecionarDispositivo(dispositivo); }

bool Fachada::saidaAberta() const { return saida().portaAberta(); }

std::string Fachada::encerrarSaida() { return saida().encerrar(); }

bool Fachada::sintetizadorDisponivel() { return !PortaFluidSynth::procurarSoundFont().empty(); }

void Fachada::aplicarSomInstrumento() {
  const InstrumentoCordas* instrumento = getInstrumentoAtual();
  if (instrumento != nullptr) saida().setInstrumento(ReprodutorMIDI::CANAL, instrumento->getSom());
}

void Fachada::tocarAcorde(const std::vector<int>& notas) {
  aplicarSomInstrumento();
  ReprodutorMIDI(saida()).tocarAcorde(notas);
}

const InstrumentoCordas* Fachada::getInstrumentoAtual() const {
  return instrumentos().getInstrumentoAtual();
}

const InstrumentoCordas* Fachada::getInstrumentoAnterior() const {
  return instrumentos().getInstrumentoAnterior();
}

void Fachada::addInstrumento(const InstrumentoCordas& instrumento) {
  instrumentos().addInstrumento(instrumento);
}

void Fachada::editInstrumento(int indice, const InstrumentoCordas& instrumento) {
  instrumentos().editInstrumento(indice, instrumento);
}

void Fachada::removerInstrumento(int indice) { instrumentos().removerInstrumento(indice); }

InstrumentoCordas Fachada::getInstrumento(int indice) {
  return instrumentos().getInstrumento(indice);
}

int Fachada::getNumeroPadroes() const { return instrumentos().getNumeroPadroes(); }

std::vector<std::string> Fachada::getNomesInstrumentos() {
  return instrumentos().getNomesInstrumentos();
}

std::string Fachada::getAvisoInstrumentos() { return instrumentos().getAvisoBase(); }

void Fachada::setInstrumento(int indice) {
  auto& instrumentos = this->instrumentos();
  instrumentos.guardarAnterior();
  instrumentos.setInstrumento(indice);
}

std::string Fachada::getNomeInstrumentoAtual() const {
  return instrumentos().getNomeInstrumentoAtual();
}

std::string Fachada::getDescricaoInstrumentoAtual() const {
  const InstrumentoCordas* atual = getInstrumentoAtual();
  if (atual == nullptr) return {};
  return TraducaoInstrumentos(idiomas()).descricao(atual->getName(), atual->getDescricao());
}

std::string Fachada::getNomeExibidoInstrumento(const std::string& nome) const {
  return TraducaoInstrumentos(idiomas()).nome(nome);
}

void Fachada::enviarEvento(const EventoReproducao& evento) {
  ReprodutorMIDI::enviar(saida(), evento);
}

void Fachada::tocarPlano(const PlanoReproducao& plano,
                         const std::function<void(const EventoReproducao&)>& aoDestacar) {
  ReprodutorMIDI(saida()).executar(plano, aoDestacar);
}

std::vector<InstrumentoCordas> Fachada::getInstrumentos() {
  return instrumentos().getInstrumentos();
}

std::vector<int> Fachada::getNotasCasas(const std::vector<int>& casas) const {
  const InstrumentoCordas* atual = getInstrumentoAtual();
  return atual != nullptr ? atual->comCapo(getCapo()).getNotas(casas)
                          : std::vector<int>(casas.size(), -1);
}

// From the settings, which the chord manager starts from and follows: asking needs no chord
// base loaded.
Disposicao Fachada::getDisposicao() const {
  return Disposicao::ler(configuracao().getDisposicao()).value_or(Disposicao::RAIZ);
}

void Fachada::setDisposicao(Disposicao disposicao) {
  configuracao().setDisposicao(std::string(disposicao.nome()));
}

int Fachada::getCapo() const { return configuracao().getCapo(); }

int Fachada::getEscalaJanela() const { return configuracao().getEscala(); }

void Fachada::setEscalaJanela(int porcento) { configuracao().setEscala(porcento); }

bool Fachada::getBracoInteiro() const { return configuracao().getBracoInteiro(); }

void Fachada::setBracoInteiro(bool inteiro) { configuracao().setBracoInteiro(inteiro); }

void Fachada::setCapo(int casa) {
  if (casa < 0 || casa > CAPO_MAXIMO) {
    throw IllegalArgumentException(TXT("capo fora de 0..12"), std::to_string(casa), "Fachada",
                                   "setCapo(int)");
  }
  configuracao().setCapo(casa);
}

std::string Fachada::nomearForma(const std::vector<int>& casas) const {
  return acordes().nomearForma(casas);
}

std::vector<std::string> Fachada::getNomesAcordes() const { return acordes().getNomesAcordes(); }

void Fachada::setAcorde(int indice) { acordes().setAcorde(indice); }

bool Fachada::setAcordePorNome(const std::string& nome) { return acordes().setAcordePorNome(nome); }

VistaAcorde Fachada::abrirAcorde(const std::string& nome) {
  if (!acordes().setAcordePorNome(nome)) return {};
  return getVistaAcorde();
}

VistaAcorde Fachada::abrirAcorde(int indice) {
  auto& acordes = this->acordes();
  acordes.setAcorde(indice);
  // By its name, as typing it would: a chord new to this instrument is generated.
  return abrirAcorde(acordes.getNomeAcordeAtual());
}

VistaAcorde Fachada::passarPosicao(bool proxima) {
  auto& acordes = this->acordes();
  if (acordes.getIndiceAcordeAtual() == -1) return {};
  if (proxima) {
    acordes.proximaPosicao();
  } else {
    acordes.posicaoAnterior();
  }
  return getVistaAcorde();
}

VistaAcorde Fachada::getVistaAcorde() {
  auto& acordes = this->acordes();
  VistaAcorde vista;
  vista.indice = acordes.getIndiceAcordeAtual();
  vista.aceito = vista.indice != -1;
  vista.numeroAcordes = static_cast<int>(acordes.getNomesAcordes().size());
  if (!vista.aceito) return vista;
  vista.nome = acordes.getNomeAcordeAtual();
  vista.posicao = acordes.getPosicaoAcordeAtual();
  vista.indicePosicao = acordes.getIndicePosicaoAtual();
  if (const AcordeComposto* acorde = acordes.getAcordeAtual()) {
    vista.numeroPosicoes = acorde->getPosicoes().size();
  }
  vista.raiz = acordes.getRaizAcordeAtual();
  vista.bemol = acordes.usaBemolAcordeAtual();
  return vista;
}

VistaAcorde Fachada::escolherPosicao(int indice) {
  auto& acordes = this->acordes();
  const int acorde = acordes.getIndiceAcordeAtual();
  if (acorde == -1 || indice < 0) return {};
  try {
    acordes.setAcorde(acorde, indice);
  } catch (const OutOfBoundsException&) {
    return {};
  }
  return getVistaAcorde();
}

void Fachada::completarPosicoesAcorde() { acordes().completarPosicoes(); }

const PosicaoHarmonicaInstrumentoCordas* Fachada::getPosicaoAcordeAtual() {
  return acordes().getPosicaoAcordeAtual();
}

bool Fachada::acordeTemPosicao() {
  const auto* posicao = getPosicaoAcordeAtual();
  return posicao != nullptr && posicao->soaAlgumaCorda();
}

void Fachada::proximaPosicao() { acordes().proximaPosicao(); }

void Fachada::posicaoAnterior() { acordes().posicaoAnterior(); }

int Fachada::getIndiceAcordeAtual() const { return acordes().getIndiceAcordeAtual(); }

int Fachada::getIndicePosicaoAtual() const { return acordes().getIndicePosicaoAtual(); }

std::vector<PosicaoHarmonicaInstrumentoCordas> Fachada::getPosicoesAcordeAtual() {
  std::vector<PosicaoHarmonicaInstrumentoCordas> copias;
  const auto& posicoes = acordes().getAcordeAtual()->getPosicoes();
  for (int i = 0; i < posicoes.size(); ++i) {
    const auto* posicao =
        dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(posicoes.getElement(i));
    if (posicao != nullptr) copias.push_back(*posicao);
  }
  return copias;
}

void Fachada::limparAcorde() { acordes().limpar(); }

int Fachada::getRaizAcordeAtual() const { return acordes().getRaizAcordeAtual(); }

bool Fachada::usaBemolAcordeAtual() const { return acordes().usaBemolAcordeAtual(); }

std::string Fachada::getNomeAcordeAtual() const { return acordes().getNomeAcordeAtual(); }

AcordeComposto* Fachada::getAcordeAtual() { return acordes().getAcordeAtual(); }

std::string Fachada::nomearAcorde(std::span<const int> notas, int raiz) const {
  return acordes().nomearAcorde(notas, raiz);
}

std::string Fachada::nomearCasas(const std::vector<int>& casas, int cordaRaiz) const {
  return acordes().nomearCasas(casas, cordaRaiz);
}

GrafiaNotas::Rotulos Fachada::rotulosPosicao(
    const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  return acordes().rotulosPosicao(posicao);
}

std::vector<std::string> Fachada::leiturasCasas(const std::vector<int>& casas) const {
  return acordes().leiturasCasas(casas);
}

PosicaoHarmonicaInstrumentoCordas Fachada::posicaoDasCasas(const std::vector<int>& casas) const {
  return nucleo_.gerador().posicaoDasCasas(casas);
}

std::optional<std::vector<int>> Fachada::dedosDasCasas(const std::vector<int>& casas) const {
  return nucleo_.gerador().dedosDasCasas(casas);
}

AnaliseAcorde Fachada::analisarAcorde(const std::string& nome) const {
  const auto& especialista = nucleo_.especialista();
  AnaliseAcorde analise;
  analise.codigo = especialista.interpretar(nome);
  analise.raiz = Especialista::nomeGrafia(Especialista::getRaiz(analise.codigo));
  for (int grau = 0; grau < Especialista::NUMERO_GRAUS; ++grau) {
    if (Especialista::temGrau(analise.codigo, grau)) analise.graus.push_back(grau);
  }
  const int baixo = Especialista::getBaixo(analise.codigo);
  if (baixo >= 0) analise.baixo = Especialista::nomeGrafia(baixo);
  analise.nome = especialista.nomear(analise.codigo);
  return analise;
}

std::string Fachada::transporCifra(const std::string& folha, int passos) const {
  const auto m = FolhaCifra::movimento(passos);
  return FolhaCifra::transporCifra(folha, m.passos, m.direcao, IdiomaAcordes::de(idiomas()));
}

std::string Fachada::colarCifra(const std::string& texto) const {
  return FolhaCifra::textoColado(texto);
}

std::vector<std::string> Fachada::getAcordesCifra(const std::string& folha) const {
  return FolhaCifra::acordes(folha, IdiomaAcordes::de(idiomas()));
}

CabecalhoCancao Fachada::getCabecalhoCifra(const std::string& folha) const {
  const Cancao cancao = LeitorCancao(IdiomaAcordes::de(idiomas())).ler(folha);
  return {cancao.valor("title").value_or(""), cancao.valor("key").value_or(""), cancao.capo()};
}

bool Fachada::cifraEmChordPro(const std::string& folha) const {
  return LeitorCancao::ehChordPro(folha, IdiomaAcordes::de(idiomas()));
}

std::string Fachada::converterCifra(const std::string& folha, bool paraChordPro) const {
  const IdiomaAcordes idioma = IdiomaAcordes::de(idiomas());
  const Cancao cancao = LeitorCancao(idioma).ler(folha);
  return paraChordPro ? EscritorChordPro::escrever(cancao) : EscritorCifra(idioma).escrever(cancao);
}

std::filesystem::path Fachada::getPastaUsuario() const { return nucleo_.entradas().pastaUsuario; }

bool Fachada::encontrarPosicao(const PosicaoHarmonica* posicao) {
  return acordes().encontrarPosicao(posicao);
}

bool Fachada::existePosicao(const PosicaoHarmonica* posicao) {
  return acordes().existePosicao(posicao);
}

void Fachada::adicionarPosicao(const PosicaoHarmonica* posicao) {
  acordes().adicionarPosicao(posicao);
}

std::vector<std::string> Fachada::getNomesEscalas() { return escalas().getNomesEscalas(); }

std::vector<std::string> Fachada::lerNomesEscalas() {
  return nucleo_.baseEscalas().getNomesEscalas();
}

std::vector<std::string> Fachada::getNomesTonicas() const { return escalas().getNomesTonicas(); }

void Fachada::setEscala(const std::string& nome) { escalas().setEscala(nome); }

void Fachada::setEscala(const std::string& nome, const std::string& tonica) {
  auto& escalas = this->escalas();
  escalas.setTonicaEscala(tonica);
  escalas.setEscala(nome);
}

std::optional<Escala> Fachada::getEscalaAtual() { return escalas().getEscalaAtual(); }

EscalaExibicao Fachada::getEscalaExibicao() { return escalas().getEscalaExibicao(); }

void Fachada::limparEscala() { escalas().limparEscala(); }

int Fachada::getIndiceExibicao() const { return escalas().getIndiceExibicao(); }

int Fachada::getNumeroExibicoes() const { return escalas().size(); }

void Fachada::setIndiceExibicao(int indice) {
  auto& escalas = this->escalas();
  if (escalas.getIndiceEscala() != -1) escalas.getEscalaExibicao();
  escalas.setIndiceExibicao(indice);
}

int Fachada::proximaExibicao() { return escalas().proximaExibicao(); }

int Fachada::exibicaoAnterior() { return escalas().exibicaoAnterior(); }

void Fachada::setTonicaEscala(const std::string& tonica) { escalas().setTonicaEscala(tonica); }

std::string Fachada::getTonicaEscala() const { return escalas().getTonicaEscala(); }

std::string Fachada::rotuloTonica(const std::string& texto) const {
  const std::string idioma = idiomas().getNomeIdiomaAtual();
  for (int classe = 0; classe < NUMERO_NOTAS; ++classe) {
    const std::string rotulo = nomeNotaEnarmonica(classe, idioma);
    if (texto::iguaisSemCaixa(rotulo, texto)) return rotulo;
  }
  for (int grafia = 0; grafia < Especialista::NUMERO_GRAFIAS; ++grafia) {
    if (texto::iguaisSemCaixa(Especialista::nomeGrafia(grafia), texto)) {
      return nomeNotaEnarmonica(Especialista::classeGrafia(grafia), idioma);
    }
  }
  return "";
}

std::optional<Escala> Fachada::getEscala(const std::string& nome) {
  auto& base = nucleo_.baseEscalas();
  const int indice = base.indiceEscala(nome);
  if (indice < 0 || indice >= base.numeroEscalas()) return std::nullopt;
  return base.getEscala(indice);
}

int Fachada::getMaximoNotasEscala() { return GeradorEscalas::MAXIMO_NOTAS; }

std::vector<EscalaExibicao> Fachada::getExibicoesEscala(const std::string& nome,
                                                        const std::string& tonica) {
  const auto escala = getEscala(nome);
  std::vector<EscalaExibicao> exibicoes;
  if (!escala) return exibicoes;
  const auto geradas = nucleo_.geradorEscalas().obterPosicoesEscala(*escala, tonica);
  for (int i = 0; i < geradas.size(); ++i) exibicoes.push_back(*geradas.getElement(i));
  return exibicoes;
}

void Fachada::setTextoImpressao(const std::string& texto) {
  impressao().setTextoImpressao(texto, LeitorCancao(IdiomaAcordes::de(idiomas())).titulo(texto));
}

void Fachada::desenharDiagrama(Superficie& superficie, const DiagramaAvulso& diagrama,
                               const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  diagrama.desenhar(superficie, nucleo_.especialista(), posicao);
}

std::string Fachada::getTextoImpressao() const { return impressao().getTextoImpressao(); }

void Fachada::imprimir(Impressora& impressora, int conteudo, int rotulo, const Posicoes& posicoes) {
  const InstrumentoCordas* instrumento = getInstrumentoAtual();
  if (instrumento == nullptr) return;
  auto& impressao = this->impressao();
  impressao.imprimir(impressora, conteudo, rotulo, posicoes, impressao.getTextoImpressao(),
                     *instrumento);
}

void Fachada::setCancoesImpressao(const std::vector<CabecalhoCancao>& musicas,
                                  const std::vector<int>& musicaDeCadaPosicao) {
  std::vector<TrabalhoImpressao::Grupo> grupos;
  for (size_t i = 0; i < musicaDeCadaPosicao.size(); ++i) {
    const int musica = musicaDeCadaPosicao[i];
    if (musica < 0 || static_cast<size_t>(musica) >= musicas.size()) continue;
    const bool continua = i > 0 && musicaDeCadaPosicao[i - 1] == musica && !grupos.empty();
    if (continua) {
      ++grupos.back().quantidade;
      continue;
    }
    const auto& cabecalho = musicas[static_cast<size_t>(musica)];
    std::string detalhe;
    if (!cabecalho.tom.empty()) detalhe = getTexto("fmImpressao", "lblTom") + " " + cabecalho.tom;
    if (cabecalho.capo != 0) {
      if (!detalhe.empty()) detalhe += ", ";
      detalhe += getTexto("fmImpressao", "lblCapo") + " " + std::to_string(cabecalho.capo);
    }
    grupos.push_back({cabecalho.titulo, detalhe, static_cast<int>(i), 1, cabecalho.letra});
  }
  impressao().setGruposImpressao(std::move(grupos));
}

void Fachada::visualizarImpressao(int conteudo, int rotulo, int pagina, int zoom,
                                  const Posicoes& posicoes) {
  const InstrumentoCordas* instrumento = getInstrumentoAtual();
  if (instrumento == nullptr) return;
  auto& impressao = this->impressao();
  const std::string texto = impressao.getTextoImpressao();
  impressao.prepararVisualizacao(conteudo, rotulo, pagina, zoom, posicoes, texto, *instrumento);
  if (zoom != ZOOM_INICIAL) {
    impressao.prepararVisualizacao(conteudo, rotulo, pagina, ZOOM_INICIAL, posicoes, texto,
                                   *instrumento);
  }
}

int Fachada::getZoomVisualizacao() const { return impressao().getZoom(); }

void Fachada::exibirPaginaVisualizacao(int pagina, int zoom) {
  impressao().exibirPaginaVisualizacao(pagina, zoom);
}

std::vector<Imagem> Fachada::getPaginasVisualizacao(int conteudo, int rotulo, int zoom,
                                                    const Posicoes& posicoes) {
  const InstrumentoCordas* instrumento = getInstrumentoAtual();
  if (instrumento == nullptr) return {};
  auto& impressao = this->impressao();
  impressao.prepararVisualizacao(conteudo, rotulo, 1, zoom, posicoes, impressao.getTextoImpressao(),
                                 *instrumento);
  return impressao.getPaginas();
}

// ----- listening ------------------------------------------------------------------------------

std::vector<std::string> Fachada::getDispositivosEntrada() const { return escuta().dispositivos(); }

std::string Fachada::getDispositivoEntrada() const { return configuracao().getEntradaAudio(); }

void Fachada::setDispositivoEntrada(const std::string& nome) {
  configuracao().setEntradaAudio(nome);
}

int Fachada::getReferenciaLa() const { return configuracao().getReferenciaLa(); }

void Fachada::setReferenciaLa(int hz) {
  configuracao().setReferenciaLa(hz);
  escuta().setReferenciaLa(configuracao().getReferenciaLa());
}

// The tuner knows the open strings as they are tuned, whatever the capo: strings are tuned
// without one.
EntradaAudio::Situacao Fachada::iniciarEscuta(const std::string& dispositivo) {
  const InstrumentoCordas* atual = getInstrumentoAtual();
  return escuta().iniciar(dispositivo, getReferenciaLa(),
                          atual != nullptr ? atual->getAfinacao() : std::vector<int>{},
                          IdiomaAcordes::gramaticaDoIdioma(getNomeIdiomaAtual()));
}

void Fachada::pararEscuta() { escuta().parar(); }

bool Fachada::escutando() const { return escuta().ativa(); }

EntradaAudio::Situacao Fachada::getSituacaoEscuta() const { return escuta().situacao(); }

void Fachada::processarEscuta() { escuta().processar(); }

LeituraAfinador Fachada::getLeituraAfinador() const { return escuta().leituraAfinador(); }

AcordeOuvido Fachada::getAcordeOuvido() const { return escuta().acordeOuvido(); }

double Fachada::getNivelEntrada() const { return escuta().nivel(); }

bool Fachada::entradaEmSilencio() const { return escuta().silencio(); }

}  // namespace tessara
