#include "npc/Party.h"

#include <cassert>

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

}  // namespace quendaro
