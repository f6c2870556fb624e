#include "scales/BaseEscalas.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "foundations/Cp1252.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/Texto.h"
#include "foundations/Textos.h"
#include "foundations/XMLParseException.h"

namespace tessara {

namespace {

const char* const CLASSE = "BaseEscalas";
const char* const ESCALA = "escala";
const char* const NOME = "nome";
const char* const FREQUENCIA = "frequencia";

// The element whose text the reader would take; the empty text outside every scale.
struct Leitura {
  std::string estado;
  std::string nome;
  std::vector<int> notas;
  bool notaInvalida = false;  // an offset of the scale being read is not an integer
  int contador = 0;
  std::optional<Escala> resultado;
  bool resultadoInvalido = false;
};

void aoAbrir(Leitura& l, const std::string& tag) {
  if (tag == ESCALA && l.estado.empty()) {
    l.estado = ESCALA;
  } else if ((tag == NOME || tag == FREQUENCIA) && l.estado == ESCALA) {
    l.estado = tag;
  }
}

// The working name survives the end of a scale: the next one without `nome` borrows it.
void aoFechar(Leitura& l, const std::string& tag, int posicao) {
  if (tag == ESCALA) {
    l.estado.clear();
    if (l.contador == posicao) {
      l.resultado = Escala(l.nome, l.notas);
      l.resultadoInvalido = l.notaInvalida;
    }
    l.notas.clear();
    l.notaInvalida = false;
    ++l.contador;
  } else if ((tag == NOME || tag == FREQUENCIA) && l.estado == tag) {
    l.estado = ESCALA;
  }
}

}  // namespace

BaseEscalas::BaseEscalas(const Textos& idioma, std::filesystem::path arquivo)
    : idioma_(idioma), arquivo_(std::move(arquivo)) {}

void BaseEscalas::carregar(const char* metodo) {
  std::error_code erro;
  if (!std::filesystem::is_regular_file(arquivo_, erro)) {
    const std::string caminho = cp1252::deUtf8(arquivo_.string());
    throw FileNotFoundException(
        idioma_.getTexto("exception", "baseEscalasNaoEncontrada") + caminho + "'", caminho, CLASSE,
        metodo);
  }
  xml_.LoadFromFile(arquivo_);
}

std::vector<std::string> BaseEscalas::lerNomes() {
  std::vector<std::string> nomes;
  std::string estado;
  xml_.StartScan();
  while (xml_.Scan()) {
    const std::string& tag = xml_.TagName();
    switch (xml_.PartKind()) {
      case ptStartTag:
        if (tag == ESCALA && estado.empty()) {
          estado = ESCALA;
        } else if (tag == NOME && estado == ESCALA) {
          estado = NOME;
        }
        break;
      case ptEndTag:
        if (tag == ESCALA) {
          estado.clear();
        } else if (tag == NOME) {
          estado = ESCALA;
        }
        break;
      case ptContent:
        if (estado == NOME) nomes.push_back(xml_.Content());
        break;
      default: break;
    }
  }
  return nomes;
}

std::optional<Escala> BaseEscalas::lerEscala(int posicao) {
  Leitura leitura;
  xml_.StartScan();
  // What follows the scale asked for cannot change it: the reading ends there.
  while (leitura.contador <= posicao && xml_.Scan()) {
    switch (xml_.PartKind()) {
      case ptStartTag: aoAbrir(leitura, xml_.TagName()); break;
      case ptEndTag: aoFechar(leitura, xml_.TagName(), posicao); break;
      case ptContent:
        if (leitura.estado == NOME) {
          leitura.nome = xml_.Content();
        } else if (leitura.estado == FREQUENCIA) {
          const auto nota = texto::inteiro(xml_.Content());
          if (nota) leitura.notas.push_back(*nota);
          leitura.notaInvalida |= !nota;
        }
        break;
      default: break;
    }
  }
  // Only the scale asked for counts: one damaged scale does not make the others unreadable.
  if (leitura.resultadoInvalido) {
    throw XMLParseException(idioma_.getTexto("exception", "parseError") + FREQUENCIA + ")",
                            FREQUENCIA, CLASSE, "getEscala");
  }
  return std::move(leitura.resultado);
}

std::vector<std::string> BaseEscalas::getNomesEscalas() {
  carregar("getNomesEscalas");
  return lerNomes();
}

std::optional<Escala> BaseEscalas::getEscala(int posicao) {
  carregar("getEscala");
  return lerEscala(posicao);
}

int BaseEscalas::indiceEscala(const std::string& nome) {
  const auto nomes = getNomesEscalas();
  return static_cast<int>(std::find(nomes.begin(), nomes.end(), nome) - nomes.begin());
}

int BaseEscalas::numeroEscalas() { return static_cast<int>(getNomesEscalas().size()); }

std::vector<std::string> BaseEscalas::nomesDoTexto(std::string documento) {
  xml_.LoadFromBuffer(std::move(documento));
  return lerNomes();
}

std::optional<Escala> BaseEscalas::escalaDoTexto(std::string documento, int posicao) {
  xml_.LoadFromBuffer(std::move(documento));
  return lerEscala(posicao);
}

}  // namespace tessara
