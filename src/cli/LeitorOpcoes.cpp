#include "LeitorOpcoes.h"

#include <algorithm>

#include "ErroArgumento.h"

namespace tessara {

std::optional<std::string> LeitorOpcoes::Lidas::valor(const std::string& opcao) const {
  const auto achado = valores.find(opcao);
  if (achado == valores.end() || achado->second.empty()) return std::nullopt;
  return achado->second.front();
}

LeitorOpcoes::LeitorOpcoes(std::vector<OpcaoCli> opcoes, size_t maximoPosicionais,
                           Posicional posicional)
    : opcoes_(std::move(opcoes)),
      maximoPosicionais_(maximoPosicionais),
      posicional_(posicional ? std::move(posicional) : Posicional(semTraco)) {}

bool LeitorOpcoes::semTraco(const std::string& argumento) {
  return !argumento.empty() && argumento.front() != '-';
}

const OpcaoCli* LeitorOpcoes::procurar(const std::string& nome) const {
  const auto achada = std::find_if(opcoes_.begin(), opcoes_.end(),
                                   [&nome](const OpcaoCli& o) { return o.nome == nome; });
  return achada == opcoes_.end() ? nullptr : &*achada;
}

const OpcaoCli& LeitorOpcoes::opcao(const std::string& nome) const { return *procurar(nome); }

LeitorOpcoes::Lidas LeitorOpcoes::ler(const std::vector<std::string>& argumentos) const {
  Lidas lidas;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (const OpcaoCli* opcao = procurar(a)) {
      lerOpcao(*opcao, argumentos, i, lidas);
    } else if (lidas.posicionais.size() < maximoPosicionais_ && posicional_(a)) {
      lidas.posicionais.push_back(a);
    } else {
      throw ErroArgumento::inesperado(a);
    }
  }
  return lidas;
}

void LeitorOpcoes::lerOpcao(const OpcaoCli& opcao, const std::vector<std::string>& argumentos,
                            size_t& i, Lidas& lidas) const {
  if (!opcao.seRepetida.empty() && lidas.tem(opcao.nome)) throw ErroArgumento(opcao.seRepetida);
  const size_t restantes = argumentos.size() - i - 1;
  const size_t pedidos = static_cast<size_t>(opcao.valores);
  if (restantes < pedidos || (opcao.naoVazio && pedidos > 0 && argumentos[i + 1].empty())) {
    throw ErroArgumento::semValor(opcao.nome, opcao.aceitos);
  }
  std::vector<std::string> valores(
      argumentos.begin() + static_cast<std::ptrdiff_t>(i + 1),
      argumentos.begin() + static_cast<std::ptrdiff_t>(i + 1 + pedidos));
  i += pedidos;
  for (const auto& valor : valores) {
    if (!opcao.escolhas.empty() &&
        std::find(opcao.escolhas.begin(), opcao.escolhas.end(), valor) == opcao.escolhas.end()) {
      throw ErroArgumento::valorRecusado(opcao.nome, valor, opcao.aceitos);
    }
  }
  lidas.valores[opcao.nome] = std::move(valores);
}

void LeitorOpcoes::escreverAjuda(std::ostream& destino) const {
  for (const auto& o : opcoes_) {
    destino << "  " << o.nome;
    if (o.valores > 0) destino << " (" << o.aceitos << ')';
    destino << '\n';
  }
}

}  // namespace tessara
