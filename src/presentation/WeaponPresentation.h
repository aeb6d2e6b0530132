#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"
#include "weapon/WeaponResult.h"
#include "weapon/WeaponTypes.h"

namespace quendaro {

// Every text the weapon window writes after "Genera Arma". Each is always
// written: a missing ability, reading or special purpose is empty, so that
// nothing of an earlier weapon stays on screen.
struct WeaponWindowTexts {
  std::string languages;  // "1" .. "6"
  std::string bonus;      // "+1" .. "+5"
  std::string alignment;
  std::string intelligence;  // "12" .. "17"
  std::string communication;
  std::string reads_non_magical;
  std::string reads_magical;
  std::string ability1;
  std::string ability2;
  std::string ability3;
  std::string special_purpose;
  std::string special_purpose_power;
  std::string ego;
};

// The weapon's name and type as the game master typed them in the weapon
// window beside the weapon; the generation never reads them.
struct WeaponNotes {
  std::string name;
  std::string type{kNoWeaponType};  // the type box's text
};

WeaponWindowTexts WindowTexts(const WeaponResult& result);

// A line under "Abilità dell'arma e/o poteri straordinari", with what it is.
struct WeaponLine {
  std::string_view caption;  // "Abilità", "Lettura", "Scopo speciale" ...
  std::string text;
};

// The lines under "Abilità dell'arma e/o poteri straordinari" from the top of
// the weapon window down, empty ones left out: the third ability stands above
// the first and the second, then the readings, then the special purpose and
// its power.
std::vector<WeaponLine> LinesInWindowOrder(const WeaponWindowTexts& shown);

// The name and type first, when the game master gave them, then the values
// and the abilities in the window's order.
std::string PlainText(const WeaponResult& result, const WeaponNotes& notes);
std::string Markdown(const WeaponResult& result, const WeaponNotes& notes);

// The weapon's fields, once, in the order and shape of its record's
// "result" (ResultJson writes them).
void VisitResult(const WeaponResult& result, ResultFields& fields);
// The same after the window's "name" and "type" (each null when left as the
// window starts): a weapon the weapon window rolled.
void VisitResult(const WeaponResult& result, const WeaponNotes& notes,
                 ResultFields& fields);
Json DisplayJson(const WeaponResult& result);
Json Record(const WeaponResult& result, const WeaponNotes& notes,
            std::optional<std::int64_t> seed, std::uint64_t index);

}  // namespace quendaro
