#include "presentation/PartyPresentation.h"

#include <span>
#include <string_view>

#include "common/NumberText.h"
#include "presentation/NpcPresentation.h"
#include "presentation/Record.h"

namespace quendaro {

namespace {

// The choices fixed for the whole party, in the order of the lists.
std::vector<std::string_view> FixedChoices(const Party& party) {
  std::vector<std::string_view> fixed;
  const ChoiceLocks& locks = party.request.locks;
  for (const std::optional<std::string_view>& lock :
       {locks.race, locks.character_class, locks.alignment, locks.sex}) {
    if (lock) fixed.push_back(*lock);
  }
  return fixed;
}

void LockOrMissing(ResultFields& fields, std::string_view key,
                   const std::optional<std::string_view>& lock) {
  if (lock) {
    fields.Text(key, *lock);
  } else {
    fields.Missing(key);
  }
}

}  // namespace

std::string PartyTitle(const Party& party) {
  std::string title =
      "Gruppo di PNG: " + WholeText(static_cast<int>(party.members.size())) +
      " di livello " + WholeText(party.request.level);
  for (std::string_view fixed : FixedChoices(party)) {
    title += ", " + std::string(fixed);
  }
  return title;
}

std::string PlainText(const Party& party, char decimal_separator) {
  std::string text = PartyTitle(party) + "\n";
  for (const Npc& member : party.members) {
    text += "\n" + PlainText(member, decimal_separator) + "\n";
  }
  return text;
}

std::string Markdown(const Party& party) {
  std::string md =
      "# " + MarkdownText(PartyTitle(party)) + "\n\n" + NpcMarkdownHeader();
  for (const Npc& member : party.members) md += Markdown(member);
  return md;
}

void VisitResult(const Party& party, ResultFields& fields) {
  const ChoiceLocks& locks = party.request.locks;
  fields.Number("level", party.request.level);
  fields.Number("size", static_cast<double>(party.members.size()));
  LockOrMissing(fields, "race", locks.race);
  LockOrMissing(fields, "class", locks.character_class);
  LockOrMissing(fields, "alignment", locks.alignment);
  fields.BeginList("members");
  for (const Npc& member : party.members) {
    fields.BeginObject({});
    VisitResult(member, fields);
    fields.End();
  }
  fields.End();
}

Json Record(const Party& party, std::optional<std::int64_t> seed,
            std::uint64_t index) {
  Json display;
  display["title"] = PartyTitle(party);
  display["members"] = Json::array();
  for (const Npc& member : party.members) {
    display["members"].push_back(NpcRowTexts(member));
  }
  return MakeRecord("party", seed, index, ResultJson(party),
                    std::move(display));
}

}  // namespace quendaro
