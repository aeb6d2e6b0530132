// The help of the real tool, its manual page and its shell completions, as
// the build made them, name the same subcommands, options, list texts and
// exit statuses: a reader of any of them learns what the tool takes.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Names = std::set<std::string>;

std::string Read(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Manuals(const std::string& name) {
  return Read(std::string(QUENDARO_MANUALS_DIR) + "/" + name);
}

std::string Run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "";
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    out.append(buffer, n);
  }
  pclose(pipe);
  return out;
}

std::string Help(const std::string& arguments) {
  return Run(std::string(QUENDARO_CLI_PATH) + " " + arguments);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Every match of the regex's first group.
Names Matches(const std::string& text, const std::string& pattern) {
  Names found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re);
       it != std::sregex_iterator(); ++it) {
    found.insert((*it)[1]);
  }
  return found;
}

// Roff as a reader sees it, the escapes of dashes, fonts and blanks undone.
std::string Unroff(std::string text) {
  static const std::vector<std::pair<std::string, std::string>> kEscapes = {
      {"\\-", "-"}, {"\\fB", ""}, {"\\fR", ""}, {"\\fI", ""},
      {"\\%", ""},  {"\\ ", " "}, {"\\e", "\\"}};
  for (const auto& [escape, plain] : kEscapes) {
    for (std::size_t at = 0; (at = text.find(escape, at)) != std::string::npos;
         at += plain.size()) {
      text.replace(at, escape.size(), plain);
    }
  }
  return text;
}

// The text from the line `start` to the next line that begins with one of
// `ends` ("" ends at a blank line), after a line break.
std::string Section(const std::string& text, const std::string& start,
                    const std::vector<std::string>& ends) {
  std::string section = "\n";
  bool inside = false;
  for (const std::string& line : Lines(text)) {
    if (inside) {
      for (const std::string& end : ends) {
        if (end.empty() ? line.empty() : line.rfind(end, 0) == 0) {
          return section;
        }
      }
      section += line + "\n";
    } else if (line == start) {
      inside = true;
    }
  }
  return section;
}

// The quoted texts of a list: "A", "B" (help, man, bash) or 'A' 'B' (zsh).
std::vector<std::string> Quoted(const std::string& text, char quote) {
  std::vector<std::string> texts;
  const std::string q(1, quote);
  const std::regex re(q + "([^" + q + "]*)" + q);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re);
       it != std::sregex_iterator(); ++it) {
    texts.push_back((*it)[1]);
  }
  return texts;
}

std::string BashArray(const std::string& bash, const std::string& name) {
  for (const std::string& line : Lines(bash)) {
    if (line.rfind(name + "=(", 0) == 0) {
      return line.substr(name.size() + 2, line.size() - name.size() - 3);
    }
  }
  return "";
}

Names Words(const std::string& text) {
  Names words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.insert(word);
  return words;
}

// The options a help page lists, each with the texts it lists after "One
// of:".
std::map<std::string, std::vector<std::string>> HelpOptions(
    const std::string& help) {
  std::map<std::string, std::vector<std::string>> options;
  const std::regex entry("^  (?:-h, )?--([A-Za-z-]+)");
  std::string current;
  bool listing = false;
  for (const std::string& line : Lines(help)) {
    std::smatch match;
    if (std::regex_search(line, match, entry)) {
      current = match[1];
      options[current];
      listing = false;
    } else if (line.rfind("  ", 0) != 0) {
      current.clear();
    }
    if (current.empty()) continue;
    listing = listing || line.find("One of: ") != std::string::npos;
    if (listing) {
      for (const std::string& text : Quoted(line, '"')) {
        options[current].push_back(text);
      }
    }
  }
  return options;
}

