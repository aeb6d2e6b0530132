#include "character/AbilityTables.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

namespace quendaro {

namespace {

// One row for the scores low to high, both included.
struct ScoreRow {
  int low;
  int high;
  std::string_view text;
};

// Hit probability, damage adjustment, weight allowance, maximum press, open
// doors (locked doors), bend bars/lift gates. A strength of 18 has its own
// rows below.
constexpr std::array<ScoreRow, 11> kStrengthRows{{
    {3, 3, "-3  -1  2  4,5  2  0%"},
    {4, 5, "-2  -1  4,5  11 3  0%"},
    {6, 7, "-1  /  9  25  4  0%"},
    {8, 9, "/  /  16  41  5  1%"},
    {10, 11, "/  /  18  52  6  2%"},
    {12, 13, "/  /  20,5  63,5  7  4%"},
    {14, 15, "/  /  25  77  8  7%"},
    {16, 16, "/  +1  32  88,5  9  10%"},
    {17, 17, "+1  +1  38,5  99,5  10  13%"},
    {19, 19, "+3  +7  219,5  290  16(8)  50%"},
    {20, 20, "+3  +8  242,5  317  17(10)  60%"},
}};

// A strength of 18 by percentile, low to high included; no percentile is 0.
constexpr std::array<ScoreRow, 5> kStrength18Rows{{
    {0, 0, "+1  +2  50  115,5  11  16%"},
    {1, 50, "+1  +3  61  127  12  20%"},
    {51, 75, "+2  +3  71,5  138  13  25%"},
    {76, 90, "+2  +4  84  149,5  14  30% "},
    {91, 99, "+2  +5  106,5  172  15(3)  35%"},
}};

// Reaction adjustment, missile attack adjustment, defensive adjustment.
constexpr std::array<ScoreRow, 11> kDexterityRows{{
    {4, 4, "-2  -2  +3"},
    {5, 5, "-1  -1  +2 "},
    {6, 6, "0  0  +1"},
    {7, 14, "0  0  0"},
    {15, 15, "0  0  -1"},
    {16, 16, "+1  +1  -2"},
    {17, 17, "+2  +2  -3"},
    {18, 18, "+2  +2  -4"},
    {19, 19, "+3  +3  -4"},
    {20, 20, "+3  +3  -4"},
    {21, 21, "+4  +4  -5"},
}};

// Hit-point adjustment (warriors after the "/"), system shock, resurrection
// survival, poison save, regeneration.
constexpr std::array<ScoreRow, 18> kConstitutionRows{{
    {4, 4, "-1  40%  45%  0  /"},
    {5, 5, "-1  45%  50%  0  /"},
    {6, 6, "-1  50%  55%  0  /"},
    {7, 7, "0  55%  60%  0  /"},
    {8, 8, "0  60%  65%  0  /"},
    {9, 9, "0  65%  70%  0  /"},
    {10, 10, "0  70%  75%  0  /"},
    {11, 11, "0  75%  80%  0  /"},
    {12, 12, "0 80%  85%  0  /"},
    {13, 13, "0  85%  90%  0  /"},
    {14, 14, "0  88%  92%  0  /"},
    {15, 15, "+1  90%  94%  0  /"},
    {16, 16, "+2  95%  96%  0  /"},
    {17, 17, "+2/+3  97%  98%  0  /"},
    {18, 18, "+2/+4  99%  100%  0  /"},
    {19, 19, "+2/+5  99%  100%  +1  /"},
    {20, 20, "+2/+5  99%  100%  +1  1/6T"},
    {21, 21, "+2/+6  99%  100%  +2  1/5T"},
}};

// Languages, highest spell level, chance to learn a spell, maximum spells per
// level, illusion immunity.
constexpr std::array<ScoreRow, 14> kIntelligenceRows{{
    {3, 8, "1  /  /  /  /"},
    {9, 9, "2  4°  35%  6  /"},
    {10, 10, "2  5°  40%  7  /"},
    {11, 11, "2  5°  45%  7  /"},
    {12, 12, "3  6°  50%  7  /"},
    {13, 13, "3  6°  55%  9  /"},
    {14, 14, "4  7°  60%  9  /"},
    {15, 15, "4  7°  65%  11  /"},
    {16, 16, "5  8°  70%  11  /"},
    {17, 17, "6  8°  75%  14  /"},
    {18, 18, "7  9°  85%  18  /"},
    {19, 19, "8  9°  95%  Tutti  ILL.1°L"},
    {20, 20, "9  9°  96%  Tutti  ILL.2°L"},
    {21, 21, "10  9°  97%  TUTTI  ILL.3°L"},
}};

// Magical defence adjustment, bonus spells, chance of spell failure, spell
// immunity.
constexpr std::array<ScoreRow, 18> kWisdomRows{{
    {3, 3, "-3  /  50%  /"},
    {4, 4, "-2  /  45%  /"},
    {5, 5, "-1  /  40%  /"},
    {6, 6, "-1  /  35%  /"},
    {7, 7, "-1  /  30%  /"},
    {8, 8, "0  /  25%  /"},
    {9, 9, "0  0  20%  /"},
    {10, 10, "0  0  15%  /"},
    {11, 11, "0  0  10%  /"},
    {12, 12, "0  0  5%  /"},
    {13, 13, "0  1°  0%  /"},
    {14, 14, "0  1°  0%  /"},
    {15, 15, "+1  2°  0%  /"},
    {16, 16, "+2  2°  0%  /"},
    {17, 17, "+3  3°  0%  /"},
    {18, 18, "+4  4°  0%  /"},
    {19, 19, "+4  1°,4°  0% *"},
    {20, 20, "+4  2°,4°  0% **"},
}};

// Maximum henchmen, loyalty base, reaction adjustment.
constexpr std::array<ScoreRow, 19> kCharismaRows{{
    {3, 3, "1  -6  -5"},      {4, 4, "1  -5  -4"},     {5, 5, "2  -4  -3"},
    {6, 6, "2  -3  -2"},      {7, 7, "3  -2  -1"},     {8, 8, "3  -1  0"},
    {9, 9, "4  0  0"},        {10, 10, "4  0  0"},     {11, 11, "4  0  0"},
    {12, 12, "5  0  0"},      {13, 13, "5  0  +1"},    {14, 14, "6  +1  +2"},
    {15, 15, "7  +3  +3"},    {16, 16, "8  +4  +5"},   {17, 17, "10  +6  +6"},
    {18, 18, "15  +8  +7"},   {19, 19, "20  +10  +8"}, {20, 20, "25  +12  +9"},
    {21, 21, "30  +14  +10"},
}};

// Indexed by Ability.
constexpr std::array<std::span<const ScoreRow>, kAbilityCount> kAbilityTables{
    kStrengthRows,     kDexterityRows, kConstitutionRows,
    kIntelligenceRows, kWisdomRows,    kCharismaRows,
};

static_assert(std::none_of(kAbilityTables.begin(), kAbilityTables.end(),
                           [](std::span<const ScoreRow> rows) {
                             return rows.empty();
                           }),
              "every ability needs its table");

constexpr int kExceptionalStrength = 18;

// For every value from 0 up, the place of the first row that holds it,
// counted from 1, or 0 when no row does: a row is then found without a
// search. The tables have far fewer than 255 rows.
template <std::size_t kValues>
constexpr std::array<std::uint8_t, kValues> RowPlaces(
    std::span<const ScoreRow> rows) {
  std::array<std::uint8_t, kValues> places{};
  for (std::size_t value = 0; value < kValues; ++value) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const auto v = static_cast<int>(value);
      if (rows[i].low <= v && v <= rows[i].high) {
        places[value] = static_cast<std::uint8_t>(i + 1);
        break;
      }
    }
  }
  return places;
}

