#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "presentation/Markup.h"
#include "presentation/ResultFields.h"
#include "weapon/WeaponResult.h"

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

WeaponWindowTexts WindowTexts(const WeaponResult& result);

std::string PlainText(const WeaponResult& result);
std::string Markdown(const WeaponResult& result);
std::string Html(const WeaponResult& result);

Json ResultJson(const WeaponResult& result);
// The values of ResultJson, one at a time, without building it.
void VisitResult(const WeaponResult& result, ResultFields& fields);
Json DisplayJson(const WeaponResult& result);
Json Record(const WeaponResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
