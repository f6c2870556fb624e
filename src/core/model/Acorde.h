#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tessara {

// A chord as a name and a 32-bit chord code (root, degree flags, bass). Also the base of
// every fingering. Equality compares codes; order compares names.
class Acorde {
 public:
  Acorde() = default;
  // The name alone: the code stays 0, it is not worked out from the name.
  explicit Acorde(std::string nome) : nome_(std::move(nome)) {}
  // A code with the name it goes by (the parser's canonical name, say).
  Acorde(int32_t codigo, std::string nome) : codigo_(codigo), nome_(std::move(nome)) {}
  Acorde(const Acorde&) = default;
  Acorde& operator=(const Acorde&) = default;
  virtual ~Acorde() = default;

  virtual std::unique_ptr<Acorde> clonar() const;
  virtual bool igual(const Acorde& outro) const { return codigo_ == outro.codigo_; }
  virtual void atribuir(const Acorde& outro);
  virtual bool menorQue(const Acorde& outro) const;

  bool operator==(const Acorde& outro) const { return igual(outro); }
  bool operator!=(const Acorde& outro) const { return !igual(outro); }
  bool operator<(const Acorde& outro) const { return menorQue(outro); }

  std::string getNome() const { return nome_; }
  void setNome(std::string nome) { nome_ = std::move(nome); }
  int32_t getCodigo() const { return codigo_; }
  void setCodigo(int32_t codigo) { codigo_ = codigo; }

  // Chord-name order: byte by byte as signed characters, except that at the second character
  // a name without an accidental ("#" or "b") comes before one with it: C < C7 < Cm < C# < Db.
  static bool ordemNomes(const std::string& a, const std::string& b);

 private:
  int32_t codigo_ = 0;
  std::string nome_;
};

}  // namespace tessara
