#include "FolhaContato.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "DesenhistaArte.h"
#include "DesenhistaBraco.h"
#include "ReferenciasImagem.h"

namespace tessara::arte {

namespace {

constexpr int kColunas = GeometriaBraco::NUMERO_ORIENTACOES;
constexpr int kMargem = 12;
constexpr int kAlturaRotulo = 20;

struct Nota {
  int corda;
  int casa;
  bool raiz;
  int dedo;  // 0: open string, no label
};

// An open chord and one up the neck, so both ends of the fret table are seen.
std::vector<Nota> acordes(int cordas) {
  switch (cordas) {
    case 6:
      // E-C-E-G-C-E (C/E) and A at the twelfth fret.
      return {{0, 0, false, 0},  {1, 3, true, 3},   {2, 2, false, 2},  {3, 0, false, 0},
              {4, 1, false, 1},  {5, 0, false, 0},  {1, 12, true, 1},  {2, 14, false, 3},
              {3, 14, false, 3}, {4, 14, false, 3}, {5, 12, false, 1}, {0, 13, false, 2}};
    case 5:
      return {{0, 0, true, 0},   {1, 2, false, 2}, {2, 2, false, 3},  {3, 1, false, 1},
              {4, 0, false, 0},  {0, 12, true, 1}, {1, 14, false, 3}, {2, 14, false, 4},
              {3, 13, false, 2}, {4, 12, false, 1}};
    default:
      return {{0, 0, true, 0},  {1, 2, false, 1},  {2, 2, false, 2},  {3, 0, false, 0},
              {0, 10, true, 1}, {1, 12, false, 3}, {2, 12, false, 4}, {3, 10, false, 1}};
  }
}

struct Entrada {
  std::string chave;
  std::string nome;
};

// Keys of section fmPrincipal whose values name pictures, in file order.
std::vector<Entrada> entradas(std::string_view idm) {
  std::vector<Entrada> r;
  bool naSecao = false;
  while (!idm.empty()) {
    const auto fim = idm.find('\n');
    std::string linha(idm.substr(0, fim));
    idm.remove_prefix(fim == std::string_view::npos ? idm.size() : fim + 1);
    while (!linha.empty() && (linha.back() == '\r' || linha.back() == ' ')) linha.pop_back();
    if (!linha.empty() && linha.front() == '[') {
      naSecao = linha == "[fmPrincipal]";
      continue;
    }
    const auto igual = linha.find('=');
    if (!naSecao || igual == std::string::npos) continue;
    const std::string nome = ReferenciasImagem::nomeReferido(linha.substr(igual + 1));
    if (!nome.empty()) r.push_back({linha.substr(0, igual), nome});
  }
  return r;
}

}  // namespace

QImage FolhaContato::desenhar(std::string_view idm, qreal escala) const {
  std::vector<std::pair<std::string, const FundoBraco*>> fundos;
  std::map<std::string, std::string> nomes;
  for (const auto& e : entradas(idm)) {
    nomes[e.chave] = e.nome;
    if (const FundoBraco* f = DesenhistaBraco::fundo(e.nome)) fundos.emplace_back(e.chave, f);
  }
  if (fundos.empty()) throw std::invalid_argument("no fretboard backgrounds in [fmPrincipal]");
  if (!nomes.count("imgDedoVermelho") || !nomes.count("imgDedoAzul")) {
    throw std::invalid_argument("imgDedoVermelho and imgDedoAzul are needed for the dots");
  }
  const QImage vermelho = catalogo_.desenhar(nomes["imgDedoVermelho"]);
  const QImage azul = catalogo_.desenhar(nomes["imgDedoAzul"]);

  const int largura = static_cast<int>(std::lround(GeometriaBraco::LARGURA_FUNDO * escala));
  const int altura = static_cast<int>(std::lround(GeometriaBraco::ALTURA_FUNDO * escala));
  const int linhas = (static_cast<int>(fundos.size()) + kColunas - 1) / kColunas;
  QImage folha(kMargem + kColunas * (largura + kMargem),
               kMargem + linhas * (kAlturaRotulo + altura + kMargem), QImage::Format_RGB32);
  folha.fill(QColor(0x2b, 0x2b, 0x2b));
  QPainter p(&folha);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  const QFont fonteChave =
      DesenhistaArte::fonte(QStringLiteral("Liberation Sans"), 13, QFont::Normal);
  const QFont fonteDedo = DesenhistaArte::fonte(QStringLiteral("Liberation Sans"), 12, QFont::Bold);

  for (size_t i = 0; i < fundos.size(); ++i) {
    const auto& [chave, fundo] = fundos[i];
    const int x = kMargem + static_cast<int>(i % kColunas) * (largura + kMargem);
    const int y = kMargem + static_cast<int>(i / kColunas) * (kAlturaRotulo + altura + kMargem);
    p.setPen(QColor(0xe8, 0xe8, 0xe8));
    p.setFont(fonteChave);
    p.drawText(QRect(x, y, largura, kAlturaRotulo), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(chave));

    // From here on, the program's logical pixels, as the widget draws.
    p.save();
    p.translate(x, y + kAlturaRotulo);
    p.scale(escala, escala);
    p.drawImage(QRectF(0, 0, GeometriaBraco::LARGURA_FUNDO, GeometriaBraco::ALTURA_FUNDO),
                catalogo_.desenhar(fundo->nome));
    const GeometriaBraco g(fundo->cordas, fundo->orientacao, fundo->brasileiro);
    constexpr int lado = GeometriaBraco::LADO_PONTO;
    for (const auto& nota : acordes(fundo->cordas)) {
      const int cx = g.getXCasas().at(static_cast<size_t>(nota.casa));
      const int cy = g.getYCordas().at(static_cast<size_t>(nota.corda));
      const QRectF caixa(cx - lado / 2, cy - lado / 2, lado, lado);
      QPainterPath circulo;
      circulo.addEllipse(caixa);
      p.save();
      p.setClipPath(circulo);
      p.drawImage(caixa, nota.raiz ? vermelho : azul);
      p.restore();
      if (nota.dedo == 0) continue;
      // White labels on the open chord, black up the neck: both must read on both colours.
      p.setPen(nota.casa < 5 ? Qt::white : Qt::black);
      p.setFont(fonteDedo);
      p.drawText(caixa, Qt::AlignCenter, QString::number(nota.dedo));
    }
    p.restore();
  }
  p.end();
  return folha;
}

}  // namespace tessara::arte
