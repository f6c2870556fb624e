#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundations/ColecaoPtr.h"
#include "foundations/Cp1252.h"

namespace tessara {
namespace {

// A polymorphic element like the chords: equality by code, order by code, derived clones.
class Elemento {
 public:
  Elemento(int codigo, std::string rotulo) : codigo(codigo), rotulo(std::move(rotulo)) {}
  virtual ~Elemento() = default;
  virtual std::unique_ptr<Elemento> clonar() const { return std::make_unique<Elemento>(*this); }
  virtual std::string tipo() const { return "base"; }
  bool operator==(const Elemento& o) const { return codigo == o.codigo; }
  bool operator!=(const Elemento& o) const { return !(*this == o); }
  bool operator<(const Elemento& o) const { return codigo < o.codigo; }

  int codigo;
  std::string rotulo;
};

class Derivado : public Elemento {
 public:
  using Elemento::Elemento;
  std::unique_ptr<Elemento> clonar() const override { return std::make_unique<Derivado>(*this); }
  std::string tipo() const override { return "derivado"; }
};

TEST(ColecaoPtr, GuardaUmCloneDoMesmoTipo) {
  ColecaoPtr<Elemento> c;
  auto original = std::make_unique<Derivado>(1, "a");
  c.addElement(original.get());
  original->rotulo = "mudado";
  original.reset();
  ASSERT_EQ(c.size(), 1);
  EXPECT_EQ(c.getElement(0)->rotulo, "a");
  EXPECT_EQ(c.getElement(0)->tipo(), "derivado");
}

TEST(ColecaoPtr, ElementoNuloEhRecusado) {
  ColecaoPtr<Elemento> c;
  try {
    c.addElement(static_cast<const Elemento*>(nullptr));
    FAIL();
  } catch (const IllegalArgumentException& e) {
    EXPECT_EQ(e.getMensagem(), TXT("Elemento é NULL"));
    EXPECT_EQ(e.getArgumento(), "NULL");
    EXPECT_EQ(e.getRastro().at(0), "ColecaoPtr<T>::addElement(T*)");
  }
  EXPECT_EQ(c.size(), 0);
}

TEST(ColecaoPtr, IndiceForaDaFaixa) {
  ColecaoPtr<Elemento> c;
  c.addElement(Elemento(1, "a"));
  for (int indice : {-1, 1, 1000}) {
    try {
      c.getElement(indice);
      FAIL() << indice;
    } catch (const OutOfBoundsException& e) {
      EXPECT_EQ(e.getIndice(), indice);
      EXPECT_EQ(e.getMensagem(), TXT("Indice inválido"));
      EXPECT_EQ(e.getRastro().at(0), "ColecaoPtr<T>::getElement(int)");
    }
  }
}

TEST(ColecaoPtr, CopiasSaoIndependentes) {
  auto a = std::make_unique<ColecaoPtr<Elemento>>();
  a->addElement(Derivado(1, "a"));
  a->addElement(Elemento(2, "b"));
  ColecaoPtr<Elemento> b(*a);
  ColecaoPtr<Elemento> c;
  c.addElement(Elemento(9, "z"));
  c = *a;
  EXPECT_TRUE(b.equals(*a));
  EXPECT_NE(b.getElement(0), a->getElement(0));
  a.reset();
  EXPECT_EQ(b.getElement(0)->tipo(), "derivado");
  EXPECT_EQ(c.size(), 2);
  EXPECT_EQ(c.getElement(1)->rotulo, "b");
}

TEST(ColecaoPtr, IgualdadeElementoAElemento) {
  ColecaoPtr<Elemento> a, b;
  EXPECT_TRUE(a.equals(b));
  a.addElement(Elemento(1, "a"));
  EXPECT_FALSE(a.equals(b));
  b.addElement(Elemento(1, "outro rotulo"));
  EXPECT_TRUE(a.equals(b));  // elements compare by their own equality, not by every field
  b.addElement(Elemento(2, "b"));
  a.addElement(Elemento(3, "c"));
  EXPECT_FALSE(a.equals(b));
}

TEST(ColecaoPtr, RemoverEEncontrarAgemNoPrimeiroIgual) {
  ColecaoPtr<Elemento> c;
  c.addElement(Elemento(5, "primeiro"));
  c.addElement(Elemento(7, "outro"));
  c.addElement(Elemento(5, "segundo"));
  const Elemento chave(5, "");
  EXPECT_EQ(c.findElement(&chave)->rotulo, "primeiro");
  auto retirado = c.removeElement(&chave);
  EXPECT_EQ(retirado->rotulo, "primeiro");
  ASSERT_EQ(c.size(), 2);
  EXPECT_EQ(c.getElement(0)->codigo, 7);
  EXPECT_EQ(c.findElement(&chave)->rotulo, "segundo");
}

TEST(ColecaoPtr, SemCorrespondenteLancaNotFoundVazia) {
  ColecaoPtr<Elemento> c;
  const Elemento chave(1, "");
  try {
    c.removeElement(&chave);
    FAIL();
  } catch (const NotFoundException& e) {
    EXPECT_EQ(e.getMensagem(), "");
    EXPECT_TRUE(e.getRastro().empty());
  }
  c.addElement(Elemento(2, ""));
  EXPECT_THROW(c.findElement(&chave), NotFoundException);
  EXPECT_EQ(c.size(), 1);
}

TEST(ColecaoPtr, OrdenaPeloOperadorMenor) {
  ColecaoPtr<Elemento> c;
  for (int codigo : {4, 1, 3, 2}) c.addElement(Elemento(codigo, ""));
  c.sort();
  for (int i = 0; i < c.size(); ++i) EXPECT_EQ(c.getElement(i)->codigo, i + 1);
  c.removeAllElements();
  EXPECT_EQ(c.size(), 0);
}

}  // namespace
}  // namespace tessara
