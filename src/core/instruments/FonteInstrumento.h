#pragma once

#include <functional>

namespace tessara {

class InstrumentoCordas;

// The instrument that is current when asked; nothing before the first selection. The
// generators and the print job ask it each time, so that they follow the user's choice.
using FonteInstrumento = std::function<const InstrumentoCordas*()>;

}  // namespace tessara
