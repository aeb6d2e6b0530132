#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "character/CharacterChoices.h"
#include "npc/HitPointGroups.h"

namespace quendaro {
namespace {

using Groups = std::vector<ClassGroup>;

Groups GroupsOf(std::string_view character_class) {
  const auto groups = HitPointGroupsOf(character_class);
  return {groups.begin(), groups.end()};
}

// The seven multi-classes; every other class, with a slash or without, is a
// single class.
const std::vector<std::string_view> kMultiClasses = {
    "Mago/ladro",          "Guerriero/chierico", "Illusionista/ladro",
    "Chierico/ranger",     "Chierico/mago",      "Guerriero/mago/chierico",
    "Guerriero/mago/ladro"};

bool IsMultiClass(std::string_view character_class) {
  return std::find(kMultiClasses.begin(), kMultiClasses.end(),
                   character_class) != kMultiClasses.end();
}

TEST(HitPointGroupsTest, EveryClassOfTheWindowHasAGroup) {
  for (std::string_view character_class : kClassChoices) {
    const Groups groups = GroupsOf(character_class);
    EXPECT_FALSE(groups.empty()) << character_class;
    EXPECT_EQ(groups.size() > 1, IsMultiClass(character_class))
        << character_class;
  }
}

TEST(HitPointGroupsTest, MultiClassesRollWithEachOfTheirClassesInOrder) {
  // Read from the names themselves, part by part.
  const std::map<std::string, ClassGroup, std::less<>> kParts = {
      {"Guerriero", ClassGroup::kMilitare},
      {"ranger", ClassGroup::kMilitare},
      {"ladro", ClassGroup::kVagabondo},
      {"Chierico", ClassGroup::kSacerdote},
      {"chierico", ClassGroup::kSacerdote},
      {"Mago", ClassGroup::kEspertoDiMagia},
      {"mago", ClassGroup::kEspertoDiMagia},
      {"Illusionista", ClassGroup::kEspertoDiMagia},
  };
  for (std::string_view character_class : kMultiClasses) {
    Groups expected;
    std::string_view rest = character_class;
    while (!rest.empty()) {
      const std::size_t slash = rest.find('/');
      const std::string_view part = rest.substr(0, slash);
      const auto found = kParts.find(part);
      ASSERT_NE(found, kParts.end()) << part;
      expected.push_back(found->second);
      rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
    }
    EXPECT_EQ(GroupsOf(character_class), expected) << character_class;
  }
}

TEST(HitPointGroupsTest, SingleClassesGoWithTheirKindOfClass) {
  struct Case {
    std::string_view character_class;
    ClassGroup group;
  };
  const std::vector<Case> cases = {
      {"Pirata/fuorilegge", ClassGroup::kMilitare},
      {"Paladino", ClassGroup::kMilitare},
      {"Ranger", ClassGroup::kMilitare},
      {"Vendicatore(Ravenloft)", ClassGroup::kMilitare},
      {"Invocatore/evocatore", ClassGroup::kEspertoDiMagia},
      {"Illusionista", ClassGroup::kEspertoDiMagia},
      {"Arcanista(Ravenloft)", ClassGroup::kEspertoDiMagia},
      {"Wild mage(Forgotten realms)", ClassGroup::kEspertoDiMagia},
      {"Druido", ClassGroup::kSacerdote},
      {"Ancorita(Ravenloft)", ClassGroup::kSacerdote},
      {"Bardo", ClassGroup::kVagabondo},
      {"Zingaro(Ravenloft)", ClassGroup::kVagabondo},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GroupsOf(c.character_class), Groups{c.group})
        << c.character_class;
  }
}

TEST(HitPointGroupsTest, ATextOutsideTheListHasNoGroup) {
  for (std::string_view text : {"nessuna", "", "guerriero(puro)", "Mago"}) {
    EXPECT_TRUE(GroupsOf(text).empty()) << text;
  }
}

}  // namespace
}  // namespace quendaro
