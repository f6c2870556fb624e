#include "instruments/TraducaoInstrumentos.h"

#include "foundations/Textos.h"

namespace tessara {

namespace {

// Far more than the base ships; the entries are numbered without gaps.
constexpr int ENTRADAS_MAXIMAS = 64;

}  // namespace

std::string TraducaoInstrumentos::texto(const char* chave, int numero) const {
  return textos_.getTexto(SECAO, std::string(chave) + std::to_string(numero));
}

int TraducaoInstrumentos::entrada(const std::string& armazenado) const {
  if (armazenado.empty()) return 0;
  for (int i = 1; i <= ENTRADAS_MAXIMAS; ++i) {
    const std::string nome = texto("nome", i);
    if (nome.empty()) return 0;
    if (nome == armazenado) return i;
  }
  return 0;
}

std::string TraducaoInstrumentos::nome(const std::string& armazenado) const {
  const int i = entrada(armazenado);
  const std::string traduzido = i == 0 ? std::string() : texto("traducao", i);
  return traduzido.empty() ? armazenado : traduzido;
}

std::string TraducaoInstrumentos::descricao(const std::string& nomeArmazenado,
                                            const std::string& descricaoArmazenada) const {
  const int i = entrada(nomeArmazenado);
  const std::string traduzida = i == 0 ? std::string() : texto("descricao", i);
  return traduzida.empty() ? descricaoArmazenada : traduzida;
}

}  // namespace tessara
