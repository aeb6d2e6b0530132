#pragma once

#include <string_view>

namespace quendaro {

// The four class groups of the hit-point roller, each with its own hit die.
// Kits and sub-classes roll with the group they belong to (a paladin as a
// warrior, a bard as a rogue).
enum class ClassGroup {
  kMilitare,        // warriors, d10
  kVagabondo,       // rogues, d6
  kSacerdote,       // priests, d8
  kEspertoDiMagia,  // wizards, d4
};

inline constexpr int kClassGroupCount = 4;

// The group's caption as its button shows it: "Militare", "Vagabondo",
// "Sacerdote", "Esperto di magia". Constant, so that a table of data that
// names the groups can be checked against it when the program is built.
constexpr std::string_view ClassGroupCaption(ClassGroup group) {
  switch (group) {
    case ClassGroup::kMilitare:
      return "Militare";
    case ClassGroup::kVagabondo:
      return "Vagabondo";
    case ClassGroup::kSacerdote:
      return "Sacerdote";
    case ClassGroup::kEspertoDiMagia:
      return "Esperto di magia";
  }
  return {};
}

// The faces of the group's hit die: 10, 6, 8 or 4.
int HitDieSize(ClassGroup group);

}  // namespace quendaro
