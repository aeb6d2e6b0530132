#include "npc/HitPointGroups.h"

#include "character/Classes.h"

namespace quendaro {

namespace {

constexpr bool EveryClassHasAGroup() {
  for (const CharacterClass& row : kClassTable) {
    if (row.hit_point_groups.size() == 0) return false;
  }
  return true;
}
static_assert(EveryClassHasAGroup());

}  // namespace

std::span<const ClassGroup> HitPointGroupsOf(std::string_view character_class) {
  const CharacterClass* row = FindClass(character_class);
  if (row == nullptr) return {};
  return {row->hit_point_groups.begin(), row->hit_point_groups.size()};
}

}  // namespace quendaro
