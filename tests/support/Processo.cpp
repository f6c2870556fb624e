#include "Processo.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "PastaTemporaria.h"

namespace tessara::teste {

ResultadoProcesso executarProcesso(const std::string& programa,
                                   const std::vector<std::string>& argumentos,
                                   const std::map<std::string, std::string>& ambiente,
                                   const std::string& entrada) {
  // Files instead of pipes: no deadlock however much the program writes.
  PastaTemporaria pasta;
  const auto arquivoEntrada = pasta.escrever("entrada", entrada);
  const auto arquivoSaida = pasta / "saida";
  const auto arquivoErros = pasta / "erros";

  const pid_t filho = ::fork();
  if (filho < 0) throw std::runtime_error("fork failed");
  if (filho == 0) {
    for (const auto& [nome, valor] : ambiente) ::setenv(nome.c_str(), valor.c_str(), 1);
    if (!std::freopen(arquivoEntrada.c_str(), "rb", stdin) ||
        !std::freopen(arquivoSaida.c_str(), "wb", stdout) ||
        !std::freopen(arquivoErros.c_str(), "wb", stderr)) {
      ::_exit(127);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programa.c_str()));
    for (const auto& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(programa.c_str(), argv.data());
    ::_exit(127);
  }
  int estado = 0;
  ::waitpid(filho, &estado, 0);
  ResultadoProcesso r;
  r.status = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  r.saida = lerArquivo(arquivoSaida);
  r.erros = lerArquivo(arquivoErros);
  return r;
}

}  // namespace tessara::teste
