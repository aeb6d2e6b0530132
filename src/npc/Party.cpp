#include "npc/Party.h"

#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

#include "random/RandomSource.h"

namespace quendaro {

namespace {

// With a log, a step before each member's own, so that the steps of a
// party read NPC by NPC: "PNG: il 2° di 6".
void MarkMember(std::size_t index, std::size_t size, std::string_view rule,
                RandomSource& random) {
  if (RollLog* log = random.Log()) {
    log->Rule("PNG",
              "il " + std::to_string(index + 1) + "° di " +
                  std::to_string(size) + std::string(rule),
              {}, {});
  }
}

}  // namespace

Party GenerateParty(const NpcRequest& request, int size, RandomSource& random) {
  assert(size >= kSmallestParty && size <= kLargestParty &&
         "a party has 1 to 12 members");
  Party party{request, {}};
  party.members.resize(static_cast<std::size_t>(size));
  const NpcGenerator generator;
  for (std::size_t i = 0; i < party.members.size(); ++i) {
    MarkMember(i, party.members.size(), {}, random);
    generator.Generate(request, random, party.members[i]);
  }
  return party;
}

void RerollMember(Party& party, std::size_t index, RandomSource& random) {
  assert(index < party.members.size() && "no such member");
  MarkMember(index, party.members.size(), ", tirato di nuovo", random);
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
