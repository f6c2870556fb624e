#include "ComandoPosicoesAcorde.h"

#include <map>

#include <algorithm>
#include <cstdio>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorOpcoes.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;

// Finger 6 marks a string that is not played: no finger presses it.
int dedoMostrado(int dedo) { return dedo == Posicao::DEDO_ABAFADO ? 0 : dedo; }

std::string lista(const std::vector<int>& valores, const char* separador) {
  std::string texto;
  for (size_t i = 0; i < valores.size(); ++i) {
    if (i > 0) texto += separador;
    texto += std::to_string(valores[i]);
  }
  return texto;
}

std::vector<int> dedosMostrados(const Posicao& p) {
  std::vector<int> dedos = p.getDedos();
  std::transform(dedos.begin(), dedos.end(), dedos.begin(), dedoMostrado);
  return dedos;
}

// Frets as typed: "x32010", or separated by commas when one has two digits.
std::string casasCompactas(const std::vector<int>& casas) {
  const bool longas = std::any_of(casas.begin(), casas.end(), [](int c) { return c > 9; });
  std::string texto;
  for (size_t i = 0; i < casas.size(); ++i) {
    if (longas && i > 0) texto += ',';
    texto += casas[i] < 0 ? "x" : std::to_string(casas[i]);
  }
  return texto;
}

// A chord diagram: strings as columns (the lowest on the left), frets as rows from the nut or
// from the lowest pressed fret, the finger on each pressed string.
void diagrama(std::ostream& saida, const Posicao& p) {
  const std::vector<int> casas = p.getCasas();
  const std::vector<int> dedos = dedosMostrados(p);
  int menor = 0;
  int maior = 0;
  for (int c : casas) {
    if (c <= 0) continue;
    menor = menor == 0 ? c : std::min(menor, c);
    maior = std::max(maior, c);
  }
  const int inicio = maior <= 4 ? 1 : menor;
  const int fim = std::max(inicio + 3, maior);
  std::string marcas = "   ";
  for (int c : casas) marcas += c < 0 ? "x " : c == 0 ? "o " : "  ";
  saida << marcas.substr(0, marcas.find_last_not_of(' ') + 1) << '\n';
  if (inicio == 1) saida << "   " << std::string(casas.size() * 2 - 1, '=') << '\n';
  for (int casa = inicio; casa <= fim; ++casa) {
    char numero[8];
    std::snprintf(numero, sizeof numero, "%2d ", casa);
    std::string linha = numero;
    for (size_t s = 0; s < casas.size(); ++s) {
      if (s > 0) linha += ' ';
      linha += casas[s] != casa ? "|" : dedos[s] > 0 ? std::to_string(dedos[s]) : "*";
    }
    saida << linha << '\n';
  }
}

void textoJson(std::ostream& saida, const std::string& utf8) {
  saida << '"';
  for (const char c : utf8) {
    if (c == '"' || c == '\\') {
      saida << '\\' << c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      saida << escape;
    } else {
      saida << c;
    }
  }
  saida << '"';
}

// Per string; a silent string is null.
void listaJson(std::ostream& saida, const std::vector<std::string>& textos) {
  saida << '[';
  for (size_t i = 0; i < textos.size(); ++i) {
    if (i > 0) saida << ", ";
    if (textos[i].empty()) {
      saida << "null";
    } else {
      textoJson(saida, cp1252::paraUtf8(textos[i]));
    }
  }
  saida << ']';
}

}  // namespace

namespace {

std::vector<std::string> nomesDisposicoes() {
  std::vector<std::string> nomes;
  for (int i = 0; i < Disposicao::NUMERO; ++i) {
    nomes.emplace_back(Disposicao(static_cast<Disposicao::Tipo>(i)).nome());
  }
  return nomes;
}

const LeitorOpcoes& leitor() {
  static const std::string disposicoes = Disposicao::nomesAceitos(", ");
  static const LeitorOpcoes opcoes({{"--all"},
                                    {"--format", 1, "json, text, tsv", {"json", "text", "tsv"}},
                                    {"--voicing", 1, disposicoes, nomesDisposicoes()}},
                                   1);
  return opcoes;
}

}  // namespace

const LeitorOpcoes* ComandoPosicoesAcorde::opcoes() const { return &leitor(); }

