#include "hitpoints/ClassGroup.h"

namespace quendaro {

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
