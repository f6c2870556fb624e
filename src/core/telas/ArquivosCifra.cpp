#include "telas/ArquivosCifra.h"

#include <algorithm>
#include <cctype>

#include "foundations/ArquivoAtomico.h"
#include "foundations/Cp1252.h"
#include "foundations/LeituraArquivo.h"

namespace tessara {

namespace {

const char* const ULTIMA = "cifra.txt";
const char* const RECENTES = "cifras-recentes.txt";

}  // namespace

std::optional<std::string> ArquivosCifra::ultima() const {
  std::string motivo;
  return abrir(pasta_ / ULTIMA, motivo);
}

bool ArquivosCifra::guardar(std::string_view folha, std::string* erro) const {
  return ArquivoAtomico::escrever(pasta_ / ULTIMA, folha, erro);
}

std::vector<std::filesystem::path> ArquivosCifra::recentes() const {
  std::vector<std::filesystem::path> arquivos;
  const auto leitura = LeituraArquivo::ler(pasta_ / RECENTES, 64 * 1024);
  if (!leitura.lida()) return arquivos;
  std::string_view resto = leitura.conteudo();
  while (!resto.empty() && arquivos.size() < MAXIMO_RECENTES) {
    const auto fim = resto.find('\n');
    const std::string_view linha = resto.substr(0, fim);
    resto = fim == std::string_view::npos ? std::string_view{} : resto.substr(fim + 1);
    std::error_code erro;
    if (!linha.empty() && std::filesystem::is_regular_file(linha, erro)) {
      arquivos.emplace_back(linha);
    }
  }
  return arquivos;
}

void ArquivosCifra::lembrar(const std::filesystem::path& arquivo) const {
  std::error_code erro;
  const auto absoluto = std::filesystem::absolute(arquivo, erro);
  auto lista = recentes();
  lista.erase(std::remove(lista.begin(), lista.end(), absoluto), lista.end());
  lista.insert(lista.begin(), absoluto);
  if (lista.size() > MAXIMO_RECENTES) lista.resize(MAXIMO_RECENTES);
  std::string texto;
  for (const auto& caminho : lista) texto += caminho.string() + '\n';
  ArquivoAtomico::escrever(pasta_ / RECENTES, texto);
}

std::optional<std::string> ArquivosCifra::abrir(const std::filesystem::path& arquivo,
                                                std::string& motivo) {
  auto leitura = LeituraArquivo::ler(arquivo, MAIOR_CIFRA);
  if (!leitura.lida()) {
    motivo = leitura.motivo();
    return std::nullopt;
  }
  std::string& bytes = leitura.conteudo();
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  return cp1252::utf8Valido(bytes) ? std::move(bytes) : cp1252::paraUtf8(bytes);
}

bool ArquivosCifra::ehChordPro(const std::filesystem::path& arquivo) {
  std::string extensao = arquivo.extension().string();
  std::transform(extensao.begin(), extensao.end(), extensao.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extensao == ".cho" || extensao == ".chordpro" || extensao == ".pro" || extensao == ".crd";
}

}  // namespace tessara
