#pragma once

#include <cstddef>
#include <vector>

#include "npc/NpcGenerator.h"

namespace quendaro {

class RandomSource;

inline constexpr int kSmallestParty = 1;
inline constexpr int kLargestParty = 12;

// A group of non-player characters made together, all of one level and
// around the same locked choices: a rival party, a caravan's guards.
struct Party {
  NpcRequest request;
  std::vector<Npc> members;
};

// `size` (1-12) NPCs of `request`, one after the other on the shared source.
// The request's locks must view texts that outlive the party (the window's
// lists).
Party GenerateParty(const NpcRequest& request, int size, RandomSource& random);

// Rolls member `index` again with the party's request, on the shared source;
// the others stay as they are.
void RerollMember(Party& party, std::size_t index, RandomSource& random);

}  // namespace quendaro
