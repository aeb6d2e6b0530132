#include "npc/CombatTables.h"

#include <algorithm>
#include <cassert>
#include <span>

#include "npc/HitPointGroups.h"

namespace quendaro {

namespace {

inline constexpr int kTableLevels = 20;

// One class group's THAC0 at levels 1 to 20.
struct Thac0Row {
  std::string_view group;
  std::array<int, kTableLevels> thac0;
};

// One class group's saving throws over a band of levels.
struct SavingThrowRow {
  std::string_view group;
  int from_level;
  int to_level;
  SavingThrows saving_throws;
};

}  // namespace
}  // namespace quendaro

#include "npc/SavingThrowData.h"
#include "npc/Thac0Data.h"

namespace quendaro {

namespace {

constexpr std::array<ClassGroup, kClassGroupCount> kGroups = {
    ClassGroup::kMilitare, ClassGroup::kVagabondo, ClassGroup::kSacerdote,
    ClassGroup::kEspertoDiMagia};

constexpr std::size_t IndexOf(ClassGroup group) {
  return static_cast<std::size_t>(group);
}

// The data files name the groups by their captions. The THAC0 file holds one
// row per group, in the enum's order.
constexpr bool Thac0RowsFollowTheGroups() {
  if (data::kThac0Rows.size() != kGroups.size()) return false;
  for (std::size_t i = 0; i < kGroups.size(); ++i) {
    if (data::kThac0Rows[i].group != ClassGroupCaption(kGroups[i])) {
      return false;
    }
  }
  return true;
}
static_assert(Thac0RowsFollowTheGroups(),
              "thac0.csv needs one row per class group, in the groups' order");

// The saving-throw file gives each group bands that follow one another from
// level 1 to level 20 without a gap, the groups in the enum's order.
constexpr bool SavingThrowBandsCoverEveryLevel() {
  std::size_t row = 0;
  for (ClassGroup group : kGroups) {
    const std::string_view caption = ClassGroupCaption(group);
    int next_level = 1;
    while (row < data::kSavingThrowRows.size() &&
           data::kSavingThrowRows[row].group == caption) {
      const SavingThrowRow& band = data::kSavingThrowRows[row];
      if (band.from_level != next_level || band.to_level < band.from_level) {
        return false;
      }
      next_level = band.to_level + 1;
      ++row;
    }
    if (next_level != kTableLevels + 1) return false;
  }
  return row == data::kSavingThrowRows.size();
}
static_assert(SavingThrowBandsCoverEveryLevel(),
              "saving-throws.csv needs bands from level 1 to 20 for each "
              "class group, in the groups' order");

}  // namespace

CombatNumbers CombatNumbersOf(ClassGroup group, int level) {
  assert(level >= 1 && level <= kTableLevels && "the tables hold levels 1-20");
  const std::string_view caption = ClassGroupCaption(group);
  CombatNumbers numbers;
  numbers.thac0 = data::kThac0Rows[IndexOf(group)]
                      .thac0[static_cast<std::size_t>(level) - 1];
  for (const SavingThrowRow& band : data::kSavingThrowRows) {
    if (band.group == caption && level >= band.from_level &&
        level <= band.to_level) {
      numbers.saving_throws = band.saving_throws;
      return numbers;
    }
  }
  assert(false && "every group has a band for every level");
  return numbers;
}

std::optional<CombatNumbers> CombatNumbersOfClass(
    std::string_view character_class, int level) {
  const std::span<const ClassGroup> groups = HitPointGroupsOf(character_class);
  if (groups.empty()) return std::nullopt;
  CombatNumbers best = CombatNumbersOf(groups.front(), level);
  for (ClassGroup group : groups.subspan(1)) {
    const CombatNumbers other = CombatNumbersOf(group, level);
    best.thac0 = std::min(best.thac0, other.thac0);
    for (int i = 0; i < kSavingThrowCount; ++i) {
      best.saving_throws[i] =
          std::min(best.saving_throws[i], other.saving_throws[i]);
    }
  }
  return best;
}

}  // namespace quendaro
