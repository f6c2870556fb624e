#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessara::texto {

// Small text helpers shared by the readers (CP1252 texts; letter case is ASCII-only).

// Splits at line feeds; a carriage return before a line feed is dropped.
std::vector<std::string> linhas(std::string_view texto);

bool ehBranco(char c);
std::string aparar(std::string_view texto);
bool iguaisSemCaixa(std::string_view a, std::string_view b);

// The whole content of a file as bytes; the empty text when it cannot be read.
std::string lerArquivo(const std::filesystem::path& arquivo);

// A whole decimal integer with an optional sign that fits in 32 bits; nothing else.
std::optional<int> inteiro(std::string_view texto);

}  // namespace tessara::texto
