#include "languages/PacoteImagens.h"

#include <fstream>

#include "foundations/Texto.h"
#include "languages/DecodificadorJpeg.h"

namespace tessara {

std::optional<Imagem> PacoteImagens::lerImagem(std::string_view entrada) const {
  const auto trecho = interpretarEntrada(entrada);
  if (!trecho) return std::nullopt;
  std::ifstream pacote(arquivo_, std::ios::binary);
  if (!pacote) return std::nullopt;
  return decodificarTrecho(pacote, *trecho);
}

std::optional<Imagem> PacoteImagens::lerImagem(std::istream& pacote, std::string_view entrada) {
  const auto trecho = interpretarEntrada(entrada);
  if (!trecho) return std::nullopt;
  return decodificarTrecho(pacote, *trecho);
}

std::optional<Imagem> PacoteImagens::decodificarTrecho(std::istream& pacote, Trecho trecho) {
  const auto bytes = lerTrecho(pacote, trecho);
  if (!bytes) return std::nullopt;
  return DecodificadorJpeg::decodificar(*bytes);
}

std::optional<PacoteImagens::Trecho> PacoteImagens::interpretarEntrada(std::string_view entrada) {
  const auto virgula = entrada.find(',');
  if (virgula == std::string_view::npos) return std::nullopt;
  const auto inicio = texto::inteiro(entrada.substr(0, virgula));
  const auto tamanho = texto::inteiro(entrada.substr(virgula + 1));
  if (!inicio || !tamanho || *inicio < 0 || *tamanho < 0) return std::nullopt;
  return Trecho{*inicio, *tamanho};
}

std::optional<std::string> PacoteImagens::lerTrecho(std::istream& pacote, Trecho trecho) {
  // The pack's size is checked first, so that an entry naming bytes the pack does not have
  // never makes us allocate for them.
  pacote.clear();
  if (!pacote.seekg(0, std::ios::end)) return std::nullopt;
  const std::streamoff fim = pacote.tellg();
  if (fim < 0 || trecho.inicio > fim || trecho.tamanho > fim - trecho.inicio) return std::nullopt;

  std::string bytes(static_cast<size_t>(trecho.tamanho), '\0');
  if (!pacote.seekg(trecho.inicio)) return std::nullopt;
  pacote.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (pacote.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
  return bytes;
}

}  // namespace tessara
