#include "languages/DecodificadorJpeg.h"

#include <turbojpeg.h>

#include <memory>

namespace tessara {

namespace {

struct LiberarTurboJpeg {
  void operator()(void* handle) const { tjDestroy(handle); }
};

}  // namespace

std::optional<Imagem> DecodificadorJpeg::decodificar(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  const std::unique_ptr<void, LiberarTurboJpeg> handle(tjInitDecompress());
  if (!handle) return std::nullopt;

  const auto* dados = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto tamanho = static_cast<unsigned long>(bytes.size());
  int largura = 0;
  int altura = 0;
  int subamostragem = 0;
  int espacoCor = 0;
  if (tjDecompressHeader3(handle.get(), dados, tamanho, &largura, &altura, &subamostragem,
                          &espacoCor) != 0) {
    return std::nullopt;
  }
  if (largura <= 0 || altura <= 0 || largura > LADO_MAXIMO || altura > LADO_MAXIMO ||
      static_cast<long long>(largura) * altura > PIXELS_MAXIMO) {
    return std::nullopt;
  }

  Imagem imagem;
  imagem.largura = largura;
  imagem.altura = altura;
  imagem.pixels.resize(static_cast<size_t>(largura) * static_cast<size_t>(altura) * 3);
  // A warning (such as a picture cut short) counts as a failure: a picture of ours decodes
  // without any. Limiting the scans keeps a hostile progressive picture from taking forever.
  const int opcoes = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
  if (tjDecompress2(handle.get(), dados, tamanho, imagem.pixels.data(), largura, largura * 3,
                    altura, TJPF_RGB, opcoes) != 0) {
    return std::nullopt;
  }
  return imagem;
}

}  // namespace tessara