// The options the manual page gives a section, with their listed texts.
std::map<std::string, std::vector<std::string>> ManualOptions(
    const std::string& section) {
  std::map<std::string, std::vector<std::string>> options;
  const std::vector<std::string> lines = Lines(section);
  const std::regex label("^(?:-h, )?--([A-Za-z-]+)");
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    std::smatch match;
    if (lines[i] != ".TP" || !std::regex_search(lines[i + 1], match, label)) {
      continue;
    }
    auto& values = options[match[1]];
    for (std::size_t j = i + 2; j < lines.size() && lines[j] != ".TP"; ++j) {
      if (lines[j].rfind("One of: ", 0) == 0) values = Quoted(lines[j], '"');
    }
  }
  return options;
}

TEST(ShellFilesTest, HelpManualAndCompletionsNameTheSameSubcommands) {
  const std::string help = Help("--help");
  const std::string man = Unroff(Manuals("quendaro-cli.1"));
  const std::string bash = Manuals("quendaro-cli.bash");
  const std::string zsh = Manuals("_quendaro-cli");
  Names from_help =
      Matches(Section(help, "Subcommands:", {""}), "\n  ([a-z]+) ");
  from_help.erase("help");
  const Names from_man = Matches(man, "\n\\.SS ([a-z]+)\n");
  const Names from_bash = Words(BashArray(bash, "_quendaro_cli_subcommands"));
  Names from_zsh = Matches(Section(zsh, "    subcommands=(", {"    )"}),
                           "\n      '([a-z]+):");
  from_zsh.erase("help");
  EXPECT_TRUE(from_help.contains("npc"));
  EXPECT_EQ(from_help.size(), 6u);
  EXPECT_EQ(from_man, from_help);
  EXPECT_EQ(from_bash, from_help);
  EXPECT_EQ(from_zsh, from_help);

  const std::string common = Section(man, ".SH COMMON OPTIONS", {".SH"});
  for (const std::string& subcommand : from_help) {
    SCOPED_TRACE(subcommand);
    const auto own_help = HelpOptions(Help(subcommand + " --help"));
    auto own_man =
        ManualOptions(Section(man, ".SS " + subcommand, {".SS", ".SH"}));
    own_man.merge(ManualOptions(common));
    ASSERT_TRUE(own_help.contains("version"));
    if (subcommand == "character") {
      EXPECT_EQ(own_help.at("race").size(), 25u);
    }
    EXPECT_EQ(own_man, own_help);

    Names from_bash_options =
        Words(BashArray(bash, "_quendaro_cli_options_" + subcommand));
    from_bash_options.erase("-h");
    Names from_help_options;
    for (const auto& [name, values] : own_help) {
      from_help_options.insert("--" + name);
      // The completions offer every text the help lists.
      if (values.empty()) continue;
      std::string array = "_quendaro_cli_values_" + subcommand + "_" + name;
      for (char& c : array) c = c == '-' ? '_' : c;
      EXPECT_EQ(Quoted(BashArray(bash, array), '"'), values) << name;
      EXPECT_EQ(Quoted(BashArray(zsh, array), '\''), values) << name;
    }
    EXPECT_EQ(from_bash_options, from_help_options);
    const std::string block =
        Section(zsh, "    " + subcommand + ")", {"      ;;"});
    Names from_zsh_options = Matches(block, "'(--[A-Za-z-]+)\\[");
    from_zsh_options.insert("--help");  // written as {-h,--help}
    EXPECT_EQ(from_zsh_options, from_help_options);
  }

  // The exit statuses, and every line of every help within 80 columns.
  const Names help_statuses = Matches(Section(help, "Exit status:", {""}),
                                      "\n  ([0-9](?:[0-9, ]*[0-9])?)  ");
  const Names man_statuses =
      Matches(Section(man, ".SH EXIT STATUS", {".SH"}), "\\.TP\n([0-9, ]+)\n");
  EXPECT_EQ(help_statuses, (Names{"0", "1", "2", "129, 130, 143"}));
  EXPECT_EQ(man_statuses, help_statuses);
  from_help.insert("");
  for (const std::string& subcommand : from_help) {
    for (const std::string& line : Lines(Help(subcommand + " --help"))) {
      std::size_t columns = 0;
      for (char c : line)
        columns += (static_cast<unsigned char>(c) & 0xc0) != 0x80;
      EXPECT_LE(columns, 80u) << subcommand << ": " << line;
    }
  }
}