// Scores run from 0 (after a refusal) to the mid-twenties; percentiles to 100.
constexpr std::size_t kPlacedScores = 32;
constexpr std::size_t kPlacedPercentiles = 101;
constexpr std::array<std::array<std::uint8_t, kPlacedScores>, kAbilityCount>
    kScorePlaces = [] {
      std::array<std::array<std::uint8_t, kPlacedScores>, kAbilityCount> all{};
      for (std::size_t i = 0; i < kAbilityCount; ++i) {
        all[i] = RowPlaces<kPlacedScores>(kAbilityTables[i]);
      }
      return all;
    }();
constexpr std::array<std::uint8_t, kPlacedPercentiles> kPercentilePlaces =
    RowPlaces<kPlacedPercentiles>(kStrength18Rows);

template <std::size_t kValues>
std::optional<std::string_view> FindRow(
    std::span<const ScoreRow> rows,
    const std::array<std::uint8_t, kValues>& places, int value) {
  if (value >= 0 && static_cast<std::size_t>(value) < kValues) {
    const std::uint8_t place = places[static_cast<std::size_t>(value)];
    if (place == 0) return std::nullopt;
    return rows[place - 1u].text;
  }
  const auto row = std::find_if(
      rows.begin(), rows.end(),
      [value](const ScoreRow& r) { return r.low <= value && value <= r.high; });
  if (row == rows.end()) return std::nullopt;
  return row->text;
}

}  // namespace