ComandoPosicoesAcorde::Pedido ComandoPosicoesAcorde::lerArgumentos(
    const std::vector<std::string>& argumentos) {
  static const std::map<std::string, Formato> FORMATOS = {
      {"text", Formato::Texto}, {"tsv", Formato::Tsv}, {"json", Formato::Json}};
  const auto lidas = leitor().ler(argumentos);
  if (lidas.posicionais.empty()) throw ErroArgumento::faltando("NAME");
  Pedido pedido;
  pedido.acorde = lidas.posicionais.front();
  pedido.todas = lidas.tem("--all");
  if (const auto formato = lidas.valor("--format")) pedido.formato = FORMATOS.at(*formato);
  if (const auto disposicao = lidas.valor("--voicing")) {
    pedido.disposicao = *Disposicao::ler(*disposicao);
  }
  return pedido;
}

std::vector<std::string> ComandoPosicoesAcorde::formas(const Posicoes& posicoes,
                                                       const Fachada& fachada) {
  std::vector<std::string> nomes(posicoes.size());
  if (fachada.getCapo() == 0) return nomes;
  for (size_t i = 0; i < posicoes.size(); ++i) {
    nomes[i] = cp1252::paraUtf8(fachada.nomearForma(posicoes[i]->getCasas()));
  }
  return nomes;
}

void ComandoPosicoesAcorde::escreverTexto(std::ostream& saida, const Posicoes& posicoes,
                                          const std::vector<std::string>& formas) {
  for (size_t i = 0; i < posicoes.size(); ++i) {
    const Posicao& p = *posicoes[i];
    if (i > 0) saida << '\n';
    saida << cp1252::paraUtf8(p.getNome());
    if (!formas[i].empty()) saida << ", shape " << formas[i];
    saida << "  " << i + 1 << '/' << posicoes.size() << '\n';
    diagrama(saida, p);
    saida << "   frets " << casasCompactas(p.getCasas()) << "  fingers "
          << lista(dedosMostrados(p), "") << '\n';
  }
}

void ComandoPosicoesAcorde::escreverTsv(std::ostream& saida, const Posicoes& posicoes,
                                        const std::vector<std::string>& formas) {
  for (size_t i = 0; i < posicoes.size(); ++i) {
    const Posicao& p = *posicoes[i];
    saida << i + 1 << '\t' << cp1252::paraUtf8(p.getNome()) << '\t' << lista(p.getCasas(), " ")
          << '\t' << lista(dedosMostrados(p), " ");
    if (!formas[i].empty()) saida << '\t' << formas[i];
    saida << '\n';
  }
}

void ComandoPosicoesAcorde::escreverJson(std::ostream& saida, const Posicoes& posicoes,
                                         const Fachada& fachada,
                                         const std::vector<std::string>& formas) {
  saida << "[";
  for (size_t i = 0; i < posicoes.size(); ++i) {
    const Posicao& p = *posicoes[i];
    saida << (i > 0 ? ",\n " : "\n ") << "{\"index\": " << i + 1 << ", \"name\": ";
    textoJson(saida, cp1252::paraUtf8(p.getNome()));
    saida << ", \"frets\": [" << lista(p.getCasas(), ", ") << "], \"fingers\": ["
          << lista(dedosMostrados(p), ", ") << "]";
    const GrafiaNotas::Rotulos rotulos = fachada.rotulosPosicao(p);
    saida << ", \"notes\": ";
    listaJson(saida, rotulos.notas);
    saida << ", \"intervals\": ";
    listaJson(saida, rotulos.intervalos);
    if (!formas[i].empty()) {
      saida << ", \"shape\": ";
      textoJson(saida, formas[i]);
    }
    saida << "}";
  }
  saida << "\n]\n";
}

int ComandoPosicoesAcorde::executar(ContextoCli& contexto,
                                    const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  if (!contexto.prepararAcordes()) return contexto.statusErro();
  Fachada& fachada = contexto.fachada();
  fachada.setDisposicao(pedido.disposicao);
  if (!contexto.selecionarAcorde(pedido.acorde)) return 1;
  if (pedido.todas) {
    // As the next button does until it stops.
    for (int anterior = -1; anterior != fachada.getIndicePosicaoAtual();) {
      anterior = fachada.getIndicePosicaoAtual();
      fachada.proximaPosicao();
    }
  }
  const std::vector<Posicao> copias = fachada.getPosicoesAcordeAtual();
  Posicoes posicoes;
  for (const auto& p : copias) posicoes.push_back(&p);
  const std::vector<std::string> nomesFormas = formas(posicoes, fachada);
  switch (pedido.formato) {
    case Formato::Texto: escreverTexto(contexto.saida(), posicoes, nomesFormas); break;
    case Formato::Tsv: escreverTsv(contexto.saida(), posicoes, nomesFormas); break;
    case Formato::Json: escreverJson(contexto.saida(), posicoes, fachada, nomesFormas); break;
  }
  return 0;
}

}  // namespace tessara
