#include "weapon/WeaponTables.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace quendaro {

namespace {

constexpr std::array<LanguagesRow, 6> kLanguages{{
    {1, 40, 1, 1},
    {41, 70, 2, 2},
    {71, 85, 3, 3},
    {86, 95, 4, 4},
    {96, 99, 5, 5},
    {100, 100, 6, 6},
}};

constexpr std::array<BonusRow, 5> kBonus{{
    {1, 5, 1, 1},
    {6, 10, 2, 2},
    {11, 15, 3, 3},
    {16, 19, 4, 4},
    {20, 20, 5, 5},
}};

constexpr std::array<AlignmentRow, 9> kAlignments{{
    {1, 5, "Caotico buono"},
    {6, 15, "Caotico neutrale"},
    {16, 20, "Caotico malvagio"},
    {21, 25, "Neutrale malvagio"},
    {26, 30, "Legale malvagio"},
    {31, 55, "Legale buono"},
    {56, 60, "Legale neutrale"},
    {61, 80, "Neutrale autentico"},
    {81, 100, "Neutrale buono"},
}};

constexpr std::array<CapabilityRow, 6> kCapabilities{{
    {1, 34, 12, "Semiempatia", 1, "", "", 0},
    {35, 59, 13, "Empatia", 2, "", "", 0},
    {60, 79, 14, "Parole", 2, "", "", 0},
    {80, 91, 15, "Parole", 3, "", "", 0},
    {92, 97, 16, "Parole", 3,
     "Lettura della scrittura non magica e di carte geografiche", "", 1},
    {98, 100, 17, "Parole e telepatia", 3,
     "Lettura della scrittura non magica e di carte geografiche",
     "Lettura dei linguaggi e degli scritti magici ", 3},
}};

constexpr std::array<PrimaryAbilityRow, 11> kPrimaryAbilities{{
    {1, 11,
     "Individua ascensori/stanze girevoli/pareti mobili nel raggio di 3m",
     false, 1},
    {12, 22, "Individua passaggi inclinati nel raggio di 3m", false, 1},
    {23, 33, "Individua grandi trappole nel raggio di 3m", false, 1},
    {34, 44, "Individua il bene/male presente nel raggio di 3m", false, 1},
    {45, 55, "Individua metalli preziosi(tipo e quantità) nel raggio di 6m",
     false, 1},
    {56, 66, "Individua gemme(tipo e qualità) nel raggio di 6m", false, 1},
    {67, 77, "Individua il magico nel raggio di 1,5m", false, 1},
    {78, 82, "Individua porte segrete nel raggio di 1,5m", false, 1},
    {83, 87, "Individua oggetti invisibili nel raggio di 3m", false, 1},
    {88, 98, "Localizza oggetti nel raggio di 36m", false, 1},
    // Not a sense at all: the weapon gets an extraordinary power instead.
    {99, 100, "", true, 2},
}};

constexpr std::array<ExtraordinaryPowerRow, 15> kExtraordinaryPowers{{
    {1, 7, "Charme mediante contatto 3 volte al giorno", false, 0},
    {8, 15, "Chiaroudienza nel raggio di 30m 3 volte al giorno 1 round x uso",
     false, 0},
    {16, 22, "Chiaroveggenza nel raggio di 30m 3 volte al giorno 1 round x uso",
     false, 0},
    {23, 28, "Determina la direzione e la profondità 3 volte al giorno", false,
     0},
    {29, 34, "ESP nel raggio di 30m 3 volte al giorno 1 round x uso", false, 0},
    {35, 41, "Volare 36m x turno MAX 1 ora al giorno", false, 0},
    {42, 47, "Guarigione una volta al giorno", false, 0},
    {48, 54, "Illusione nel raggio di 120m 2 volte al giorno", false, 0},
    {55, 61, "Levitazione x 1 turno 3 volte al girno al 6° LIV.", false, 0},
    {62, 67, "Forza 1 volta al giorno(solo proprietario)", false, 0},
    {68, 75, "Telecinesi MAX 125 kg 2 volte al giorno 1 round x uso", false, 0},
    // Telepathy is worth more ego than the other powers.
    {76, 81, "Telepatia nel raggio di 60m 2 volte al giorno", false, 2},
    {82, 88, "Teletrasporto 1 volta al giorno MAX 300 kg tempo-lancio 2", false,
     0},
    {89, 94, "Vista a raggi X, raggio 40m, 2 volte al giorno 1 turno x uso",
     false, 0},
    // The same X-ray vision, now with a purpose to serve.
    {95, 96, "Vista a raggi X, raggio 40m, 2 volte al giorno 1 turno x uso",
     true, 0},
}};

constexpr std::array<SpecialPurposeRow, 9> kSpecialPurposes{{
    {1, 10, "Sconfigge/uccide avversari di allineamento opposto", 5},
    {11, 20, "Sconfigge sacerdoti(di un certo tipo)", 5},
    {21, 30, "Sconfigge guerrieri", 5},
    {31, 40, "Sconfigge usufruitori di magia", 5},
    {41, 50, "Sconfigge ladri", 5},
    {51, 55, "Sconfigge bardi", 5},
    {56, 65, "Sovverte la legge e/o il caos", 5},
    {66, 75, "Sconfigge il bene e/o il male", 5},
    {76, 95, "Sconfigge mostri non umani", 5},
}};

constexpr std::array<SpecialPurposePowerRow, 7> kSpecialPurposePowers{{
    {1, 10, "Cecità x 2d6 round"},
    {11, 20, "Confusione x 2d6 round"},
    {21, 25, "Disintegrazione"},
    {26, 55, "Paura x 1d4 round"},
    {56, 65, "Pazzia per 1d4 round"},
    {66, 80, "Paralisi x 1d4 round"},
    {81, 100, "+2 su tutti i tiri salvezza,-1 per ogni dado di ferite subite"},
}};

// Every roll from 1 to `size` falls in exactly one row: the rows follow one
// another without gap or overlap and end at the top of the roll.
template <typename Row, std::size_t N>
constexpr bool CoversRoll(const std::array<Row, N>& rows, int size) {
  int next = 1;
  for (const Row& row : rows) {
    if (row.low != next || row.high < row.low) return false;
    next = row.high + 1;
  }
  return next == size + 1;
}

static_assert(CoversRoll(kLanguages, kLanguagesRoll));
static_assert(CoversRoll(kBonus, kBonusRoll));
static_assert(CoversRoll(kAlignments, kAlignmentRoll));
static_assert(CoversRoll(kCapabilities, kCapabilitiesRoll));
static_assert(CoversRoll(kPrimaryAbilities, kPrimaryAbilityRoll));
static_assert(CoversRoll(kExtraordinaryPowers, kExtraordinaryPowerRoll));
static_assert(CoversRoll(kSpecialPurposes, kSpecialPurposeRoll));
static_assert(CoversRoll(kSpecialPurposePowers, kSpecialPurposePowerRoll));

template <typename Row, std::size_t N>
const Row& RowFor(const std::array<Row, N>& rows, int roll) {
  for (const Row& row : rows) {
    if (roll >= row.low && roll <= row.high) return row;
  }
  assert(false && "the roll lies outside the table");
  return roll < rows.front().low ? rows.front() : rows.back();
}

}  // namespace

const LanguagesRow& LanguagesFor(int roll) { return RowFor(kLanguages, roll); }
const BonusRow& BonusFor(int roll) { return RowFor(kBonus, roll); }
const AlignmentRow& AlignmentFor(int roll) { return RowFor(kAlignments, roll); }
const CapabilityRow& CapabilitiesFor(int roll) {
  return RowFor(kCapabilities, roll);
}
const PrimaryAbilityRow& PrimaryAbilityFor(int roll) {
  return RowFor(kPrimaryAbilities, roll);
}
const ExtraordinaryPowerRow& ExtraordinaryPowerFor(int roll) {
  return RowFor(kExtraordinaryPowers, roll);
}
const SpecialPurposeRow& SpecialPurposeFor(int roll) {
  return RowFor(kSpecialPurposes, roll);
}
const SpecialPurposePowerRow& SpecialPurposePowerFor(int roll) {
  return RowFor(kSpecialPurposePowers, roll);
}

}  // namespace quendaro
