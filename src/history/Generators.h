#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quendaro {

// The generators whose results the history keeps, in the order of the main
// menu and the history window's filter. An entry names its generator by the
// key; the window lists it by the caption.
enum class Generator {
  kCharacter,
  kTreasure,
  kWeapon,
  kHitPoints,
  kName,
  kParty,  // the party window's "Gruppo di PNG"
  kCount,
};

inline constexpr std::size_t kGeneratorCount =
    static_cast<std::size_t>(Generator::kCount);

struct GeneratorRow {
  Generator generator;
  std::string_view key;      // the entry's and the JSON record's "generator"
  std::string_view caption;  // as the history window lists it
  // A saved file's name when the result names nothing better.
  std::string_view file_stem;
};

inline constexpr std::array<GeneratorRow, kGeneratorCount> kGenerators = {{
    {Generator::kCharacter, "character", "Personaggio", "personaggio"},
    {Generator::kTreasure, "treasure", "Tesoro", "tesoro"},
    {Generator::kWeapon, "weapon", "Arma intelligente", "arma"},
    {Generator::kHitPoints, "hitpoints", "Punti ferita", "punti-ferita"},
    {Generator::kName, "name", "Nome", "nome"},
    {Generator::kParty, "party", "Gruppo di PNG", "gruppo"},
}};

// The row of each generator stands at its own index.
constexpr bool RowsInOrder() {
  for (std::size_t i = 0; i < kGenerators.size(); ++i) {
    if (static_cast<std::size_t>(kGenerators[i].generator) != i) return false;
  }
  return true;
}
static_assert(RowsInOrder(), "kGenerators must list the generators in order");

// The generator of an entry's key, or nothing for a key no generator has.
std::optional<Generator> GeneratorOfKey(QStringView key);

QString GeneratorKey(Generator generator);
QString GeneratorCaption(Generator generator);
QString GeneratorFileStem(Generator generator);

}  // namespace quendaro
