#include <gtest/gtest.h>

#include <map>
#include <string>

#include "foundations/Ambiente.h"
#include "foundations/NomeIdioma.h"

namespace tessara {
namespace {

TEST(Ambiente, IdiomaDoLocale) {
  const std::string pt = nomeIdiomaPortugues();
  const struct {
    std::map<std::string, std::string> variaveis;
    std::string idioma;
  } casos[] = {
      {{}, "English"},
      {{{"LANG", "pt_BR.UTF-8"}}, pt},
      {{{"LANG", "pt_PT"}}, pt},
      {{{"LANG", "C"}}, "English"},
      {{{"LANG", "de_DE.UTF-8"}}, "English"},
      {{{"LC_MESSAGES", "pt_BR"}, {"LANG", "en_US.UTF-8"}}, pt},
      {{{"LC_MESSAGES", "en_US"}, {"LANG", "pt_BR.UTF-8"}}, "English"},
      {{{"LC_ALL", "C"}, {"LC_MESSAGES", "pt_BR"}, {"LANG", "pt_BR"}}, "English"},
      {{{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "C"}}, pt},
      // An empty variable counts as not set.
      {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "pt_BR"}}, pt},
      {{{"LANG", "POSIX"}}, "English"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Ambiente::com(c.variaveis).idiomaDoLocale(), c.idioma)
        << ::testing::PrintToString(c.variaveis);
  }
  EXPECT_EQ(Ambiente().ler("LANG"), std::nullopt);
}

}  // namespace
}  // namespace tessara
