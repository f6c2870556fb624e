#pragma once

namespace tessara {

// Marks an action that needs a chosen chord when none is chosen; carries nothing.
class AcordeNaoSelecionadoException {};

}  // namespace tessara
