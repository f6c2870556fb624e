#include "sound/SilencioAlsa.h"

#include <alsa/asoundlib.h>

namespace tessara::alsa {

namespace {

void descartar(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void silenciarErros() {
  static const bool feito = [] {
    snd_lib_error_set_handler(&descartar);
    return true;
  }();
  (void)feito;
}

}  // namespace tessara::alsa
