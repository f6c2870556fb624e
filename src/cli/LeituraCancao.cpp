#include "LeituraCancao.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "chords/EscritorChordPro.h"
#include "chords/LeitorCancao.h"
#include "chords/TransposicaoCancao.h"
#include "foundations/Cp1252.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

const char* descricao(LeitorCancao::Problema problema) {
  using P = LeitorCancao::Problema;
  switch (problema) {
    case P::LinhaLonga: return "longer than 4096 bytes, left out";
    case P::CaracterNulo: return "NUL bytes left out";
    case P::ColcheteSemPar: return "square bracket without its pair, left out";
    case P::ChaveSemPar: return "brace that opens no directive, kept as lyrics";
    case P::DiretivaDesconhecida: return "unknown directive, kept as written";
    case P::DefinicaoInvalida: return "define whose frets cannot be read, kept as written";
    case P::BlocoSemFim: return "tab block never closed, kept as written to the end";
  }
  return "";
}

}  // namespace

bool LeituraCancao::lerBytes(const std::string& arquivo, std::string& bytes, std::ostream& erros) {
  if (arquivo == "-") {
    bytes.assign(std::istreambuf_iterator<char>(std::cin), {});
    return true;
  }
  std::error_code erro;
  std::ifstream entrada;
  if (!std::filesystem::is_directory(arquivo, erro)) entrada.open(arquivo, std::ios::binary);
  if (entrada) bytes.assign(std::istreambuf_iterator<char>(entrada), {});
  if (!entrada.is_open() || entrada.bad()) {
    erros << "tessara-cli: cannot read '" << arquivo << "'\n";
    return false;
  }
  return true;
}

std::string LeituraCancao::emCp1252(const std::string& bytes, const std::string& comando,
                                    std::ostream& erros) {
  if (cp1252::utf8Valido(bytes)) return cp1252::deUtf8(bytes);
  const auto linhas = texto::linhas(bytes);
  for (size_t i = 0; i < linhas.size(); ++i) {
    if (!cp1252::utf8Valido(linhas[i])) {
      erros << "tessara-cli: " << comando << ": line " << i + 1
            << ": not UTF-8, the text is read as Windows-1252\n";
      break;
    }
  }
  return bytes;
}

std::optional<std::string> LeituraCancao::transporChordPro(const std::string& texto, int semitons,
                                                           const IdiomaAcordes& idioma,
                                                           const std::string& comando,
                                                           std::ostream& erros) {
  if (!LeitorCancao::temDiretiva(texto)) return std::nullopt;
  Cancao cancao = ler(texto, idioma, comando, erros);
  TransposicaoCancao(idioma).transpor(cancao, semitons);
  return EscritorChordPro::escrever(cancao);
}

std::optional<std::vector<std::string>> LeituraCancao::acordesChordPro(const std::string& texto,
                                                                       const IdiomaAcordes& idioma,
                                                                       const std::string& comando,
                                                                       std::ostream& erros) {
  if (!LeitorCancao::temDiretiva(texto)) return std::nullopt;
  return ler(texto, idioma, comando, erros).acordes(idioma);
}

Cancao LeituraCancao::ler(const std::string& texto, const IdiomaAcordes& idioma,
                          const std::string& comando, std::ostream& erros) {
  LeitorCancao leitor(idioma);
  Cancao cancao = leitor.ler(texto);
  for (const auto& aviso : leitor.avisos()) {
    erros << "tessara-cli: " << comando << ": line " << aviso.linha << ": "
          << descricao(aviso.problema) << '\n';
  }
  return cancao;
}

}  // namespace tessara
