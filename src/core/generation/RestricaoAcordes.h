#pragma once

#include <string>
#include <vector>

namespace tessara {

// The thresholds that decide which candidate fingerings the generator accepts: which chord
// tones may be left out, how often each may sound, how many different ones must sound, and
// which strings may stay silent. Fixed at construction.
class RestricaoAcordes {
 public:
  // Indexes of `getMaximoRepeticoes`.
  static constexpr int RAIZ = 0;
  static constexpr int TERCA = 1;
  static constexpr int QUINTA = 2;
  static constexpr int SETIMA_E_TENSOES = 4;

  // Muting modes: silent strings only as one block from the lowest string, or only as one of
  // the patterns; any other value lets every string be silent.
  static constexpr int ABAFAR_GRAVES = 1;
  static constexpr int ABAFAR_GRAVES_2 = 2;
  static constexpr int ABAFAR_PADROES = 3;

  RestricaoAcordes();

  bool permiteOmitirQuinta() const { return omitirQuinta_; }
  bool permiteOmitirTerca() const { return omitirTerca_; }
  bool permiteUnissono() const { return unissono_; }
  bool permiteSegundaMenor() const { return segundaMenor_; }
  int getModoAbafamento() const { return modoAbafamento_; }
  int getMinimoNotas() const { return minimoNotas_; }
  // Index 0 root, 1 third, 2 fifth, 3 unused (-1), 4 seventh and each tension; unchecked.
  int getMaximoRepeticoes(int indice) const {
    return maximoRepeticoes_[static_cast<size_t>(indice)];
  }
  // Character k of a pattern is string k (the lowest first): "x" silent, "o" sounding.
  std::vector<std::string> getPadroes() const { return padroes_; }
  const std::vector<std::string>& padroes() const { return padroes_; }
  // A fingering sounds at least this many strings, on every instrument.
  int getMinimoCordas() const { return 4; }
  // A power chord (root and fifth) is played on three strings as well, the others silent as
  // these patterns show, besides the patterns above.
  int getMinimoCordasQuinta() const { return 3; }
  const std::vector<std::string>& padroesQuinta() const { return padroesQuinta_; }

 private:
  bool omitirQuinta_ = true;
  bool omitirTerca_ = true;
  bool unissono_ = true;
  bool segundaMenor_ = true;
  int modoAbafamento_ = ABAFAR_PADROES;
  int minimoNotas_ = 3;
  std::vector<int> maximoRepeticoes_;
  std::vector<std::string> padroes_;
  std::vector<std::string> padroesQuinta_;
};

}  // namespace tessara
