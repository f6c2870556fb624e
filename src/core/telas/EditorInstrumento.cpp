#include "telas/EditorInstrumento.h"

#include <algorithm>
#include <vector>

#include "app/Fachada.h"
#include "foundations/DException.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/Texto.h"
#include "instruments/XMLInstrumentoParser.h"

namespace tessara {

namespace {

constexpr int MAXIMO_CORDAS = CamposInstrumento::LINHAS;
constexpr int CASAS_QUATRO_CORDAS = 12;
constexpr int CASAS_MAIS_CORDAS = 14;
constexpr int ULTIMO_PROGRAMA = 127;

}  // namespace

int EditorInstrumento::maximoCasas(int cordas) {
  return cordas <= MINIMO_CORDAS ? CASAS_QUATRO_CORDAS : CASAS_MAIS_CORDAS;
}

CamposInstrumento EditorInstrumento::campos(const InstrumentoCordas& instrumento,
                                            const CamposInstrumento& anteriores) {
  CamposInstrumento c = anteriores;
  c.nome = instrumento.getName();
  c.descricao = instrumento.getDescricao();
  c.cordas = std::clamp(instrumento.getNumeroCordas(), MINIMO_CORDAS, MAXIMO_CORDAS);
  c.casas = std::clamp(instrumento.getNumeroCasas(), MINIMO_CASAS, maximoCasas(c.cordas));
  c.som = std::clamp(instrumento.getSom(), 0, ULTIMO_PROGRAMA);
  const auto afinacao = instrumento.getAfinacao();
  for (int linha = 0; linha < c.cordas; ++linha) {
    const int corda = c.cordas - 1 - linha;
    if (corda < static_cast<int>(afinacao.size())) {
      c.notas[static_cast<size_t>(linha)] = afinacao[static_cast<size_t>(corda)];
    }
  }
  return c;
}

InstrumentoCordas EditorInstrumento::montar(const CamposInstrumento& campos) {
  std::vector<int> afinacao;
  for (int linha = campos.cordas - 1; linha >= 0; --linha) {
    afinacao.push_back(campos.notas[static_cast<size_t>(linha)]);
  }
  return InstrumentoCordas(campos.nome, campos.descricao, campos.cordas, campos.casas, DISTANCIA,
                           campos.som, std::move(afinacao), false);
}

EditorInstrumento::Salvamento EditorInstrumento::recusar(Resultado resultado, const char* secao,
                                                         const char* chave) const {
  return {resultado, fachada_.getTexto(secao, chave)};
}

// The list shows names as the file gives them back, so a name is compared as it will read.
EditorInstrumento::Salvamento EditorInstrumento::verificarNome(const std::string& nome,
                                                               int indiceEditado) {
  if (texto::aparar(nome).empty()) {
    return recusar(Resultado::NomeVazio, "fmCriarInstrumento", "mensagemNome");
  }
  const std::string relido = XMLInstrumentoParser::nomeRelido(nome);
  const auto nomes = fachada_.getNomesInstrumentos();
  const int padroes = fachada_.getNumeroPadroes();
  for (int i = 0; i < static_cast<int>(nomes.size()); ++i) {
    if (nomes[static_cast<size_t>(i)] != relido && nomes[static_cast<size_t>(i)] != nome) continue;
    if (i < padroes) {
      return recusar(Resultado::NomePadrao, "fmCriarInstrumento", "msgEdicaoInstrumentoPadrao");
    }
    if (i != indiceEditado) {
      return recusar(Resultado::NomeExistente, "exception", "instrumentoExistente");
    }
  }
  return {Resultado::Salvo, {}};
}

EditorInstrumento::Salvamento EditorInstrumento::salvar(const CamposInstrumento& campos,
                                                        int indiceEditado) {
  try {
    Salvamento verificado = verificarNome(campos.nome, indiceEditado);
    if (verificado.resultado != Resultado::Salvo) return verificado;
    const InstrumentoCordas criado = montar(campos);
    if (indiceEditado >= fachada_.getNumeroPadroes()) {
      fachada_.editInstrumento(indiceEditado, criado);
      return {Resultado::Salvo, {}, indiceEditado};
    }
    // A built-in instrument cannot change: its edit becomes a new user instrument.
    fachada_.addInstrumento(criado);
    return {Resultado::Salvo, {}, static_cast<int>(fachada_.getNomesInstrumentos().size()) - 1};
  } catch (const IllegalArgumentException&) {
    return recusar(Resultado::NomeExistente, "exception", "instrumentoExistente");
  } catch (const DException& e) {
    return {Resultado::Falha, e.getMensagem()};
  }
}

}  // namespace tessara
