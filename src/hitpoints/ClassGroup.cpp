#include "hitpoints/ClassGroup.h"

namespace quendaro {

std::string_view ClassGroupCaption(ClassGroup group) {
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

int HitDieSize(ClassGroup group) {
  switch (group) {
    case ClassGroup::kMilitare:
      return 10;
    case ClassGroup::kVagabondo:
      return 6;
    case ClassGroup::kSacerdote:
      return 8;
    case ClassGroup::kEspertoDiMagia:
      return 4;
  }
  return 0;
}

}  // namespace quendaro