TEST(ShellFilesTest, ManualPagesCarryTheBuildsVersionAndDate) {
  const std::string stamp =
      "\"" QUENDARO_RELEASE_DATE "\" \"Quendaro 32 " QUENDARO_VERSION "\"";
  EXPECT_NE(Manuals("quendaro-cli.1").find(".TH QUENDARO\\-CLI 1 " + stamp),
            std::string::npos);
  const std::string record = Manuals("quendaro-record.5");
  EXPECT_NE(record.find(".TH QUENDARO\\-RECORD 5 " + stamp), std::string::npos);
  EXPECT_NE(record.find("/share/quendaro/record.schema.json"),
            std::string::npos);
  const std::string program = Read(QUENDARO_PROGRAM_MANUAL);
  if (!program.empty()) {
    EXPECT_NE(program.find(".TH QUENDARO 1 \"" QUENDARO_RELEASE_DATE
                           "\" \"Quendaro 32 " QUENDARO_VERSION "\""),
              std::string::npos);
  }
  // Every help that speaks of the records sends the reader to their page.
  for (const char* subcommand :
       {"", "character", "treasure", "weapon", "hitpoints", "name", "npc"}) {
    const std::string help = Help(std::string(subcommand) + " --help");
    EXPECT_EQ(help.find("README"), std::string::npos) << subcommand;
    EXPECT_NE(help.find("quendaro-record(5)"), std::string::npos) << subcommand;
  }
}

// What the bash completion offers for the words of a command line whose last
// word is being completed, one reply a line.
std::string BashCompletes(const std::string& words) {
  const std::string script =
      std::string(QUENDARO_MANUALS_DIR) + "/quendaro-cli.bash";
  return Run("bash --norc --noprofile -c 'source \"" + script +
             "\"; COMP_WORDS=(" + words +
             "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _quendaro_cli; "
             "printf \"%s\\n\" \"${COMPREPLY[@]}\"'");
}

TEST(ShellFilesTest, ZshReadsItsCompletion) {
  const std::string script =
      std::string(QUENDARO_MANUALS_DIR) + "/_quendaro-cli";
  EXPECT_EQ(std::system(("zsh -n '" + script + "'").c_str()), 0);
}

TEST(ShellFilesTest, BashCompletesListTextsQuotedOrInsideTheOpeningQuote) {
  EXPECT_EQ(BashCompletes("quendaro-cli character --race El"),
            "Elfo\\ alto\nElfo\\ grigio\nElfo\\ silvano\n"
            "Elfo\\ oscuro\\(Drow\\)\nElfo\\ marino\n"
            "Elfo\\ alato\\(Avariel\\)\n");
  EXPECT_EQ(BashCompletes("quendaro-cli character --class Guer"),
            "Guerriero\\(puro\\)\nGuerriero\\ errante\nGuerriero/chierico\n"
            "Guerriero/mago/chierico\nGuerriero/mago/ladro\n");
  // After an opening quote the text goes in as it stands, without
  // backslashes that the quote would keep.
  EXPECT_EQ(BashCompletes("quendaro-cli hitpoints --group \"\\\"esp\""),
            "Esperto di magia\n");
  EXPECT_EQ(BashCompletes("quendaro-cli character --race \"\\\"nano di c\""),
            "Nano di collina\n");
  EXPECT_EQ(BashCompletes("quendaro-cli hit"), "hitpoints\n");
  EXPECT_EQ(BashCompletes("quendaro-cli n"), "name\nnpc\n");
  EXPECT_EQ(BashCompletes("quendaro-cli npc --l"), "--level\n");
  EXPECT_EQ(BashCompletes("quendaro-cli name --s"),
            "--sex\n--seed\n--state\n--stats\n");
  EXPECT_EQ(BashCompletes("quendaro-cli help w"), "weapon\n");
}

}  // namespace
