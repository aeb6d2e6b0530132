#pragma once

#include <optional>
#include <string_view>

#include "treasure/contents/ContentsTables.h"

namespace quendaro {

// Which kinds a line's items of "any" kind may be.
enum class AnyKinds {
  kAll,            // "qualsiasi"
  kArmorOrWeapon,  // "armatura/arma", "armature/armi"
  kNoWeapons,      // "qualsiasi, non armi"
};

// What a lair type's magic-item line asks for, read from the line exactly as
// the window shows it: `any` items drawn from the kinds `kinds` allows, then
// `extra` items of `extra_kind` ("2 + 1 pozione" is two of any kind and one
// potion). So a line always holds as many items as it says, quirks included.
struct MagicDemand {
  int any = 0;
  AnyKinds kinds = AnyKinds::kAll;
  int extra = 0;
  MagicKind extra_kind = MagicKind::kPotion;

  int Total() const { return any + extra; }
};

// Reads a magic-item line of the lair table: an optional leading blank, a
// count, then " qualsiasi" with or without ", non armi", " armatura/arma" or
// " armature/armi", or " + " a second count and " pozione", " pozioni",
// " pergamena" or " pergamene". Nothing for any other text.
constexpr std::optional<MagicDemand> ParseMagicLine(std::string_view line) {
  std::size_t at = 0;
  auto skip = [&](std::string_view text) {
    if (line.substr(at, text.size()) != text) return false;
    at += text.size();
    return true;
  };
  auto number = [&]() -> std::optional<int> {
    int value = 0;
    const std::size_t start = at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
      value = value * 10 + (line[at] - '0');
      ++at;
    }
    if (at == start) return std::nullopt;
    return value;
  };
  while (skip(" ")) {
  }
  const std::optional<int> first = number();
  if (!first) return std::nullopt;
  MagicDemand demand;
  demand.any = *first;
  if (skip(" qualsiasi")) {
    if (skip(", non armi")) demand.kinds = AnyKinds::kNoWeapons;
  } else if (skip(" armatura/arma") || skip(" armature/armi")) {
    demand.kinds = AnyKinds::kArmorOrWeapon;
  } else if (skip(" + ")) {
    const std::optional<int> second = number();
    if (!second) return std::nullopt;
    demand.extra = *second;
    if (skip(" pozione") || skip(" pozioni")) {
      demand.extra_kind = MagicKind::kPotion;
    } else if (skip(" pergamena") || skip(" pergamene")) {
      demand.extra_kind = MagicKind::kScroll;
    } else {
      return std::nullopt;
    }
  } else {
    return std::nullopt;
  }
  if (at != line.size()) return std::nullopt;
  return demand;
}

}  // namespace quendaro
