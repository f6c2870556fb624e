#include "PortaGravacao.h"

#include <cstdio>
#include <stdexcept>

namespace tessara::teste {

PortaGravacao::PortaGravacao(std::vector<std::string> dispositivos, std::set<int> queAbrem,
                             Relogio& relogio, std::vector<RegistroMidi>& registro,
                             std::string nome)
    : dispositivos_(std::move(dispositivos)),
      queAbrem_(std::move(queAbrem)),
      relogio_(relogio),
      registro_(registro),
      nome_(std::move(nome)) {}

std::vector<std::string> PortaGravacao::listarDispositivos() {
  if (falharListagem) throw std::runtime_error("MIDI layer not available");
  return dispositivos_;
}

void PortaGravacao::ligar(std::string dispositivo) {
  dispositivos_.push_back(std::move(dispositivo));
  queAbrem_.insert(static_cast<int>(dispositivos_.size()) - 1);
}

void PortaGravacao::anotar(const std::string& texto) {
  registro_.push_back({relogio_.agora(), nome_.empty() ? texto : nome_ + " " + texto});
}

void PortaGravacao::abrir(int dispositivo) {
  fechar();
  anotar("abrir " + std::to_string(dispositivo));
  aberta_ = queAbrem_.count(dispositivo) > 0;
}

void PortaGravacao::enviar(uint8_t status, uint8_t dado1, uint8_t dado2) {
  if (!aberta_) return;
  char texto[16];
  std::snprintf(texto, sizeof texto, "%02X %02X %02X", status, dado1, dado2);
  anotar(texto);
}

void PortaGravacao::reiniciar() {
  if (aberta_) anotar("reiniciar");
}

void PortaGravacao::fechar() {
  if (!aberta_) return;
  anotar("fechar");
  aberta_ = false;
}

std::vector<std::string> textos(const std::vector<RegistroMidi>& registro) {
  std::vector<std::string> resultado;
  for (const auto& r : registro) resultado.push_back(r.texto);
  return resultado;
}

}  // namespace tessara::teste
