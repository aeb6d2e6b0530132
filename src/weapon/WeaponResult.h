#pragma once

#include <string>

namespace quendaro {

// One generated weapon, every field a text exactly as the window shows it.
// Every field is always written: an ability slot beyond the weapon's count, a
// reading it lacks and a special purpose it does not have are empty, so that
// nothing of an earlier weapon stays on screen.
struct WeaponResult {
  std::string languages;  // "1" .. "6"
  std::string bonus;      // "+1" .. "+5"
  std::string alignment;
  std::string intelligence;  // "12" .. "17"
  std::string communication;
  std::string readsNonMagical;
  std::string readsMagical;
  std::string ability1;
  std::string ability2;
  std::string ability3;
  std::string specialPurpose;
  std::string specialPurposePower;
  std::string ego;  // "3" .. "35"
};

}  // namespace quendaro
