#pragma once

namespace tessara::alsa {

// Keeps the ALSA library from printing its own errors on the terminal: a sound card or a
// sequencer that is missing is normal here and is handled by the ports.
void silenciarErros();

}  // namespace tessara::alsa
