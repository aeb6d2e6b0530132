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
// "Sacerdote", "Esperto di magia".
std::string_view ClassGroupCaption(ClassGroup group);

// The faces of the group's hit die: 10, 6, 8 or 4.
int HitDieSize(ClassGroup group);

}  // namespace quendaro
