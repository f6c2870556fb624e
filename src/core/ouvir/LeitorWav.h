#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <vector>

namespace tessara {

// A WAV file read as mono float samples, block by block, so that an hour of sound never has
// to fit in memory. Integer PCM of 8, 16, 24 or 32 bits and float of 32 or 64 bits, any number
// of channels (averaged). What the file cannot be read as raises DataFormatException saying
// why; sound cut short is read as far as it goes, whatever size the header claims.
class LeitorWav {
 public:
  // A mono sound held whole.
  struct Som {
    double taxa = 0;
    std::vector<float> amostras;
  };

  explicit LeitorWav(const std::filesystem::path& arquivo);
  explicit LeitorWav(std::unique_ptr<std::istream> entrada);
  ~LeitorWav();

  int taxa() const { return taxa_; }
  int canais() const { return canais_; }
  int bits() const { return bits_; }
  // Frames the file really holds (never more than its data chunk claims).
  uint64_t quadros() const { return quadros_; }
  double duracao() const { return static_cast<double>(quadros_) / taxa_; }

  // Up to `n` mono samples into `destino`; how many were read, 0 at the end.
  std::size_t ler(float* destino, std::size_t n);

  // The whole file; DataFormatException for one over `maximoQuadros` frames.
  static Som lerTudo(const std::filesystem::path& arquivo, uint64_t maximoQuadros = 1u << 28);

 private:
  void lerCabecalho();
  void lerFormato(uint32_t tamanho);
  float amostra(const unsigned char* p) const;

  std::unique_ptr<std::istream> entrada_;
  int taxa_ = 0;
  int canais_ = 0;
  int bits_ = 0;
  bool flutuante_ = false;
  uint64_t quadros_ = 0;
  uint64_t lidos_ = 0;
  std::vector<unsigned char> bloco_;
};

}  // namespace tessara
