#include "ouvir/LeitorWav.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string>

#include "foundations/DataFormatException.h"
#include "foundations/FileNotFoundException.h"

namespace tessara {

namespace {

constexpr uint16_t FORMATO_PCM = 1;
constexpr uint16_t FORMATO_FLUTUANTE = 3;
constexpr uint16_t FORMATO_EXTENSIVEL = 0xFFFE;
constexpr int CANAIS_MAXIMO = 64;
constexpr uint32_t TAXA_MAXIMA = 1'000'000;

uint32_t le32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

[[noreturn]] void recusar(const std::string& motivo) {
  throw DataFormatException("not a WAV file that can be read: " + motivo);
}

// Reads exactly `n` bytes or says the header is cut short.
void lerBytes(std::istream& entrada, unsigned char* destino, std::size_t n) {
  entrada.read(reinterpret_cast<char*>(destino), static_cast<std::streamsize>(n));
  if (static_cast<std::size_t>(entrada.gcount()) != n) recusar("its header is cut short");
}

// The bytes left from the current place to the end, when the stream can tell.
uint64_t restantes(std::istream& entrada) {
  const auto aqui = entrada.tellg();
  entrada.seekg(0, std::ios::end);
  const auto fim = entrada.tellg();
  entrada.seekg(aqui);
  if (aqui < 0 || fim < aqui) return 0;
  return static_cast<uint64_t>(fim - aqui);
}

std::unique_ptr<std::istream> abrirArquivo(const std::filesystem::path& arquivo) {
  std::error_code erro;
  if (!std::filesystem::is_regular_file(arquivo, erro)) {
    throw FileNotFoundException("there is no such file", arquivo.string(), "LeitorWav", "abrir");
  }
  auto entrada = std::make_unique<std::ifstream>(arquivo, std::ios::binary);
  if (!*entrada) {
    throw FileNotFoundException("the file cannot be opened", arquivo.string(), "LeitorWav",
                                "abrir");
  }
  return entrada;
}

}  // namespace

LeitorWav::LeitorWav(const std::filesystem::path& arquivo) : LeitorWav(abrirArquivo(arquivo)) {}

LeitorWav::LeitorWav(std::unique_ptr<std::istream> entrada) : entrada_(std::move(entrada)) {
  lerCabecalho();
}

LeitorWav::~LeitorWav() = default;

void LeitorWav::lerCabecalho() {
  std::array<unsigned char, 12> riff{};
  lerBytes(*entrada_, riff.data(), riff.size());
  if (std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
    recusar("it does not start with RIFF....WAVE");
  }
  for (;;) {
    std::array<unsigned char, 8> pedaco{};
    entrada_->read(reinterpret_cast<char*>(pedaco.data()), pedaco.size());
    if (entrada_->gcount() != static_cast<std::streamsize>(pedaco.size())) {
      recusar("it has no data chunk");
    }
    const uint32_t tamanho = le32(pedaco.data() + 4);
    if (std::memcmp(pedaco.data(), "fmt ", 4) == 0) {
      lerFormato(tamanho);
    } else if (std::memcmp(pedaco.data(), "data", 4) == 0) {
      if (canais_ == 0) recusar("its data chunk comes before its fmt chunk");
      const uint64_t bytesQuadro = static_cast<uint64_t>(canais_) * (bits_ / 8);
      // A header may claim more than the file holds (cut short, or a size never written).
      const uint64_t bytes = std::min<uint64_t>(tamanho, restantes(*entrada_));
      quadros_ = bytes / bytesQuadro;
      return;
    } else {
      if (restantes(*entrada_) < tamanho + (tamanho & 1u)) recusar("a chunk is cut short");
      entrada_->seekg(static_cast<std::streamoff>(tamanho + (tamanho & 1u)), std::ios::cur);
    }
  }
}

void LeitorWav::lerFormato(uint32_t tamanho) {
  if (tamanho < 16 || tamanho > 1024)
    recusar("its fmt chunk has " + std::to_string(tamanho) + " bytes");
  std::vector<unsigned char> f(tamanho + (tamanho & 1u));
  lerBytes(*entrada_, f.data(), f.size());
  uint16_t formato = le16(f.data());
  if (formato == FORMATO_EXTENSIVEL && tamanho >= 40) formato = le16(f.data() + 24);
  const uint16_t canais = le16(f.data() + 2);
  const uint32_t taxa = le32(f.data() + 4);
  const uint16_t alinhamento = le16(f.data() + 12);
  const uint16_t bits = le16(f.data() + 14);
  const bool inteiro =
      formato == FORMATO_PCM && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool flutuante = formato == FORMATO_FLUTUANTE && (bits == 32 || bits == 64);
  if (!inteiro && !flutuante) {
    recusar(
        "its samples are not PCM of 8, 16, 24 or 32 bits nor float of 32 or 64 bits "
        "(format " +
        std::to_string(formato) + ", " + std::to_string(bits) + " bits)");
  }
  if (canais == 0 || canais > CANAIS_MAXIMO) {
    recusar("it has " + std::to_string(canais) + " channels");
  }
  if (taxa == 0 || taxa > TAXA_MAXIMA) recusar("its sample rate is " + std::to_string(taxa));
  if (alinhamento != canais * (bits / 8)) recusar("its block size does not match its samples");
  canais_ = canais;
  taxa_ = static_cast<int>(taxa);
  bits_ = bits;
  flutuante_ = flutuante;
}

float LeitorWav::amostra(const unsigned char* p) const {
  switch (bits_) {
    case 8: return (static_cast<float>(p[0]) - 128.0f) / 128.0f;
    case 16: return static_cast<float>(static_cast<int16_t>(le16(p))) / 32768.0f;
    case 24: {
      const uint32_t u = static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 |
                         static_cast<uint32_t>(p[2]) << 24;
      const int32_t v = static_cast<int32_t>(u) / 256;
      return static_cast<float>(v) / 8388608.0f;
    }
    case 32:
      if (flutuante_) {
        float f;
        const uint32_t v = le32(p);
        std::memcpy(&f, &v, sizeof f);
        return f;
      }
      return static_cast<float>(static_cast<int32_t>(le32(p))) / 2147483648.0f;
    default: {
      uint64_t v = 0;
      for (int i = 7; i >= 0; --i) v = v << 8 | p[i];
      double d;
      std::memcpy(&d, &v, sizeof d);
      return static_cast<float>(d);
    }
  }
}

std::size_t LeitorWav::ler(float* destino, std::size_t n) {
  const std::size_t bytesAmostra = static_cast<std::size_t>(bits_ / 8);
  const std::size_t bytesQuadro = bytesAmostra * static_cast<std::size_t>(canais_);
  n = static_cast<std::size_t>(std::min<uint64_t>(n, quadros_ - lidos_));
  if (n == 0) return 0;
  bloco_.resize(n * bytesQuadro);
  entrada_->read(reinterpret_cast<char*>(bloco_.data()),
                 static_cast<std::streamsize>(bloco_.size()));
  n = static_cast<std::size_t>(entrada_->gcount()) / bytesQuadro;
  for (std::size_t i = 0; i < n; ++i) {
    float soma = 0;
    for (int c = 0; c < canais_; ++c) {
      soma += amostra(bloco_.data() + i * bytesQuadro + static_cast<std::size_t>(c) * bytesAmostra);
    }
    const float media = soma / static_cast<float>(canais_);
    destino[i] = std::isfinite(media) ? media : 0.0f;
  }
  lidos_ += n;
  if (n == 0) quadros_ = lidos_;
  return n;
}

LeitorWav::Som LeitorWav::lerTudo(const std::filesystem::path& arquivo, uint64_t maximoQuadros) {
  LeitorWav leitor(arquivo);
  if (leitor.quadros() > maximoQuadros) {
    throw DataFormatException(
        "the WAV file is too long to read whole: " + std::to_string(leitor.quadros()) + " frames");
  }
  Som som;
  som.taxa = leitor.taxa();
  som.amostras.resize(static_cast<std::size_t>(leitor.quadros()));
  std::size_t lidas = 0;
  while (std::size_t n = leitor.ler(som.amostras.data() + lidas, som.amostras.size() - lidas)) {
    lidas += n;
  }
  som.amostras.resize(lidas);
  return som;
}

}  // namespace tessara
