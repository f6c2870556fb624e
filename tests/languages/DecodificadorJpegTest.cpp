#include <gtest/gtest.h>

#include <cstdlib>

#include "JpegTeste.h"
#include "languages/DecodificadorJpeg.h"

namespace tessara {
namespace {

// Lossy compression: a colour is right when it is near.
bool perto(unsigned char a, unsigned char b) { return std::abs(a - b) <= 12; }

TEST(DecodificadorJpeg, DecodificaEmRgbDeCimaParaBaixo) {
  const int largura = 33;  // an odd width: rows are not padded
  const int altura = 17;
  std::vector<unsigned char> fonte(static_cast<size_t>(largura) * altura * 3);
  for (int y = 0; y < altura; ++y) {
    for (int x = 0; x < largura; ++x) {
      unsigned char* p = &fonte[(static_cast<size_t>(y) * largura + x) * 3];
      p[0] = y < 8 ? 230 : 20;  // red on top, green below
      p[1] = y < 8 ? 20 : 230;
      p[2] = 20;
    }
  }
  const auto imagem = DecodificadorJpeg::decodificar(teste::comprimirJpeg(fonte, largura, altura));
  ASSERT_TRUE(imagem);
  EXPECT_EQ(imagem->largura, largura);
  EXPECT_EQ(imagem->altura, altura);
  ASSERT_EQ(imagem->pixels.size(), static_cast<size_t>(largura * altura * 3));
  const auto pixel = [&](int x, int y) { return &imagem->pixels[(y * largura + x) * 3]; };
  EXPECT_TRUE(perto(pixel(3, 2)[0], 230) && perto(pixel(3, 2)[1], 20));
  EXPECT_TRUE(perto(pixel(30, 14)[0], 20) && perto(pixel(30, 14)[1], 230));
  EXPECT_TRUE(perto(pixel(32, 16)[2], 20));
}

TEST(DecodificadorJpeg, CinzaViraRgb) {
  const std::vector<unsigned char> cinza(16 * 8, 100);
  const auto imagem =
      DecodificadorJpeg::decodificar(teste::comprimirJpeg(cinza, 16, 8, TJPF_GRAY, TJSAMP_GRAY));
  ASSERT_TRUE(imagem);
  ASSERT_EQ(imagem->pixels.size(), 16u * 8u * 3u);
  EXPECT_TRUE(perto(imagem->pixels[0], 100) && perto(imagem->pixels[1], 100) &&
              perto(imagem->pixels[2], 100));
}

TEST(DecodificadorJpeg, Progressivo) {
  const auto jpeg = teste::comprimirJpeg(teste::pixelsVermelhoAzul(40, 24), 40, 24, TJPF_RGB,
                                         TJSAMP_420, TJFLAG_PROGRESSIVE);
  const auto imagem = DecodificadorJpeg::decodificar(jpeg);
  ASSERT_TRUE(imagem);
  EXPECT_EQ(imagem->largura, 40);
  EXPECT_TRUE(perto(imagem->pixels[0], 230));
}

TEST(DecodificadorJpeg, BytesQueNaoSaoJpeg) {
  EXPECT_FALSE(DecodificadorJpeg::decodificar(""));
  EXPECT_FALSE(DecodificadorJpeg::decodificar("not a picture at all"));
  EXPECT_FALSE(DecodificadorJpeg::decodificar(std::string("\xFF\xD8\xFF\xD9", 4)));
}

TEST(DecodificadorJpeg, ImagemCortada) {
  const auto jpeg = teste::jpegVermelhoAzul();
  EXPECT_FALSE(DecodificadorJpeg::decodificar(jpeg.substr(0, jpeg.size() / 2)));
  EXPECT_FALSE(DecodificadorJpeg::decodificar(jpeg.substr(0, jpeg.size() - 1)));
  EXPECT_TRUE(DecodificadorJpeg::decodificar(jpeg));
}

TEST(DecodificadorJpeg, TamanhosAbsurdosSaoRecusados) {
  const auto jpeg = teste::jpegVermelhoAzul();
  EXPECT_FALSE(DecodificadorJpeg::decodificar(teste::comDimensoes(jpeg, 0, 16)));
  EXPECT_FALSE(DecodificadorJpeg::decodificar(teste::comDimensoes(jpeg, 32, 0)));
  EXPECT_FALSE(DecodificadorJpeg::decodificar(teste::comDimensoes(jpeg, 16385, 16)));
  EXPECT_FALSE(DecodificadorJpeg::decodificar(teste::comDimensoes(jpeg, 16, 16385)));
  EXPECT_FALSE(DecodificadorJpeg::decodificar(teste::comDimensoes(jpeg, 65535, 65535)));
  EXPECT_FALSE(DecodificadorJpeg::decodificar(teste::comDimensoes(jpeg, 16384, 16384)));
  // The same header with its own size still decodes: only the size was wrong.
  EXPECT_TRUE(DecodificadorJpeg::decodificar(teste::comDimensoes(jpeg, 32, 16)));
}

}  // namespace
}  // namespace tessara
