#pragma once

#include "random/RandomSource.h"
#include "weapon/WeaponResult.h"

namespace quendaro {

// One press of "Genera Arma": rolls a weapon's languages, bonus, alignment,
// capabilities and one to three abilities, and adds up its ego. The weapon's
// name and type are the user's notes and play no part. Holds no state
// between calls.
class WeaponGenerator {
 public:
  // Reseeds `random` once, then draws in a fixed order: languages, bonus,
  // alignment, capabilities, then each ability draw in turn. So the same
  // source state and clock reading always give the same weapon.
  WeaponResult Generate(RandomSource& random) const;
};

}  // namespace quendaro
