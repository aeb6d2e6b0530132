#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "npc/NpcGenerator.h"
#include "random/RandomState.h"

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

// `size` (1-12) NPCs of `request`, one after the other on the shared source;
// with a log, a step names each NPC before its own steps.
// The request's locks must view texts that outlive the party (the window's
// lists).
Party GenerateParty(const NpcRequest& request, int size, RandomSource& random);

// Rolls member `index` again with the party's request, on the shared source;
// the others stay as they are.
void RerollMember(Party& party, std::size_t index, RandomSource& random);

// A member rolled again alone, and the state of the source just before.
struct PartyReroll {
  std::size_t index;
  RandomState start;
};

// The party that GenerateParty made from a source at `start`, with each of
// `rerolls` rolled again in turn from its own state: the same NPCs, draw for
// draw, on any machine and at any time, on a source of its own. A reroll
// past the party's last member is skipped.
Party RollPartyAgain(const NpcRequest& request, int size,
                     const RandomState& start,
                     std::span<const PartyReroll> rerolls);

}  // namespace quendaro
