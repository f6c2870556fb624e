#pragma once

namespace tessara {

// Where users are asked to write when something is broken beyond repair.
inline constexpr const char* EMAIL_SUPORTE = "support@tessara.app";

}  // namespace tessara
