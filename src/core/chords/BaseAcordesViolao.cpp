#include "chords/BaseAcordesViolao.h"

#include <unordered_map>

#include "foundations/ArquivoAtomico.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/IllegalArgumentException.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;

constexpr size_t BYTES_LIVRES = 2;
constexpr size_t BYTES_CASAS = 3;
constexpr size_t BYTES_DEDOS = 3;
// Flags, frets and fingers after the name.
constexpr size_t BYTES_APOS_NOME = 1 + BYTES_CASAS + BYTES_DEDOS;
constexpr int MAIOR_CASA = 15;
constexpr int MAIOR_DEDO = 7;

unsigned byte(std::string_view bytes, size_t i) { return static_cast<unsigned char>(bytes[i]); }

// The fret and finger of each string from the six packed bytes after the flags.
void decodificar(std::string_view campos, std::vector<int>& casas, std::vector<int>& dedos) {
  for (size_t k = 0; k < BYTES_CASAS; ++k) {
    const unsigned c = byte(campos, k);
    const unsigned d = byte(campos, BYTES_CASAS + k);
    casas[2 * k] = static_cast<int>(c & 0x0F);
    casas[2 * k + 1] = static_cast<int>(c >> 4);
    dedos[2 * k] = static_cast<int>(d & 0x07);
    dedos[2 * k + 1] = static_cast<int>((d >> 3) & 0x07);
  }
}

[[noreturn]] void recusar(const std::string& motivo, const std::string& argumento) {
  throw IllegalArgumentException(motivo, argumento, "BaseAcordesViolao",
                                 "codificar(vector<AcordeComposto*>)");
}

void codificarPosicao(const std::string& nome, const Posicao& posicao, std::string& saida) {
  const std::vector<int> casas = posicao.getCasas();
  const std::vector<int> dedos = posicao.getDedos();
  if (casas.size() != BaseAcordesViolao::NUMERO_CORDAS) {
    recusar("a fingering for " + std::to_string(casas.size()) + " strings", nome);
  }
  unsigned char sons = 0;
  unsigned char campoCasas[BYTES_CASAS] = {};
  unsigned char campoDedos[BYTES_DEDOS] = {};
  for (size_t s = 0; s < casas.size(); ++s) {
    const bool muda = casas[s] < 0 || dedos[s] == Posicao::DEDO_ABAFADO;
    const int casa = muda ? 0 : casas[s];
    const int dedo = muda ? Posicao::DEDO_ABAFADO : dedos[s];
    if (casa > MAIOR_CASA || dedo < 0 || dedo > MAIOR_DEDO) {
      recusar("fret " + std::to_string(casa) + " or finger " + std::to_string(dedo), nome);
    }
    if (!muda) sons = static_cast<unsigned char>(sons | (1u << s));
    campoCasas[s / 2] = static_cast<unsigned char>(campoCasas[s / 2] | casa << (s % 2 ? 4 : 0));
    campoDedos[s / 2] = static_cast<unsigned char>(campoDedos[s / 2] | dedo << (s % 2 ? 3 : 0));
  }
  saida.append(BYTES_LIVRES, '\0');
  saida += static_cast<char>(nome.size());
  saida += nome;
  saida += static_cast<char>(sons);
  saida.append(reinterpret_cast<const char*>(campoCasas), BYTES_CASAS);
  saida.append(reinterpret_cast<const char*>(campoDedos), BYTES_DEDOS);
}

}  // namespace

void BaseAcordesViolao::carregarBase(const std::filesystem::path& arquivo) {
  const auto conteudo = abrir(arquivo);
  if (!conteudo) return;
  lerRegistros(*conteudo);
  ordenar();
}

void BaseAcordesViolao::carregarConteudo(std::string_view conteudo) {
  esvaziar();
  lerRegistros(conteudo);
  ordenar();
}

void BaseAcordesViolao::lerRegistros(std::string_view conteudo) {
  // Where each name (case folded) is, so that a large file loads in one pass.
  std::unordered_map<std::string, size_t> indices;
  std::vector<int> casas(NUMERO_CORDAS);
  std::vector<int> dedos(NUMERO_CORDAS);
  size_t p = 0;
  while (p + BYTES_LIVRES < conteudo.size()) {
    const size_t tamanho = byte(conteudo, p + BYTES_LIVRES);
    const size_t inicioNome = p + BYTES_LIVRES + 1;
    if (conteudo.size() - inicioNome < tamanho + BYTES_APOS_NOME) break;  // cut short
    const std::string_view nome = conteudo.substr(inicioNome, tamanho);
    const std::string_view campos = conteudo.substr(inicioNome + tamanho + 1);
    p = inicioNome + tamanho + BYTES_APOS_NOME;
    if (tamanho > MAXIMO_NOME) continue;

    decodificar(campos, casas, dedos);
    auto posicao = std::make_unique<Posicao>(std::string(nome), casas, dedos);
    const auto [lugar, novo] = indices.try_emplace(chaveNome(nome), 0);
    if (novo) {
      lugar->second = static_cast<size_t>(getNumeroAcordes());
      contarNome();
      adicionarNome(std::string(nome));
      auto acorde =
          std::make_unique<AcordeComposto>(std::string(nome), ColecaoPtr<PosicaoHarmonica>());
      acorde->getPosicoes().adicionar(std::move(posicao));
      adicionarNovo(std::move(acorde));
    } else {
      acordeEm(lugar->second).getPosicoes().adicionar(std::move(posicao));
    }
  }
}

std::string BaseAcordesViolao::codificar(const std::vector<const AcordeComposto*>& acordes) {
  std::string saida;
  for (const AcordeComposto* acorde : acordes) {
    const std::string nome = acorde->getNome();
    if (nome.size() > MAXIMO_NOME) recusar("a name longer than 30 bytes", nome);
    const auto& posicoes = acorde->getPosicoes();
    for (int i = 0; i < posicoes.size(); ++i) {
      const auto* posicao = dynamic_cast<const Posicao*>(posicoes.getElement(i));
      if (posicao == nullptr) recusar("a fingering that is not for a string instrument", nome);
      codificarPosicao(nome, *posicao, saida);
    }
  }
  return saida;
}

void BaseAcordesViolao::gravar(const std::filesystem::path& arquivo,
                               const std::vector<const AcordeComposto*>& acordes) {
  std::string erro;
  if (!ArquivoAtomico::escrever(arquivo, codificar(acordes), &erro)) {
    throw DException(cp1252::deUtf8(erro), "BaseAcordesViolao", "gravar(path, vector)");
  }
}

}  // namespace tessara
