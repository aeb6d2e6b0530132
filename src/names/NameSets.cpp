#include "names/NameSets.h"

#include <array>
#include <cassert>
#include <string>

#include "random/RandomSource.h"

namespace quendaro {

namespace {

// One line of the data file: the parts of one slot of one set and sex,
// separated by blanks, "-" standing for a part that adds nothing.
struct NamePartsRow {
  std::string_view set;
  std::string_view sex;
  std::string_view slot;
  std::string_view parts;
};

}  // namespace
}  // namespace quendaro

#include "names/NamePartsData.h"

namespace quendaro {

namespace {

enum class Slot { kBeginning, kMiddle, kEnding };
inline constexpr int kSlotCount = 3;
inline constexpr int kSexCount = 2;

constexpr std::array<std::string_view, kSlotCount> kSlotKeys = {
    "inizio", "centro", "fine"};
// The slots' names in the steps of a generation.
constexpr std::array<std::string_view, kSlotCount> kSlotCaptions = {
    "inizio", "parte centrale", "fine"};
constexpr std::array<std::string_view, kSexCount> kSexKeys = {"m", "f"};

// The most parts a slot may have; a list holds them where they lie in the
// data file's texts, so the whole table stays constant data.
inline constexpr std::size_t kMostParts = 48;
struct PartList {
  std::array<std::string_view, kMostParts> parts{};
  std::size_t size = 0;
};

constexpr bool IsBlank(char c) { return c == ' '; }

// The blank-separated words of `text`, "-" as an empty part; stops at
// kMostParts, which the checks below refuse.
constexpr PartList Split(std::string_view text) {
  PartList list;
  std::size_t at = 0;
  while (at < text.size()) {
    if (IsBlank(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    if (list.size == kMostParts) break;
    const std::string_view word = text.substr(at, end - at);
    list.parts[list.size++] = word == "-" ? std::string_view{} : word;
    at = end;
  }
  return list;
}

constexpr std::size_t WordCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (!IsBlank(text[at]) && (at == 0 || IsBlank(text[at - 1]))) ++count;
  }
  return count;
}

template <std::size_t N>
constexpr int KeyIndex(const std::array<std::string_view, N>& keys,
                       std::string_view key) {
  for (std::size_t i = 0; i < N; ++i) {
    if (keys[i] == key) return static_cast<int>(i);
  }
  return -1;
}

constexpr std::size_t ListIndex(int set, int sex, int slot) {
  return static_cast<std::size_t>((set * kSexCount + sex) * kSlotCount + slot);
}

constexpr int SetIndex(std::string_view key) {
  const std::optional<NameSet> set = NameSetNamed(key);
  return set ? static_cast<int>(*set) : -1;
}

// Every line of the file names a known set, sex and slot, holds between one
// and kMostParts parts, and no set, sex and slot has two lines or none.
constexpr bool NamePartsAreComplete() {
  std::array<int, kNameSetCount * kSexCount * kSlotCount> lines{};
  for (const NamePartsRow& row : data::kNamePartsRows) {
    const int set = SetIndex(row.set);
    const int sex = KeyIndex(kSexKeys, row.sex);
    const int slot = KeyIndex(kSlotKeys, row.slot);
    const std::size_t words = WordCount(row.parts);
    if (set < 0 || sex < 0 || slot < 0 || words == 0 || words > kMostParts) {
      return false;
    }
    ++lines[ListIndex(set, sex, slot)];
  }
  for (int count : lines) {
    if (count != 1) return false;
  }
  return true;
}
static_assert(NamePartsAreComplete(),
              "name-parts.csv needs one line of 1 to 48 parts for each set, "
              "sex (m, f) and slot (inizio, centro, fine)");

// Beginnings start with a capital letter and the other parts are lower case,
// so that every name is written as a name.
constexpr bool NamePartsAreCased() {
  for (const NamePartsRow& row : data::kNamePartsRows) {
    const bool beginning = row.slot == kSlotKeys[0];
    const PartList list = Split(row.parts);
    for (std::size_t i = 0; i < list.size; ++i) {
      const std::string_view part = list.parts[i];
      if (part.empty()) {
        if (beginning) return false;  // a name never begins with nothing
        continue;
      }
      const char first = part.front();
      if (beginning ? !(first >= 'A' && first <= 'Z')
                    : !(first >= 'a' && first <= 'z')) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NamePartsAreCased(),
              "name-parts.csv: beginnings start with a capital letter, "
              "other parts with a small one, and only middles may be \"-\"");

constexpr auto kPartLists = [] {
  std::array<PartList, kNameSetCount * kSexCount * kSlotCount> lists{};
  for (const NamePartsRow& row : data::kNamePartsRows) {
    lists[ListIndex(SetIndex(row.set), KeyIndex(kSexKeys, row.sex),
                    KeyIndex(kSlotKeys, row.slot))] = Split(row.parts);
  }
  return lists;
}();

const PartList& PartsOf(NameSet set, NameChoice choice, Slot slot) {
  const int sex = choice == NameChoice::kFemale ? 1 : 0;
  return kPartLists[ListIndex(static_cast<int>(set), sex,
                              static_cast<int>(slot))];
}

// One Roll(n, 1) over the slot's n parts; with a log, the part it picked is a
// step beside the draw.
std::string_view Draw(NameSet set, NameChoice choice, Slot slot,
                      RandomSource& random) {
  const PartList& list = PartsOf(set, choice, slot);
  const auto subject = [set, slot] {
    return "Nome (" + std::string(NameSetKey(set)) + "), " +
           std::string(kSlotCaptions[static_cast<std::size_t>(slot)]);
  };
  const int count = static_cast<int>(list.size);
  const int roll = random.Roll(count, 1, subject);
  const std::string_view part = list.parts[static_cast<std::size_t>(roll - 1)];
  if (RollLog* log = random.Log()) {
    log->Rule(subject(),
              "la " + std::to_string(roll) + "ª di " + std::to_string(count) +
                  (part.empty() ? ": nessuna sillaba" : ""),
              {}, part.empty() ? StepValue{} : StepValue{std::string(part)});
  }
  return part;
}

}  // namespace

NameResult NameSetGenerator::GenerateName(NameSet set, NameChoice choice,
                                          RandomSource& random) const {
  if (choice == NameChoice::kNone) return {choice, "", kNoNameChoiceWarning};
  std::string name(Draw(set, choice, Slot::kBeginning, random));
  name += Draw(set, choice, Slot::kMiddle, random);
  name += Draw(set, choice, Slot::kEnding, random);
  return {choice, std::move(name), std::nullopt};
}

}  // namespace quendaro
