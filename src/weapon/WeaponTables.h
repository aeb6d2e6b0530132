#pragma once

#include <string_view>

namespace quendaro {

// The random tables of an intelligent weapon, in the order a generation
// consults them. Each lookup takes a roll inside its table's range and gives
// the one row whose closed range holds it; a roll outside the range is a
// programming error. Ego points are the ones the row adds to the weapon's ego.

// The size of each table's roll: Roll(size, 1) gives 1 .. size. The
// extraordinary powers and the special purposes are rolled over 96 and 95
// values, not 100.
inline constexpr int kLanguagesRoll = 100;
inline constexpr int kBonusRoll = 20;
inline constexpr int kAlignmentRoll = 100;
inline constexpr int kCapabilitiesRoll = 100;
inline constexpr int kPrimaryAbilityRoll = 100;
inline constexpr int kExtraordinaryPowerRoll = 96;
inline constexpr int kSpecialPurposeRoll = 95;
inline constexpr int kSpecialPurposePowerRoll = 100;

struct LanguagesRow {
  int low;
  int high;
  int languages;
  int ego;
};

struct BonusRow {
  int low;
  int high;
  int bonus;  // the +1 .. +5 of the weapon
  int ego;
};

struct AlignmentRow {
  int low;
  int high;
  std::string_view alignment;
};

// Intelligence, how the weapon makes itself understood, how many abilities it
// has and what it can read. A reading the row does not grant is empty.
struct CapabilityRow {
  int low;
  int high;
  int intelligence;
  std::string_view communication;
  int abilityCount;
  std::string_view readsNonMagical;
  std::string_view readsMagical;
  int ego;
};

// A detection or location sense; the top rows have no text of their own and
// send the draw on to the extraordinary powers.
struct PrimaryAbilityRow {
  int low;
  int high;
  std::string_view ability;
  bool drawsPower;
  int ego;
};

// The top rows also give the weapon a special purpose. The ego points come on
// top of the primary row that led here.
struct ExtraordinaryPowerRow {
  int low;
  int high;
  std::string_view ability;
  bool drawsPurpose;
  int ego;
};

struct SpecialPurposeRow {
  int low;
  int high;
  std::string_view purpose;
  int ego;
};

// The power that serves a special purpose; it adds no ego.
struct SpecialPurposePowerRow {
  int low;
  int high;
  std::string_view power;
};

const LanguagesRow& LanguagesFor(int roll);
const BonusRow& BonusFor(int roll);
const AlignmentRow& AlignmentFor(int roll);
const CapabilityRow& CapabilitiesFor(int roll);
const PrimaryAbilityRow& PrimaryAbilityFor(int roll);
const ExtraordinaryPowerRow& ExtraordinaryPowerFor(int roll);
const SpecialPurposeRow& SpecialPurposeFor(int roll);
const SpecialPurposePowerRow& SpecialPurposePowerFor(int roll);

}  // namespace quendaro
