#pragma once

#include <exception>
#include <string>
#include <utility>
#include <vector>

namespace tessara {

// Root of every failure the core reports. The message is ready to show (usually already
// translated); the trace names where it was raised, for whoever wants the details.
class DException : public std::exception {
 public:
  DException() = default;
  explicit DException(std::string mensagem);
  DException(std::string mensagem, const std::string& nomeClasse, const std::string& nomeMetodo);

  const char* what() const noexcept override;
  virtual std::string getMensagemCompleta() const;

  std::string getMensagem() const { return mensagem_; }
  const std::vector<std::string>& getRastro() const { return rastro_; }
  void adicionarRastro(const std::string& nomeClasse, const std::string& nomeMetodo);

 private:
  std::string mensagem_;
  std::vector<std::string> rastro_;
};

}  // namespace tessara
