#include "npc/Party.h"

#include <cassert>
#include <cstdint>

#include "random/RandomSource.h"

namespace quendaro {

Party GenerateParty(const NpcRequest& request, int size, RandomSource& random) {
  assert(size >= kSmallestParty && size <= kLargestParty &&
         "a party has 1 to 12 members");
  Party party{request, {}};
  party.members.resize(static_cast<std::size_t>(size));
  const NpcGenerator generator;
  for (Npc& member : party.members) generator.Generate(request, random, member);
  return party;
}

void RerollMember(Party& party, std::size_t index, RandomSource& random) {
  assert(index < party.members.size() && "no such member");
  NpcGenerator().Generate(party.request, random, party.members[index]);
}

Party RollPartyAgain(const NpcRequest& request, int size,
                     const RandomState& start,
                     std::span<const PartyReroll> rerolls) {
  // Restore stops the clock at each state's time, so this one is never read.
  RandomSource random(0, [] { return std::uint64_t{0}; });
  random.Restore(start);
  Party party = GenerateParty(request, size, random);
  for (const PartyReroll& reroll : rerolls) {
    if (reroll.index >= party.members.size()) continue;
    random.Restore(reroll.start);
    RerollMember(party, reroll.index, random);
  }
  return party;
}

}  // namespace quendaro
