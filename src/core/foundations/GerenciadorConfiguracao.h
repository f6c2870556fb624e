#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "foundations/Configuracao.h"
#include "foundations/ReferenciaLa.h"

namespace tessara {

class LeituraArquivo;

// Loads the user settings once and writes them back as the sixteen lines of section "geral",
// in UTF-8. Texts are read as UTF-8 when they are well-formed UTF-8, else as CP1252, so a file
// edited in a UTF-8 editor and one written before both read right. The language of a file
// that names none (the first start) is the one given, the locale's.
// A missing file gives the key defaults; an unreadable or malformed one gives the reset values
// and is kept beside as `<name>.damaged` (the latest one), so that the user's other values are
// not lost when the defaults are written. Only a regular file of at most TAMANHO_MAXIMO bytes
// is read; a larger one, a UTF-16 one, a device, a pipe or a folder counts as damaged (the
// last three are never written through either).
class GerenciadorConfiguracao : public Configuracao {
 public:
  static constexpr size_t TAMANHO_MAXIMO = 64 * 1024;

  explicit GerenciadorConfiguracao(std::filesystem::path arquivo,
                                   std::string idiomaInicial = "English");

  // Applies the settings text the way loading a file does (used by loading and by the fuzzer);
  // false when it was damaged and the reset values were taken.
  bool carregarTexto(std::string_view conteudo);

  // Whether the file read at the start was damaged.
  bool arquivoDanificado() const { return danificado_; }
  static std::filesystem::path arquivoDanificado(const std::filesystem::path& arquivo);

  std::string getIdioma() const { return idioma; }
  // The language to start in next time.
  void setIdioma(const std::string& nome) { idioma = nome; }
  int getDriver() const { return driver; }
  // `usarDispositivo` opens the MIDI device; when it refuses the index with
  // OutOfBoundsException, device 0 is used and stored instead.
  void setDriver(int indice, const std::function<void(int)>& usarDispositivo);
  int8_t getPosicaoBraco() const { return posicaoBraco; }
  void setPosicaoBraco(int8_t valor) { posicaoBraco = valor; }
  std::string getNomeInstrumento() const { return instrumento; }
  void setNomeInstrumento(const std::string& nome) { instrumento = nome; }
  int getExibicaoEscalas() const { return exibicaoEscalas; }
  void setExibicaoEscalas(int valor) { exibicaoEscalas = valor; }
  // A capo fret outside 0..CAPO_MAXIMO reads as none.
  static constexpr int CAPO_MAXIMO = 12;
  int getCapo() const { return capo; }
  void setCapo(int casa) { capo = casa; }
  std::string getDisposicao() const { return disposicao; }
  void setDisposicao(const std::string& nome) { disposicao = nome; }
  // The main window's size in percent; outside the range it reads as 100.
  static constexpr int ESCALA_MINIMA = 100;
  static constexpr int ESCALA_MAXIMA = 200;
  int getEscala() const { return escala; }
  void setEscala(int porcento) { escala = std::clamp(porcento, ESCALA_MINIMA, ESCALA_MAXIMA); }

  // Scales on the whole neck rather than position by position.
  bool getBracoInteiro() const { return bracoInteiro != 0; }
  void setBracoInteiro(bool inteiro) { bracoInteiro = inteiro ? 1 : 0; }

  // The sound input's device by name; empty for the system's default.
  std::string getEntradaAudio() const { return entradaAudio; }
  void setEntradaAudio(const std::string& nome) { entradaAudio = nome; }
  // The tuner's reference A in hertz; outside the range it reads as 440.
  int getReferenciaLa() const { return referenciaLa; }
  void setReferenciaLa(int hz) {
    referenciaLa = std::clamp(hz, ReferenciaLa::MINIMO, ReferenciaLa::MAXIMO);
  }

  // The seventeen lines the settings file holds.
  std::string conteudoArquivo() const;

  // Writes the file atomically; a failure leaves the old file intact and `erro` (when given)
  // receives the reason.
  bool salvar(std::string* erro = nullptr) const;

  const std::filesystem::path& getArquivo() const { return arquivo_; }

 private:
  void aplicarValoresReinicio();
  void guardarDanificado(const LeituraArquivo& leitura) const;

  std::filesystem::path arquivo_;
  std::string idiomaInicial_;
  bool danificado_ = false;
};

}  // namespace tessara
