#include "LeitorCasas.h"

#include "foundations/Texto.h"
#include "instruments/InstrumentoCordas.h"

namespace tessara {

namespace {

bool ehMuda(std::string_view parte) { return parte == "x" || parte == "X"; }

bool ehCasa(std::string_view parte) {
  if (parte.empty() || parte.size() > 3) return false;
  for (char c : parte) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> LeitorCasas::partes(std::string_view texto) {
  std::vector<std::string> resultado;
  if (texto.find(',') == std::string_view::npos) {
    for (char c : texto) resultado.emplace_back(1, c);
    return resultado;
  }
  size_t inicio = 0;
  while (true) {
    const size_t virgula = texto.find(',', inicio);
    resultado.push_back(texto::aparar(texto.substr(inicio, virgula - inicio)));
    if (virgula == std::string_view::npos) return resultado;
    inicio = virgula + 1;
  }
}

bool LeitorCasas::pareceCasas(std::string_view texto) {
  const auto lista = partes(texto);
  if (lista.empty()) return false;
  for (const auto& parte : lista) {
    if (!ehMuda(parte) && !ehCasa(parte)) return false;
  }
  return true;
}

std::optional<std::vector<int>> LeitorCasas::ler(std::string_view texto,
                                                 const InstrumentoCordas& instrumento,
                                                 std::string& erro) {
  if (!pareceCasas(texto)) {
    erro = "'" + std::string(texto) + "' is not a fret list such as x32010 or x,3,2,0,1,0";
    return std::nullopt;
  }
  const auto lista = partes(texto);
  const int cordas = instrumento.getNumeroCordas();
  if (static_cast<int>(lista.size()) != cordas) {
    erro = "'" + std::string(texto) + "' gives " + std::to_string(lista.size()) +
           " strings; the instrument has " + std::to_string(cordas);
    return std::nullopt;
  }
  std::vector<int> casas;
  for (const auto& parte : lista) {
    const int casa = ehMuda(parte) ? -1 : std::stoi(parte);
    if (casa > instrumento.getNumeroCasas()) {
      erro = "fret " + parte + " is past the instrument's last fret (" +
             std::to_string(instrumento.getNumeroCasas()) + ")";
      return std::nullopt;
    }
    casas.push_back(casa);
  }
  return casas;
}

}  // namespace tessara
