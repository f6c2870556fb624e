#pragma once

#include <vector>

namespace tessara {

// The middle value, steady against the odd wrong estimate as a mean is not.
class Mediana {
 public:
  // The median of the values (the upper one of an even count); 0 for none.
  static double de(std::vector<double> valores);
};

}  // namespace tessara
