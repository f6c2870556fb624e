#include "LeituraSom.h"

#include <vector>

#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "ouvir/LeitorWav.h"
#include "ouvir/TaxaAmostragem.h"

namespace tessara {

namespace {

constexpr std::size_t BLOCO = 1 << 15;

}  // namespace

bool LeituraSom::ler(const std::string& arquivo, const std::string& comando, std::ostream& erros,
                     const Inicio& inicio, const Bloco& bloco) {
  const std::string prefixo = "tessara-cli: " + comando + ": " + arquivo + ": ";
  try {
    LeitorWav leitor{std::filesystem::path(arquivo)};
    if (!TaxaAmostragem::aceita(leitor.taxa())) {
      erros << prefixo << "a sample rate of " << leitor.taxa()
            << " Hz cannot be listened to (4000 to 384000 Hz can)\n";
      return false;
    }
    if (leitor.quadros() == 0) {
      erros << prefixo << "the file holds no sound\n";
      return false;
    }
    inicio(leitor.taxa());
    std::vector<float> amostras(BLOCO);
    while (const std::size_t n = leitor.ler(amostras.data(), amostras.size())) {
      bloco(amostras.data(), n);
    }
    return true;
  } catch (const DException& e) {
    erros << prefixo << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return false;
  }
}

}  // namespace tessara
