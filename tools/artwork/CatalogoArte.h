#pragma once

#include <QImage>
#include <functional>
#include <map>
#include <string>

namespace tessara::arte {

// The pictures the language files may name, each drawn by one function.
class CatalogoArte {
 public:
  CatalogoArte();

  // Throws std::invalid_argument for a name the catalogue does not hold.
  QImage desenhar(const std::string& nome) const;

 private:
  std::map<std::string, std::function<QImage()>> desenhos_;
};

}  // namespace tessara::arte
