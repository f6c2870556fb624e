#include "sound/ArquivoWav.h"

#include <sys/stat.h>

#include <string>

namespace tessara {

namespace {

constexpr uint32_t kBytesPorQuadro = ArquivoWav::CANAIS * 2;

void escreverLE(std::string& destino, uint32_t valor, int bytes) {
  for (int i = 0; i < bytes; ++i) destino.push_back(static_cast<char>((valor >> (8 * i)) & 0xFF));
}

}  // namespace

ArquivoWav::ArquivoWav(const std::filesystem::path& caminho) {
  // Asked before opening: opening a pipe would take its reader, only to leave it empty.
  struct stat estado {};
  if (::stat(caminho.c_str(), &estado) == 0 &&
      (S_ISFIFO(estado.st_mode) || S_ISSOCK(estado.st_mode))) {
    recusa_ = caminho.string() +
              ": a pipe cannot take a WAV file, whose length is written before its sound; "
              "name a file";
    return;
  }
  arquivo_ = std::make_unique<ArquivoAtomico>(caminho, ArquivoAtomico::Destino::qualquer);
  aberto_ = arquivo_->aberto();
  if (aberto_) arquivo_->acrescentar(cabecalho());
}

ArquivoWav::~ArquivoWav() { concluir(); }

bool ArquivoWav::concluir() {
  if (!aberto_ || concluido_) return concluido_;
  concluido_ = arquivo_->confirmar();
  aberto_ = false;
  return concluido_;
}

std::string ArquivoWav::cabecalho() const {
  const auto dados = static_cast<uint32_t>(quadros_ * kBytesPorQuadro);
  std::string cabecalho = "RIFF";
  escreverLE(cabecalho, 36 + dados, 4);
  cabecalho += "WAVEfmt ";
  escreverLE(cabecalho, 16, 4);  // size of the format chunk
  escreverLE(cabecalho, 1, 2);   // PCM
  escreverLE(cabecalho, CANAIS, 2);
  escreverLE(cabecalho, TAXA, 4);
  escreverLE(cabecalho, TAXA * kBytesPorQuadro, 4);  // bytes per second
  escreverLE(cabecalho, kBytesPorQuadro, 2);
  escreverLE(cabecalho, 16, 2);  // bits per sample
  cabecalho += "data";
  escreverLE(cabecalho, dados, 4);
  return cabecalho;
}

void ArquivoWav::acrescentar(const int16_t* amostras, size_t quadros) {
  if (!aberto_ || quadros == 0) return;
  std::string bytes;
  bytes.reserve(quadros * kBytesPorQuadro);
  for (size_t i = 0; i < quadros * CANAIS; ++i) {
    escreverLE(bytes, static_cast<uint16_t>(amostras[i]), 2);
  }
  arquivo_->acrescentar(bytes);
  quadros_ += quadros;
  arquivo_->escreverEm(0, cabecalho());
}

}  // namespace tessara
