#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "instruments/InstrumentoCordas.h"

namespace tessara {

class Textos;
class XMLInstrumentoParser;

// Owns the numbered instrument list and the current instrument. Indexes 0..n-1 are the
// built-in instruments (the guitar, then the cavaquinho); index n + k is position k of the
// user's instrument base file. Built-in instruments cannot be changed or removed.
class GerenciadorInstrumentos {
 public:
  static constexpr int NUMERO_PADROES = 2;

  // Builds the built-in instruments with the texts of the current language; reads no file.
  // A base that is `somenteLeitura` (the shipped one, when the user's folder cannot be
  // written) refuses every change.
  GerenciadorInstrumentos(const Textos& idioma, XMLInstrumentoParser& parser,
                          std::filesystem::path arquivoBase, bool somenteLeitura = false);

  // Nothing before the first selection. Valid while current or previous.
  const InstrumentoCordas* getInstrumentoAtual() const { return atual_.get(); }
  const InstrumentoCordas* getInstrumentoAnterior() const { return anterior_.get(); }
  void guardarAnterior() { anterior_ = atual_; }

  // A negative index changes nothing; a failed read leaves the current instrument as it was.
  void setInstrumento(int indice);
  std::string getNomeInstrumentoAtual() const { return nomeAtual_; }

  // Built-in names, then the file's. FileNotFoundException when the base file is missing; a
  // base that exists but cannot be read gives the built-in names alone, and getAvisoBase()
  // says why.
  std::vector<std::string> getNomesInstrumentos();
  // Every instrument of the list, in order, reading the file once; as getNomesInstrumentos
  // when the file is missing, XMLParseException when one of its instruments is damaged.
  std::vector<InstrumentoCordas> getInstrumentos();
  // The instrument of that index; OutOfBoundsException past the end of the list.
  InstrumentoCordas getInstrumento(int indice);
  int getNumeroPadroes() const { return static_cast<int>(padroes_.size()); }
  // True when some name of the list is exactly the instrument's name.
  bool instrumentoExistente(const InstrumentoCordas& instrumento);

  // Appends to the file; IllegalArgumentException when the name exists already.
  void addInstrumento(const InstrumentoCordas& instrumento);
  // Both do nothing for a negative index or a built-in instrument; neither touches the current
  // or previous instrument, so the caller selects again afterwards.
  void editInstrumento(int indice, const InstrumentoCordas& instrumento);
  void removerInstrumento(int indice);

  const std::filesystem::path& getArquivoBase() const { return arquivoBase_; }
  // Why the last reading of the base left its instruments out (the file, the reason, whether
  // a copy was kept and whether changes are refused), ready to show; empty when it read.
  const std::string& getAvisoBase() const { return aviso_; }

 private:
  bool ehDoArquivo(int indice) const { return indice >= getNumeroPadroes(); }
  int posicaoNoArquivo(int indice) const;
  void verificarArquivo() const;
  void verificarEscrita(const char* metodo) const;
  template <typename Leitura>
  auto lerDoArquivo(Leitura ler) -> decltype(ler());

  const Textos& idioma_;
  XMLInstrumentoParser& parser_;
  bool somenteLeitura_ = false;
  std::filesystem::path arquivoBase_;
  std::vector<std::shared_ptr<const InstrumentoCordas>> padroes_;
  std::shared_ptr<const InstrumentoCordas> atual_;
  std::shared_ptr<const InstrumentoCordas> anterior_;
  std::string nomeAtual_;
  std::string aviso_;
};

}  // namespace tessara
