#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "foundations/Cp1252.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/NotFoundException.h"
#include "foundations/OutOfBoundsException.h"

namespace tessara {

// Owning list of polymorphic values. It stores clones of what it is given, hands out
// borrowed pointers, deep-copies itself and compares through the elements' own operators.
// T needs clonar() (returning a unique_ptr to T or to a base of T), ==, != and <.
template <typename T>
class ColecaoPtr {
 public:
  ColecaoPtr() = default;
  ColecaoPtr(const ColecaoPtr& outra) { assign(outra); }
  ColecaoPtr& operator=(const ColecaoPtr& outra) {
    if (this != &outra) assign(outra);
    return *this;
  }
  ColecaoPtr(ColecaoPtr&&) noexcept = default;
  ColecaoPtr& operator=(ColecaoPtr&&) noexcept = default;
  virtual ~ColecaoPtr() = default;

  virtual void assign(const ColecaoPtr& outra) {
    std::vector<std::unique_ptr<T>> copia;
    copia.reserve(outra.elementos_.size());
    for (const auto& e : outra.elementos_) copia.push_back(clonar(*e));
    elementos_ = std::move(copia);
  }

  virtual bool equals(const ColecaoPtr& outra) const {
    if (elementos_.size() != outra.elementos_.size()) return false;
    for (size_t i = 0; i < elementos_.size(); ++i) {
      if (*elementos_[i] != *outra.elementos_[i]) return false;
    }
    return true;
  }
  bool operator==(const ColecaoPtr& outra) const { return equals(outra); }

  virtual void addElement(const T* elemento) {
    exigir(elemento, "addElement(T*)");
    elementos_.push_back(clonar(*elemento));
  }
  void addElement(const T& elemento) { addElement(&elemento); }
  // Takes an element already made, without copying it.
  void adicionar(std::unique_ptr<T> elemento) {
    exigir(elemento.get(), "adicionar(unique_ptr)");
    elementos_.push_back(std::move(elemento));
  }

  // Takes the first element equal to the key out of the list and hands it to the caller.
  virtual std::unique_ptr<T> removeElement(const T* chave) {
    const size_t i = indiceDe(chave);
    std::unique_ptr<T> retirado = std::move(elementos_[i]);
    elementos_.erase(elementos_.begin() + static_cast<std::ptrdiff_t>(i));
    return retirado;
  }

  virtual void removeAllElements() { elementos_.clear(); }

  virtual void sort() {
    std::sort(elementos_.begin(), elementos_.end(),
              [](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return *a < *b; });
  }

  T* getElement(int indice) const {
    if (static_cast<unsigned>(indice) >= elementos_.size()) {
      throw OutOfBoundsException(TXT("Indice inválido"), indice, "ColecaoPtr<T>",
                                 "getElement(int)");
    }
    return elementos_[static_cast<size_t>(indice)].get();
  }

  T* findElement(const T* chave) const { return elementos_[indiceDe(chave)].get(); }

  int size() const { return static_cast<int>(elementos_.size()); }

 private:
  static void exigir(const T* elemento, const char* metodo) {
    if (elemento == nullptr) {
      throw IllegalArgumentException(TXT("Elemento é NULL"), "NULL", "ColecaoPtr<T>", metodo);
    }
  }
  static std::unique_ptr<T> clonar(const T& e) {
    auto copia = e.clonar();
    return std::unique_ptr<T>(static_cast<T*>(copia.release()));
  }

  size_t indiceDe(const T* chave) const {
    if (chave != nullptr) {
      for (size_t i = 0; i < elementos_.size(); ++i) {
        if (*elementos_[i] == *chave) return i;
      }
    }
    throw NotFoundException();
  }

  std::vector<std::unique_ptr<T>> elementos_;
};

}  // namespace tessara
