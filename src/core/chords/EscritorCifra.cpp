#include "chords/EscritorCifra.h"

#include <algorithm>

#include "chords/EscritorChordPro.h"
#include "chords/FolhaCifra.h"
#include "chords/LeitorCancao.h"

namespace tessara {

namespace {

// The chords written in place of their brackets: how a line of chords alone reads.
std::string noLugar(const LinhaCancao& linha) {
  std::string texto;
  size_t copiado = 0;
  for (const auto& marca : linha.marcas) {
    const size_t ate = std::clamp(marca.posicao, copiado, linha.texto.size());
    texto.append(linha.texto, copiado, ate - copiado);
    texto += marca.texto;
    copiado = ate;
  }
  texto.append(linha.texto, copiado);
  return texto;
}

// The chord line and the lyric line under it.
std::pair<std::string, std::string> duasLinhas(const LinhaCancao& linha) {
  std::vector<size_t> posicoes;
  for (const auto& m : linha.marcas) posicoes.push_back(m.posicao);
  const std::string letra = Cancao::semTabs(linha.texto, &posicoes);
  std::string acordes;
  std::string embaixo;
  size_t copiado = 0;
  for (size_t i = 0; i < linha.marcas.size(); ++i) {
    const size_t ate = std::clamp(posicoes[i], copiado, letra.size());
    embaixo.append(letra, copiado, ate - copiado);
    copiado = ate;
    const size_t minimo = acordes.empty() ? 0 : acordes.size() + 1;
    if (embaixo.size() < minimo) embaixo.append(minimo - embaixo.size(), ' ');
    acordes.append(embaixo.size() - acordes.size(), ' ');
    acordes += linha.marcas[i].texto;
  }
  embaixo.append(letra, copiado);
  embaixo.erase(embaixo.find_last_not_of(' ') + 1);
  return {acordes, embaixo};
}

}  // namespace

std::string EscritorCifra::escrever(const Cancao& cancao) const {
  std::string texto;
  const auto& linhas = cancao.linhas();
  for (size_t i = 0; i < linhas.size(); ++i) {
    const LinhaCancao& l = linhas[i];
    if (l.tipo == LinhaCancao::Tipo::Letra && !l.marcas.empty()) {
      texto += letraComAcordes(l, i + 1 < linhas.size() ? &linhas[i + 1] : nullptr);
    } else {
      texto += EscritorChordPro::linha(l);
    }
    texto += '\n';
  }
  return texto;
}

// The first of these forms that reads back into the same line: chords alone in place; the
// same in brackets (when the lyrics after it would take the bare chords as theirs); chords
// over lyrics; the ChordPro line itself, which the sheet reads too.
std::string EscritorCifra::letraComAcordes(const LinhaCancao& linha,
                                           const LinhaCancao* seguinte) const {
  std::string chordPro = EscritorChordPro::linha(linha);
  // Lyrics with a word of text never read as chords alone: no need to try.
  if (FolhaCifra::ehLinhaAcordes(linha.texto, idioma_)) {
    const bool letraDepois = seguinte != nullptr && seguinte->tipo == LinhaCancao::Tipo::Letra &&
                             seguinte->marcas.empty() &&
                             LeitorCancao::ehLetraSimples(seguinte->texto, idioma_);
    if (!letraDepois) {
      std::string soAcordes = noLugar(linha);
      if (reLida(soAcordes, linha)) return soAcordes;
    }
    if (reLida(chordPro, linha)) return chordPro;
  }
  auto [acordes, letra] = duasLinhas(linha);
  // Read back, the two lines may hold blanks where a chord pushed the lyrics, but must be
  // written the same again.
  if (LeitorCancao::linhaSoAcordes(acordes, idioma_) &&
      LeitorCancao::ehLetraSimples(letra, idioma_) &&
      duasLinhas(LeitorCancao::linhaPareada(acordes, letra, idioma_)) ==
          std::make_pair(acordes, letra)) {
    return acordes + '\n' + letra;
  }
  return chordPro;
}

bool EscritorCifra::reLida(const std::string& escrita, const LinhaCancao& linha) const {
  const auto lida = LeitorCancao::linhaSoAcordes(escrita, idioma_);
  return lida && *lida == linha;
}

}  // namespace tessara
