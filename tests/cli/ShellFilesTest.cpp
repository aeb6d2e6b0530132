// The manual page and the shell completions name what the tool really takes:
// every subcommand, every option and every text of the windows' lists.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "character/CharacterChoices.h"
#include "cli/CharacterCommand.h"
#include "cli/CommandLine.h"
#include "cli/HitPointsCommand.h"
#include "cli/NameCommand.h"
#include "cli/NpcCommand.h"
#include "cli/TreasureCommand.h"
#include "cli/WeaponCommand.h"
#include "hitpoints/ClassGroup.h"

namespace quendaro::cli {
namespace {

std::string Read(const std::string& relative) {
  std::ifstream file(std::string(QUENDARO_SOURCE_DIR) + "/" + relative);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::unique_ptr<Subcommand>> AllSubcommands() {
  std::vector<std::unique_ptr<Subcommand>> all;
  all.emplace_back(new CharacterCommand('.'));
  all.emplace_back(new TreasureCommand());
  all.emplace_back(new WeaponCommand());
  all.emplace_back(new HitPointsCommand('.'));
  all.emplace_back(new NameCommand());
  all.emplace_back(new NpcCommand('.'));
  return all;
}

// "--as-typed" as roff writes it: "\-\-as\-typed".
std::string Roff(std::string_view option) {
  std::string text;
  for (char c : option)
    text += c == '-' ? std::string("\\-") : std::string(1, c);
  return text;
}

std::vector<std::string_view> ListTexts() {
  std::vector<std::string_view> texts;
  for (std::span<const std::string_view> list :
       {std::span<const std::string_view>(kRaceChoices),
        std::span<const std::string_view>(kClassChoices),
        std::span<const std::string_view>(kAlignmentChoices),
        std::span<const std::string_view>(kSexChoices)}) {
    for (std::string_view text : list) texts.push_back(text);
  }
  for (ClassGroup group :
       {ClassGroup::kMilitare, ClassGroup::kVagabondo, ClassGroup::kSacerdote,
        ClassGroup::kEspertoDiMagia}) {
    texts.push_back(ClassGroupCaption(group));
  }
  return texts;
}

TEST(ShellFilesTest, TheManualPageNamesEveryOptionTheHelpGives) {
  const std::string page = Read("docs/man/quendaro-cli.1");
  ASSERT_NE(page, "");
  for (const auto& subcommand : AllSubcommands()) {
    const std::string name(subcommand->Name());
    EXPECT_NE(page.find(".B " + name + "\n"), std::string::npos) << name;
    const std::string help = subcommand->Help();
    for (const Option& option : subcommand->Options()) {
      const std::string dashed = "--" + std::string(option.name);
      // The help and the page both show it; the treasure types as a range.
      EXPECT_NE(help.find(option.name.size() == 1 ? "--A N ... --I N" : dashed),
                std::string::npos)
          << name << " " << dashed;
      const std::string shown =
          option.name.size() == 1 ? Roff("--A") + " \" N ... \" " + Roff("--I")
                                  : Roff(dashed);
      EXPECT_NE(page.find(shown), std::string::npos) << name << " " << dashed;
    }
  }
  for (const Option& option : CommonOptions()) {
    EXPECT_NE(page.find(Roff("--" + std::string(option.name))),
              std::string::npos)
        << option.name;
  }
  EXPECT_NE(page.find(Roff("--version")), std::string::npos);
  EXPECT_NE(Read("docs/man/quendaro.1.in").find(".TH QUENDARO 1"),
            std::string::npos);
}

TEST(ShellFilesTest, CompletionsOfferEveryOptionAndListTextQuoted) {
  const std::string bash = Read("src/cli/completion/quendaro-cli.bash");
  const std::string zsh = Read("src/cli/completion/_quendaro-cli");
  ASSERT_NE(bash, "");
  ASSERT_NE(zsh, "");
  for (std::string_view text : ListTexts()) {
    EXPECT_NE(bash.find("\"" + std::string(text) + "\""), std::string::npos)
        << text;
    EXPECT_NE(zsh.find("'" + std::string(text) + "'"), std::string::npos)
        << text;
  }
  std::vector<Option> options = CommonOptions();
  for (const auto& subcommand : AllSubcommands()) {
    EXPECT_NE(bash.find(std::string(subcommand->Name())), std::string::npos);
    EXPECT_NE(zsh.find("'" + std::string(subcommand->Name()) + ":"),
              std::string::npos);
    const std::vector<Option> own = subcommand->Options();
    options.insert(options.end(), own.begin(), own.end());
  }
  for (const Option& option : options) {
    const std::string dashed = "--" + std::string(option.name);
    if (option.name.size() == 1) {
      // zsh builds the treasure types from their letters.
      EXPECT_NE(bash.find(dashed), std::string::npos) << dashed;
      EXPECT_NE(zsh.find("for letter in A B C D E F G H I"), std::string::npos);
      continue;
    }
    EXPECT_NE(bash.find(dashed), std::string::npos) << dashed;
    EXPECT_NE(zsh.find(dashed), std::string::npos) << dashed;
  }
}

// What the bash completion offers for the words of a command line whose last
// word is being completed, one reply a line.
std::string BashCompletes(const std::string& words) {
  const std::string script = std::string(QUENDARO_SOURCE_DIR) +
                             "/src/cli/completion/quendaro-cli.bash";
  const std::string command =
      "bash --norc --noprofile -c 'source \"" + script + "\"; COMP_WORDS=(" +
      words +
      "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _quendaro_cli; "
      "printf \"%s\\n\" \"${COMPREPLY[@]}\"'";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "";
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
  pclose(pipe);
  return out;
}

TEST(ShellFilesTest, BashCompletesListTextsQuotedAndSubcommandPrefixes) {
  EXPECT_EQ(BashCompletes("quendaro-cli character --race El"),
            "Elfo\\ alto\nElfo\\ grigio\nElfo\\ silvano\n"
            "Elfo\\ oscuro\\(Drow\\)\nElfo\\ marino\n"
            "Elfo\\ alato\\(Avariel\\)\n");
  EXPECT_EQ(BashCompletes("quendaro-cli character --class Guer"),
            "Guerriero\\(puro\\)\nGuerriero\\ errante\nGuerriero/chierico\n"
            "Guerriero/mago/chierico\nGuerriero/mago/ladro\n");
  EXPECT_EQ(BashCompletes("quendaro-cli hit"), "hitpoints\n");
  EXPECT_EQ(BashCompletes("quendaro-cli hitpoints --group \"\\\"esp\""),
            "Esperto\\ di\\ magia\n");
  EXPECT_EQ(BashCompletes("quendaro-cli name --s"), "--sex\n--seed\n--stats\n");
  EXPECT_EQ(BashCompletes("quendaro-cli help w"), "weapon\n");
}

}  // namespace
}  // namespace quendaro::cli