std::optional<std::string_view> RowFor(Ability ability, int score,
                                       std::optional<int> percentile) {
  if (ability == Ability::kStrength && score == kExceptionalStrength) {
    return FindRow(kStrength18Rows, kPercentilePlaces, percentile.value_or(0));
  }
  const std::size_t i = IndexOf(ability);
  return FindRow(kAbilityTables[i], kScorePlaces[i], score);
}

bool IsPresetName(std::string_view name) {
  const auto& names = kPresetCharacter.trigger_names;
  return std::find(names.begin(), names.end(), name) != names.end();
}

void RecordPreset(std::string_view name, const AbilityScores& replaced,
                  RollLog* log) {
  if (log == nullptr) return;
  log->Rule("Nome", "personaggio prestabilito", {}, std::string(name));
  for (std::size_t i = 0; i < replaced.size(); ++i) {
    if (replaced[i] == kPresetCharacter.scores[i]) continue;
    log->Rule(std::string(kAbilityCaptions[i]), "personaggio prestabilito",
              replaced[i], kPresetCharacter.scores[i]);
  }
}

std::span<const AbilityColumn> ColumnsOf(Ability ability) {
  static constexpr std::array<AbilityColumn, 6> kStrength{{
      {"hitProbability", "Prob. di colpire"},
      {"damageAdjustment", "Danni"},
      {"weightAllowance", "Peso trasportabile"},
      {"maximumPress", "Sollevamento massimo"},
      {"openDoors", "Aprire porte"},
      {"bendBars", "Piegare sbarre"},
  }};
  static constexpr std::array<AbilityColumn, 3> kDexterity{{
      {"reactionAdjustment", "Reazione"},
      {"missileAttackAdjustment", "Attacco a distanza"},
      {"defensiveAdjustment", "Difesa"},
  }};
  static constexpr std::array<AbilityColumn, 5> kConstitution{{
      {"hitPointAdjustment", "Modificatore PF"},
      {"systemShock", "Shock"},
      {"resurrectionSurvival", "Resurrezione"},
      {"poisonSave", "TS veleno"},
      {"regeneration", "Rigenerazione"},
  }};
  static constexpr std::array<AbilityColumn, 5> kIntelligence{{
      {"languages", "Lingue"},
      {"spellLevel", "Livello incantesimi"},
      {"chanceToLearnSpell", "Apprendere"},
      {"maxSpellsPerLevel", "Incantesimi per livello"},
      {"illusionImmunity", "Immunità illusioni"},
  }};
  static constexpr std::array<AbilityColumn, 4> kWisdom{{
      {"magicalDefenceAdjustment", "Difesa magica"},
      {"bonusSpells", "Incantesimi bonus"},
      {"spellFailure", "Fallimento"},
      {"spellImmunity", "Immunità"},
  }};
  static constexpr std::array<AbilityColumn, 3> kCharisma{{
      {"maxHenchmen", "Gregari"},
      {"loyaltyBase", "Lealtà"},
      {"reactionAdjustment", "Reazione"},
  }};
  switch (ability) {
    case Ability::kStrength:
      return kStrength;
    case Ability::kDexterity:
      return kDexterity;
    case Ability::kConstitution:
      return kConstitution;
    case Ability::kIntelligence:
      return kIntelligence;
    case Ability::kWisdom:
      return kWisdom;
    case Ability::kCharisma:
      return kCharisma;
  }
  return {};
}

std::vector<std::string_view> SplitRow(std::string_view row) {
  std::vector<std::string_view> columns;
  std::size_t i = 0;
  while (i < row.size()) {
    while (i < row.size() && row[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < row.size() && row[i] != ' ') ++i;
    if (i > start) columns.push_back(row.substr(start, i - start));
  }
  return columns;
}

}  // namespace quendaro
