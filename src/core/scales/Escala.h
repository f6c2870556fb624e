#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tessara {

// A scale as a name and the semitone offsets of its notes above a root, in playing order (the
// octave note included when the scale ends on it). One definition serves every key.
class Escala final {
 public:
  Escala() = default;
  Escala(std::string nome, std::vector<int> notas)
      : notas_(std::move(notas)), nome_(std::move(nome)) {}

  // Scales are the same when their offsets are; the names do not count.
  bool equals(const Escala& outra) const { return notas_ == outra.notas_; }
  bool operator==(const Escala& outra) const { return equals(outra); }
  bool operator!=(const Escala& outra) const { return !equals(outra); }

  // Name order, byte by byte as signed characters; among names of the same first letter, one
  // whose second character is an accidental ("#" or "b") comes after one whose is not.
  bool menorQue(const Escala& outra) const;

  const std::string& getNome() const { return nome_; }
  std::vector<int> getNotas() const { return notas_; }
  void setNome(std::string nome) { nome_ = std::move(nome); }
  void setNotas(std::vector<int> notas) { notas_ = std::move(notas); }

 private:
  std::vector<int> notas_;
  std::string nome_;
};

}  // namespace tessara
