#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "chords/BaseAcordes.h"

namespace tessara {

// The chord base as the program ships it: a binary file of six-string fingering records, no
// header. A record is two unused bytes, the name's length L (at most 30) and its L bytes
// (CP1252), one byte of flags (bit k: string k sounds; not read), three bytes of frets (byte k:
// string 2k in the low four bits, string 2k + 1 in the high four) and three of fingers (byte
// k: string 2k in bits 0..2, string 2k + 1 in bits 3..5). Finger 6 marks a string that is not
// played, whatever fret is written. Records of one name, in file order, are one chord's
// fingerings; names differing only in letter case are one chord, named as first read.
class BaseAcordesViolao : public BaseAcordes {
 public:
  static constexpr size_t MAXIMO_NOME = 30;
  static constexpr int NUMERO_CORDAS = 6;

  using BaseAcordes::BaseAcordes;

  void carregarBase(const std::filesystem::path& arquivo) override;

  // Reads records from bytes, replacing what was loaded, then sorts. A record whose name is
  // longer than 30 bytes is skipped whole (its length says where it ends); a record cut short
  // by the end of the bytes is dropped. Nothing else is refused.
  void carregarConteudo(std::string_view conteudo);

  // The file's bytes for these chords: one record per fingering, named by its chord, in
  // order. IllegalArgumentException, with nothing made, for a name longer than 30 bytes, a
  // fingering that is not for six strings, or a fret or finger the format cannot hold. A
  // string that is not played is written with finger 6.
  static std::string codificar(const std::vector<const AcordeComposto*>& acordes);

  // Writes `codificar`'s bytes over the file atomically; DException when it cannot.
  static void gravar(const std::filesystem::path& arquivo,
                     const std::vector<const AcordeComposto*>& acordes);

 private:
  void lerRegistros(std::string_view conteudo);
};

}  // namespace tessara
