#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "printing/MedidasPagina.h"
#include "printing/Superficie.h"
#include "printing/TrabalhoImpressao.h"

namespace tessara {

class Especialista;

// Lays a print job out page after page on one surface: the heading on the first page (the
// song's title when its text is printed, the program's name, and a web address only when
// there is one), then
// the job's text in a fixed-pitch face and rows of chord diagrams, as the content kind says.
class LayoutImpressao {
 public:
  LayoutImpressao(Superficie& superficie, const MedidasPagina& medidas,
                  const Especialista& especialista);

  // Draws the whole job; returns the number of pages begun.
  int desenhar(const std::string& titulo, const std::string& url,
               const TrabalhoImpressao& trabalho);

  // The lines the text prints as: tabs become two blanks, an empty line becomes one blank,
  // and line ends (LF, CR LF or CR) at the very start and end make no line.
  static std::vector<std::string> linhasTexto(std::string_view texto);

  // How many diagrams go on each row: as few rows as fit `porLinha` each, balanced so that
  // the first rows hold at most one more than the others (10 at 4 a row: 4, 3, 3).
  static std::vector<int> diagramasPorLinha(int diagramas, int porLinha);

  // The job's diagrams in runs: each song as it is, and the diagrams between songs as runs
  // without a heading; together they cover every fingering once, in order.
  static std::vector<TrabalhoImpressao::Grupo> trechos(const TrabalhoImpressao& trabalho);

 private:
  // `cancao`: the title of the song printed, or empty.
  void escreverCabecalho(const std::string& titulo, const std::string& url,
                         const std::string& cancao);
  void escreverLinhaCentrada(const std::string& texto, int altura);
  void escreverTexto(const std::string& texto);
  size_t caracteresVisiveis() const;
  void desenharDiagramas(const TrabalhoImpressao& trabalho);
  void desenharLinhas(const TrabalhoImpressao& trabalho, int primeira, int total);
  void escreverTituloGrupo(const TrabalhoImpressao::Grupo& grupo);
  void desenharCancioneiro(const TrabalhoImpressao& trabalho);
  void escreverConteudo(const std::vector<TrabalhoImpressao::Grupo>& musicas,
                        const TrabalhoImpressao::TextosCancioneiro& textos);
  void escreverLinha(const std::string& texto, int altura, int x);
  void desenharLinha(const TrabalhoImpressao& trabalho, int primeira, int quantidade);
  void avancar(double distancia) { posicaoY_ += distancia; }
  void novaPagina();

  Superficie& superficie_;
  const MedidasPagina& medidas_;
  const Especialista& especialista_;
  double unidadeX_;
  double unidadeY_;
  double posicaoY_ = 0;
  int numeroPaginas_ = 1;
};

}  // namespace tessara
