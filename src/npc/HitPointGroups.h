#pragma once

#include <span>
#include <string_view>

#include "hitpoints/ClassGroup.h"

namespace quendaro {

// The hit-point groups of a class of the character window: one for a single
// class, one per class for a multi-class character (the fighter/mage/thief
// rolls as a warrior, a wizard and a rogue), in the order the name gives
// them. Empty for a text outside the 41 classes.
std::span<const ClassGroup> HitPointGroupsOf(std::string_view character_class);

}  // namespace quendaro
