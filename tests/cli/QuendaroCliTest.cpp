// quendaro-cli as a user runs it: a separate process, its standard output,
// standard error and exit status.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "character/CharacterChoices.h"
#include "character/ClassRules.h"

extern char** environ;

namespace {

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when killed by a signal
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// How the test reads the tool's standard output.
enum class Reader {
  kAll,        // everything, as fast as it comes
  kFirstLine,  // one line, then its end of the pipe closes, as `| head -1`
  // A pipe left non-blocking, as some shells and event loops pass it on,
  // read only after the tool has long filled it.
  kLateOnNonBlocking,
};

// Runs the tool with `arguments` and, added to the test's own, `environment`.
// With `signal`, the tool gets it once its first line has come.
CliRun RunCli(const std::vector<std::string>& arguments,
              const std::vector<std::string>& environment = {},
              Reader reader = Reader::kAll, int signal = 0) {
  int out_pipe[2];
  if (pipe(out_pipe) != 0) std::abort();
  if (reader == Reader::kLateOnNonBlocking) {
    fcntl(out_pipe[1], F_SETFL, fcntl(out_pipe[1], F_GETFL) | O_NONBLOCK);
  }
  char err_name[] = "/tmp/quendaro-cli-err-XXXXXX";
  const int err_fd = mkstemp(err_name);
  if (err_fd < 0) std::abort();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err_fd, 2);
  posix_spawn_file_actions_addclose(&actions, out_pipe[0]);

  std::vector<std::string> argv_strings = {QUENDARO_CLI_PATH};
  argv_strings.insert(argv_strings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : argv_strings) argv.push_back(a.data());
  argv.push_back(nullptr);

  // A variable given here replaces the inherited one: the C library reads
  // the first of two, so a caller's own LC_ALL would otherwise win.
  const auto given = [&](std::string_view entry) {
    const std::string_view name = entry.substr(0, entry.find('=') + 1);
    for (const std::string& e : environment) {
      if (e.starts_with(name)) return true;
    }
    return false;
  };
  std::vector<std::string> env_strings;
  for (char** e = environ; *e != nullptr; ++e) {
    if (!given(*e)) env_strings.emplace_back(*e);
  }
  env_strings.insert(env_strings.end(), environment.begin(), environment.end());
  std::vector<char*> envp;
  for (std::string& e : env_strings) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) !=
      0) {
    std::abort();
  }
  posix_spawn_file_actions_destroy(&actions);
  close(out_pipe[1]);
  close(err_fd);

  CliRun run;
  if (reader == Reader::kLateOnNonBlocking) usleep(300 * 1000);
  char buffer[4096];
  bool signalled = false;
  for (ssize_t n; (n = read(out_pipe[0], buffer, sizeof buffer)) > 0;) {
    run.out.append(buffer, static_cast<std::size_t>(n));
    if (signal != 0 && !signalled && run.out.find('\n') != std::string::npos) {
      kill(pid, signal);
      signalled = true;
    }
    if (reader == Reader::kFirstLine &&
        run.out.find('\n') != std::string::npos) {
      run.out.resize(run.out.find('\n') + 1);
      break;
    }
  }
  close(out_pipe[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

  std::ifstream err_file(err_name);
  std::stringstream err;
  err << err_file.rdbuf();
  run.err = err.str();
  std::remove(err_name);
  return run;
}

// The keys of a JSON object, in the order written.
std::vector<std::string> KeysOf(const nlohmann::ordered_json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

TEST(QuendaroCliTest, EverySubcommandWritesItsJsonKeys) {
  struct Case {
    std::vector<std::string> arguments;
    std::vector<std::string> keys;
  };
  // The display keeps the keys the first version of the tool wrote.
  const std::vector<Case> cases = {
      {{"character", "--race", "Umano", "--class", "Paladino", "--alignment",
        "Legale/buono"},
       {"messages", "clearEnabled", "age", "ageCategory", "scores",
        "percentile", "total", "average", "rows", "preset"}},
      {{"treasure", "--A", "5", "--I", "1"}, {"totals", "magicLines"}},
      {{"weapon"},
       {"languages", "bonus", "alignment", "intelligence", "communication",
        "readsNonMagical", "readsMagical", "ability1", "ability2", "ability3",
        "specialPurpose", "specialPurposePower", "ego"}},
      {{"hitpoints", "--group", "Esperto di magia", "--level", "7"},
       {"hitPoints"}},
      {{"name", "--sex", "m"}, {"name", "warning"}},
      {{"npc", "--level", "3"}, {"character", "level", "hitPoints"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--json", "--count", "20"});
    const CliRun run = RunCli(arguments);
    ASSERT_EQ(run.status, 0) << c.arguments[0] << ": " << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 20u) << c.arguments[0];
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto record = nlohmann::ordered_json::parse(lines[i]);
      EXPECT_EQ(KeysOf(record), (std::vector<std::string>{
                                    "schema", "generator", "seed", "state",
                                    "index", "result", "display"}));
      EXPECT_EQ(record["schema"], 1);
      EXPECT_EQ(record["generator"], c.arguments[0]);
      EXPECT_TRUE(record["seed"].is_null());
      EXPECT_EQ(record["index"], i);
      EXPECT_EQ(KeysOf(record["display"]), c.keys) << lines[i];
    }
  }
}

TEST(QuendaroCliTest, TypedTextsReachTheJsonIntact) {
  // A race with quotes and a backslash must still give one valid JSON line
  // per generation.
  const CliRun run = RunCli(
      {"character", "--as-typed", "--race", "elfo \"alto\" \\ è", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 1u);
  const auto record = nlohmann::json::parse(lines[0]);
  // A race outside the list is no usage error: it rolls zeros, as typed in
  // the window.
  EXPECT_EQ(record["display"]["scores"],
            nlohmann::json::parse(R"(["0","0","0","0","0","0"])"));
  EXPECT_EQ(record["result"]["scores"]["charisma"], 0);
  EXPECT_EQ(record["result"]["race"], "elfo \"alto\" \\ è");
}

TEST(QuendaroCliTest, TheSameSeedRepeatsAndAnotherDiffers) {
  for (const std::vector<std::string>& subcommand :
       std::vector<std::vector<std::string>>{
           {"character", "--race", "Umano", "--class", "Ranger", "--alignment",
            "Neutrale/buono"},
           {"weapon"},
           {"treasure", "--H", "3"},
           {"name", "--sex", "f"}}) {
    std::vector<std::string> first = subcommand;
    first.insert(first.end(), {"--count", "50", "--seed", "1234"});
    std::vector<std::string> other = subcommand;
    other.insert(other.end(), {"--count", "50", "--seed", "1235"});
    const CliRun a = RunCli(first);
    const CliRun b = RunCli(first);
    const CliRun c = RunCli(other);
    EXPECT_TRUE(a.out == b.out) << subcommand[0];
    EXPECT_TRUE(a.out != c.out) << subcommand[0];
  }
}

TEST(QuendaroCliTest, AStateRollsItsRecordAgainInTheMiddleOfAnyRun) {
  // A weapon reseeds from the clock: its state must hold the clock too.
  for (const std::vector<std::string>& subcommand :
       std::vector<std::vector<std::string>>{
           {"weapon"},
           {"character", "--race", "Elfo grigio", "--class", "Ranger",
            "--alignment", "Neutrale/buono"},
           {"npc", "--level", "4"}}) {
    std::vector<std::string> run_of_five = subcommand;
    run_of_five.insert(run_of_five.end(), {"--count", "5", "--json"});
    const std::vector<std::string> records = Lines(RunCli(run_of_five).out);
    ASSERT_EQ(records.size(), 5u);
    const auto fourth = nlohmann::ordered_json::parse(records[3]);
    std::vector<std::string> again = subcommand;
    again.insert(again.end(),
                 {"--state", fourth["state"].get<std::string>(), "--json"});
    auto rolled = nlohmann::ordered_json::parse(RunCli(again).out);
    EXPECT_EQ(rolled["state"], fourth["state"]);
    EXPECT_EQ(rolled["result"], fourth["result"]) << subcommand[0];
    EXPECT_EQ(rolled["display"], fourth["display"]) << subcommand[0];
  }
}

TEST(QuendaroCliTest, CountGivesThatManyLines) {
  for (const char* count : {"1", "7", "1000"}) {
    const CliRun run = RunCli({"hitpoints", "--group", "Militare", "--level",
                               "3", "--json", "--count", count});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), std::stoul(count));
  }
}

TEST(QuendaroCliTest, UsageErrorsExitTwoAndWriteNothing) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"dragon"},
      {"name", "--colour", "red"},
      {"name", "--sex", "x"},
      {"name", "--count", "0"},
      {"name", "--count", "9223372036854775808"},
      {"name", "--count", "ten"},
      {"name", "--count"},
      {"name", "--seed", "1.5"},
      {"treasure", "--B", "6"},
      {"treasure", "--B", "-1"},
      {"treasure", "--B", ""},
      {"hitpoints", "--group", "Ladro", "--level", "3"},
      {"hitpoints", "--level", "3"},
      {"hitpoints", "--group", "Militare"},
      {"weapon", "--stats", "--explain"},
      {"weapon", "extra"},
      {"npc", "--level", "0"},
      {"npc", "--level", "21"},
      {"npc", "--level", "2.5"},
      {"npc", "--level", "tre"},
      {"npc", "--level"},
      {"npc", "--race", "Elfo altissimo"},
      {"npc", "--party", "0"},
      {"npc", "--party", "13"},
      {"name", "--race", "Orco", "--sex", "m"},
      {"weapon", "--state", "1_2_3"},
      {"weapon", "--state", "1_2_4_5"},
      {"weapon", "--state", "1_2_3_4", "--seed", "1"},
  };
  for (const auto& arguments : cases) {
    const CliRun run = RunCli(arguments);
    std::string shown;
    for (const auto& a : arguments) shown += a + " ";
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_EQ(run.out, "") << shown;
    const std::vector<std::string> err = Lines(run.err);
    ASSERT_EQ(err.size(), 1u) << shown << run.err;
    EXPECT_NE(err[0].find("--help"), std::string::npos) << err[0];
  }
}

TEST(QuendaroCliTest, AsTypedALevelThatIsNoLevelIsNoUsageError) {
  const CliRun run = RunCli({"hitpoints", "--as-typed", "--group", "Sacerdote",
                             "--level", "abc", "--json"});
  EXPECT_EQ(run.status, 0);
  const auto record = nlohmann::json::parse(run.out);
  EXPECT_TRUE(record["result"]["hitPoints"].is_null());
  EXPECT_TRUE(record["result"]["level"].is_null());
  EXPECT_EQ(record["display"]["hitPoints"], "");
}

TEST(QuendaroCliTest, AClosedPipeEndsTheRunQuietly) {
  const CliRun run = RunCli({"name", "--sex", "m", "--count", "100000"}, {},
                            Reader::kFirstLine);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Lines(run.out).size(), 1u);
}

TEST(QuendaroCliTest, ExplainListsTheRollsAfterTheResult) {
  const CliRun run = RunCli({"hitpoints", "--group", "Vagabondo", "--level",
                             "1", "--explain", "--seed", "5"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 6u) << run.out;
  EXPECT_EQ(lines[0], "Gruppo: Vagabondo");
  EXPECT_EQ(lines[4], "Tiri e regole:");
  // One roll over the first-level rogue's 1-6, whose result is what was shown.
  EXPECT_EQ(lines[5].rfind("PF: tiro fra 1 e 6 → ", 0), 0u) << lines[5];
  EXPECT_EQ(lines[3], "PF: " + lines[5].substr(lines[5].size() - 1));
}

TEST(QuendaroCliTest, ExplainReadsAsSentencesWithTheRulesThatChangedScores) {
  // A hill dwarf paladin, as the window takes him: the race rule zeroes
  // every score, and the text says so under each score's caption, with no
  // call syntax anywhere.
  const CliRun run = RunCli(
      {"character", "--as-typed", "--race", "Nano di collina", "--class",
       "Paladino", "--alignment", "Legale/buono", "--explain", "--seed", "2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("Roll("), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Reseed"), std::string::npos) << run.out;
  const std::vector<std::string> lines = Lines(run.out);
  for (const std::string caption : {"FORZA", "DESTREZZA", "COSTITUZIONE",
                                    "INTELLIGENZA", "SAGGEZZA", "CARISMA"}) {
    const auto draw = std::find_if(lines.begin(), lines.end(), [&](auto& l) {
      return l.rfind(caption + ": tiro fra ", 0) == 0;
    });
    EXPECT_NE(draw, lines.end()) << caption << "\n" << run.out;
  }
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "Razza: Nano di collina non ammessa per Paladino: «Un "
                      "paladino può essere solo umano»"),
            lines.end())
      << run.out;
}

TEST(QuendaroCliTest, ExplainWithJsonAddsTheRollsToEachRecord) {
  const CliRun run = RunCli({"treasure", "--A", "2", "--count", "3", "--json",
                             "--explain", "--seed", "4"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  for (const std::string& line : lines) {
    const auto record = nlohmann::json::parse(line);
    const auto& rolls = record["rolls"];
    ASSERT_TRUE(rolls.is_array());
    ASSERT_FALSE(rolls.empty());
    EXPECT_EQ(rolls[0]["step"], "Tesoro A: rame, probabilità");
    EXPECT_EQ(rolls[0]["kind"], "draw");
    EXPECT_EQ(rolls[0]["low"], 1);
    EXPECT_EQ(rolls[0]["high"], 100);
    for (const auto& step : rolls) {
      if (step["kind"] != "draw") continue;
      EXPECT_GE(step["value"].get<int>(), step["low"].get<int>());
      EXPECT_LE(step["value"].get<int>(), step["high"].get<int>());
    }
  }
  // Without --explain the records stay as they were.
  const CliRun plain =
      RunCli({"treasure", "--A", "2", "--json", "--seed", "4"});
  EXPECT_FALSE(nlohmann::json::parse(plain.out).contains("rolls"));
}

TEST(QuendaroCliTest, ContentsComeBesideAnUnchangedLair) {
  const std::vector<std::string> lair = {"treasure", "--A",    "5",  "--B",
                                         "2",        "--H",    "5",  "--count",
                                         "20",       "--seed", "11", "--json"};
  std::vector<std::string> with = lair;
  with.push_back("--contents");
  const CliRun plain = RunCli(lair);
  const CliRun full = RunCli(with);
  ASSERT_EQ(full.status, 0) << full.err;
  const std::vector<std::string> plain_lines = Lines(plain.out);
  const std::vector<std::string> full_lines = Lines(full.out);
  ASSERT_EQ(full_lines.size(), plain_lines.size());
  for (std::size_t i = 0; i < full_lines.size(); ++i) {
    auto record = nlohmann::json::parse(full_lines[i]);
    const auto contents = record["result"]["contents"];
    const auto& totals = record["result"]["totals"];
    EXPECT_EQ(contents["gems"].size(), totals["gems"].get<std::size_t>());
    EXPECT_EQ(contents["artObjects"].size(),
              totals["artObjects"].get<std::size_t>());
    double gems = 0;
    for (const auto& gem : contents["gems"]) gems += gem["value"].get<double>();
    EXPECT_NEAR(contents["value"]["gems"].get<double>(), gems, 1e-6);
    record["result"].erase("contents");
    EXPECT_EQ(record, nlohmann::json::parse(plain_lines[i]));
  }

  std::vector<std::string> text = {"treasure",   "--H",      "5", "--seed", "2",
                                   "--contents", "--explain"};
  const CliRun shown = RunCli(text);
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("CONTENUTO DEL TESORO :"), std::string::npos);
  EXPECT_NE(shown.out.find("Gemma 1: classe"), std::string::npos);
  EXPECT_LT(shown.out.find("Monete di rame"),
            shown.out.find("CONTENUTO DEL TESORO :"));

  const CliRun stats =
      RunCli({"treasure", "--H", "5", "--count", "200", "--seed", "5",
              "--contents", "--stats", "--json"});
  ASSERT_EQ(stats.status, 0) << stats.err;
  const auto fields = nlohmann::json::parse(stats.out)["fields"];
  EXPECT_EQ(fields["contents.value.total"]["count"], 200);
  EXPECT_GT(fields["contents.gems.ornamental"]["max"].get<int>(), 0);
  EXPECT_TRUE(fields.contains("contents.magicItems.weapon"));
}

TEST(QuendaroCliTest, StatsSummariseInsteadOfListing) {
  const CliRun run = RunCli({"treasure", "--A", "1", "--count", "2000",
                             "--stats", "--json", "--seed", "3"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 1u);
  const auto summary = nlohmann::json::parse(lines[0]);
  EXPECT_EQ(summary["count"], 2000);
  const auto& copper = summary["fields"]["totals.copper"];
  EXPECT_EQ(copper["count"], 2000);
  EXPECT_EQ(copper["min"], 0);
  EXPECT_LE(copper["max"].get<int>(), 3000);
  // Shares are percentages, with the count beside them.
  const auto& magic = summary["fields"]["magicItems.A"];
  EXPECT_EQ(magic["missing"].get<int>() +
                magic["texts"]["3 qualsiasi"]["count"].get<int>(),
            2000);
  EXPECT_NEAR(magic["texts"]["3 qualsiasi"]["percent"].get<double>(), 30, 5);
}

TEST(QuendaroCliTest, HelpListsTheAcceptedTexts) {
  const CliRun run = RunCli({"character", "--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* text : {"\"Minotauro(Dragonlance)\"",
                           "\"Guerriero/mago/ladro\"", "\"Neutrale(puro)\""}) {
    EXPECT_NE(run.out.find(text), std::string::npos) << text;
  }
  EXPECT_NE(RunCli({"hitpoints", "--help"}).out.find("\"Esperto di magia\""),
            std::string::npos);
}

// The Italian locale is built into a private folder when the machine can
// build locales, so the test needs no system-wide setup.
std::optional<std::string> ItalianLocaleFolder() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "quendaro-cli-locales";
  const std::filesystem::path locale = folder / "it_IT.UTF-8";
  if (!std::filesystem::exists(locale / "LC_NUMERIC")) {
    std::filesystem::create_directories(folder);
    const std::string command =
        "localedef -i it_IT -f UTF-8 '" + locale.string() + "' >/dev/null 2>&1";
    std::system(command.c_str());
  }
  if (!std::filesystem::exists(locale / "LC_NUMERIC")) return std::nullopt;
  return folder.string();
}

TEST(QuendaroCliTest, ItalianLocaleWritesAndReadsTheComma) {
  const std::optional<std::string> folder = ItalianLocaleFolder();
  if (!folder) GTEST_SKIP() << "the Italian locale cannot be built here";
  const std::vector<std::string> italian = {"LOCPATH=" + *folder,
                                            "LC_ALL=it_IT.UTF-8"};

  // Orvo's scores add up to 82, whose sixth has decimals: the text shows
  // the locale's comma, the JSON the point in every locale.
  const CliRun text = RunCli({"character", "--name", "Orvo"}, italian);
  EXPECT_NE(text.out.find("MEDIA : 13,66667"), std::string::npos) << text.out;
  const CliRun level = RunCli({"hitpoints", "--as-typed", "--group", "Militare",
                               "--level", "3,0", "--json"},
                              italian);
  EXPECT_EQ(nlohmann::json::parse(level.out)["result"]["level"], 3);
  // As typed, the window's box reads only the locale's separator.
  const CliRun dotted = RunCli({"hitpoints", "--as-typed", "--group",
                                "Militare", "--level", "3.0", "--json"},
                               italian);
  EXPECT_TRUE(
      nlohmann::json::parse(dotted.out)["result"]["hitPoints"].is_null())
      << dotted.out;
  // Checked, a number reads the same with either mark in either locale.
  for (const std::vector<std::string>& locale :
       {italian, std::vector<std::string>{"LC_ALL=C"}}) {
    for (const char* typed : {"3.0", "3,0"}) {
      const CliRun checked = RunCli({"hitpoints", "--group", "Militare",
                                     "--level", typed, "--seed", "9", "--json"},
                                    locale);
      EXPECT_EQ(checked.status, 0) << typed << checked.err;
      EXPECT_EQ(checked.out, RunCli({"hitpoints", "--group", "Militare",
                                     "--level", "3", "--seed", "9", "--json"})
                                 .out)
          << typed;
    }
  }

  for (const std::vector<std::string>& command :
       std::vector<std::vector<std::string>>{
           {"character", "--name", "Orvo", "--json", "--seed", "7"},
           {"character", "--race", "Umano", "--class", "Ladro", "--age", "30",
            "--json", "--seed", "7", "--count", "5"},
           {"treasure", "--A", "3", "--json", "--seed", "7"},
           {"weapon", "--json", "--seed", "7"},
           {"hitpoints", "--group", "Militare", "--level", "3", "--json",
            "--seed", "7"},
           {"name", "--sex", "f", "--json", "--seed", "7"},
           {"name", "--sex", "m", "--race", "Mezzelfo", "--seed", "7"},
           // A party: the same NPCs, ages, heights, weights and saves.
           {"npc", "--count", "6", "--level", "5", "--race", "Nano di collina",
            "--format", "markdown", "--seed", "7"},
           {"npc", "--count", "6", "--json", "--seed", "7"},
           {"npc", "--party", "6", "--level", "5", "--json", "--seed", "7"}}) {
    const CliRun in_italian = RunCli(command, italian);
    const CliRun in_c = RunCli(command, {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(in_italian.out, in_c.out) << command[0];
    EXPECT_FALSE(in_c.out.empty()) << command[0];
  }
  const auto orvo = nlohmann::json::parse(
      RunCli({"character", "--name", "Orvo", "--json"}, italian).out);
  EXPECT_EQ(orvo["display"]["average"], "13.66667");
  EXPECT_EQ(orvo["result"]["average"], 13.66667);
}

TEST(QuendaroCliTest, TenThousandNpcsNeverBreakAClassRule) {
  const CliRun run =
      RunCli({"npc", "--count", "10000", "--seed", "20", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 10000u);
  std::set<std::string> races;
  std::set<std::string> classes;
  for (const std::string& line : lines) {
    const auto record = nlohmann::json::parse(line);
    const auto& character = record["result"]["character"];
    const std::string race = character["race"];
    const std::string character_class = character["class"];
    const std::string alignment = character["alignment"];
    ASSERT_TRUE(character["messages"].empty()) << line;
    ASSERT_TRUE(quendaro::ClassAcceptsRace(character_class, race)) << line;
    ASSERT_TRUE(quendaro::ClassAcceptsAlignment(character_class, alignment))
        << line;
    ASSERT_GT(character["total"].get<int>(), 0) << line;
    ASSERT_EQ(record["result"]["level"], 1);
    ASSERT_GE(record["result"]["hitPoints"].get<int>(), 1);
    races.insert(race);
    classes.insert(character_class);
  }
  // Every race and every class comes up: the rarest class, one a single race
  // may take, is picked about once in 850 NPCs.
  EXPECT_EQ(races.size(), quendaro::kRaceChoices.size());
  EXPECT_EQ(classes.size(), quendaro::kClassChoices.size());
}

TEST(QuendaroCliTest, NpcMarkdownIsOnePartyTable) {
  const CliRun run = RunCli({"npc", "--count", "6", "--format", "markdown",
                             "--seed", "1", "--level", "4"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 8u) << run.out;
  EXPECT_EQ(
      lines[0],
      "| Nome | Razza | Classe | Allineamento | Sesso | Età | Liv. | PF | "
      "THAC0 | Par | Ver | Pie | Sof | Inc | FOR | DES | COS | INT | SAG "
      "| CAR |");
  EXPECT_EQ(lines[1],
            "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
            "---|---|---|---|");
  for (std::size_t i = 2; i < lines.size(); ++i) {
    std::vector<std::string> cells;
    std::istringstream row(lines[i].substr(1));
    for (std::string cell; std::getline(row, cell, '|');) {
      cells.push_back(cell.substr(1, cell.size() - 2));
    }
    ASSERT_EQ(cells.size(), 20u) << lines[i];
    EXPECT_FALSE(cells[0].empty()) << lines[i];
    EXPECT_TRUE(cells[4] == "Maschio" || cells[4] == "Femmina") << lines[i];
    EXPECT_GE(std::stoi(cells[5]), 16) << lines[i];
    EXPECT_EQ(cells[6], "4") << lines[i];
    EXPECT_GE(std::stoi(cells[7]), 1) << lines[i];
    EXPECT_LE(std::stoi(cells[8]), 20) << lines[i];
  }
  EXPECT_TRUE(run.out.ends_with("|\n")) << run.out;
}

// A usage error: exit 2, nothing on standard output and one line on standard
// error, which holds `expected`.
void ExpectUsageError(const std::vector<std::string>& arguments,
                      const std::string& expected) {
  const CliRun run = RunCli(arguments);
  std::string shown;
  for (const auto& a : arguments) shown += "[" + a + "] ";
  EXPECT_EQ(run.status, 2) << shown;
  EXPECT_EQ(run.out, "") << shown;
  const std::vector<std::string> err = Lines(run.err);
  ASSERT_EQ(err.size(), 1u) << shown << run.err;
  EXPECT_NE(err[0].find(expected), std::string::npos) << shown << "\n"
                                                      << err[0];
}

// The value of a caption line of the text output ("Razza: Umano" gives
// "Umano"), or "" when there is none.
std::string Shown(const CliRun& run, const std::string& caption) {
  for (const std::string& line : Lines(run.out)) {
    if (line.rfind(caption, 0) == 0) return line.substr(caption.size());
  }
  return "";
}

TEST(QuendaroCliTest, NpcKeepsItsLockedChoicesAndRefusesImpossibleOnes) {
  const CliRun run = RunCli({"npc", "--race", "nano di collina", "--count",
                             "100", "--seed", "3", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 100u);
  std::set<std::string> classes;
  for (const std::string& line : lines) {
    const auto record = nlohmann::json::parse(line);
    const auto& character = record["result"]["character"];
    ASSERT_EQ(character["race"], "Nano di collina") << line;
    ASSERT_TRUE(character["messages"].empty()) << line;
    ASSERT_TRUE(quendaro::ClassAcceptsRace(
        character["class"].get<std::string>(), "Nano di collina"))
        << line;
    classes.insert(character["class"].get<std::string>());
  }
  EXPECT_GT(classes.size(), 5u);
  EXPECT_EQ(Shown(RunCli({"npc", "--class", "Paladino", "--sex", "femmina",
                          "--seed", "4"}),
                  "Razza: "),
            "Umano");
}

TEST(QuendaroCliTest, NameByRaceUsesTheRacesSetAndWithoutItTheWindows) {
  // The window's names always end in one of its second or third parts.
  const CliRun window = RunCli({"name", "--sex", "m", "--seed", "5"});
  const CliRun dwarf = RunCli(
      {"name", "--sex", "m", "--race", "Nano grigio(Duergar)", "--seed", "5"});
  const CliRun nobody =
      RunCli({"name", "--sex", "m", "--race", "nessuna", "--seed", "5"});
  ASSERT_EQ(dwarf.status, 0) << dwarf.err;
  EXPECT_EQ(nobody.out, window.out);
  EXPECT_NE(dwarf.out, window.out);
  EXPECT_NE(Shown(dwarf, "Nome: "), "");
}

TEST(QuendaroCliBadTextsTest, ListTextsMatchWhateverTheirCaseAccentsAndBlanks) {
  struct Case {
    std::string option, typed, caption, entry;
  };
  const std::vector<Case> cases = {
      {"--race", "mezzelfo", "Razza: ", "Mezzelfo"},
      {"--race", "ELFO OSCURO DROW", "Razza: ", "Elfo oscuro(Drow)"},
      {"--race", "halfling polare furchin spelljammer",
       "Razza: ", "Halfling polare(Furchin)(Spelljammer)"},
      {"--class", "LADRO", "Classe: ", "Ladro"},
      {"--class", "guerriero mago ladro", "Classe: ", "Guerriero/mago/ladro"},
      {"--alignment", "caotico buono", "Allineamento: ", "Caotico/buono"},
      {"--alignment", "Neutrale\u00a0puro", "Allineamento: ", "Neutrale(puro)"},
      {"--sex", "fèmmina", "SESSO: ", "Femmina"},
  };
  // A half-elf thief, chaotic good, whom every rule accepts: each case
  // gives one of the four in its own words.
  const std::map<std::string, std::string> legal = {
      {"--race", "Mezzelfo"},
      {"--class", "Ladro"},
      {"--alignment", "Caotico/buono"}};
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"character", c.option, c.typed,
                                          "--seed", "1"};
    for (const auto& [option, entry] : legal) {
      if (option != c.option)
        arguments.insert(arguments.end(), {option, entry});
    }
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 0) << c.typed << run.err;
    EXPECT_EQ(Shown(run, c.caption), c.entry) << c.typed;
  }
  // The group and the name tool's sex are lists too.
  EXPECT_EQ(RunCli({"hitpoints", "--group", "esperto di magia", "--level", "3"})
                .status,
            0);
  EXPECT_EQ(RunCli({"name", "--sex", "Femminili"}).status, 0);
}

TEST(QuendaroCliBadTextsTest, TextsOnNoListNameTheClosestEntries) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"character", "--race", "Elfo altissimo"},
       "unknown race 'Elfo altissimo'; did you mean 'Elfo alto'?"},
      {{"character", "--class", "Guerriero"},
       "unknown class 'Guerriero'; did you mean 'Guerriero(puro)'"},
      {{"character", "--class", "ladri"}, "did you mean 'Ladro'?"},
      {{"character", "--alignment", "Legale bueno"},
       "unknown alignment 'Legale bueno'; did you mean 'Legale/buono'?"},
      {{"character", "--sex", "maschile"}, "did you mean 'Maschio'?"},
      {{"character", "--race", ""}, "unknown race ''"},
      {{"hitpoints", "--group", "magia", "--level", "1"},
       "unknown group 'magia'; did you mean 'Esperto di magia'?"},
      {{"name", "--sex", "x"}, "unknown sex 'x'; did you mean 'm' or 'f'?"},
  };
  for (const auto& [arguments, expected] : cases) {
    ExpectUsageError(arguments, expected);
  }
}

TEST(QuendaroCliBadTextsTest, AsTypedKeepsTheWindowsOutcome) {
  // Texts the window's lists do not hold roll a sheet of zeros, with no
  // message, exactly as typed into the window.
  const CliRun race = RunCli(
      {"character", "--as-typed", "--race", "umano", "--class", "ladro"});
  EXPECT_EQ(race.status, 0) << race.err;
  EXPECT_EQ(Lines(race.out).at(0), "Nome: ");
  EXPECT_EQ(Shown(race, "Razza: "), "umano");
  EXPECT_EQ(Shown(race, "FORZA: "), "0");
  EXPECT_EQ(Shown(race, "TOTALE : "), "0");
  // An age the window cannot read goes through untouched.
  const CliRun age =
      RunCli({"character", "--as-typed", "--age", "vent'anni", "--seed", "2"});
  EXPECT_EQ(age.status, 0) << age.err;
  // A level out of range rolls nothing.
  const CliRun level = RunCli(
      {"hitpoints", "--as-typed", "--group", "Militare", "--level", "30"});
  EXPECT_EQ(level.status, 0);
  EXPECT_TRUE(
      level.out.ends_with("\nN. Livello: 30\n"
                          "Ritira se il punteggio è minore della "
                          "metà: no\nPF: \n"))
      << level.out;
}

TEST(QuendaroCliBadNumbersTest, NumbersOutsideTheWindowsRangeAreRefused) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"hitpoints", "--group", "Militare", "--level", "30"},
       "--level needs a whole number from 1 to 20, not '30'"},
      {{"hitpoints", "--group", "Militare", "--level", "0"}, "not '0'"},
      {{"hitpoints", "--group", "Militare", "--level", "abc"}, "not 'abc'"},
      {{"hitpoints", "--group", "Militare", "--level", ""}, "not ''"},
      {{"hitpoints", "--group", "Militare", "--level", "2.5"}, "not '2.5'"},
      {{"character", "--age", "vent'anni"},
       "--age needs a whole number from 0 to 9999, not 'vent'anni'"},
      {{"character", "--age", "-1"}, "--age needs"},
      {{"character", "--height", "10000"}, "--height needs"},
      {{"character", "--weight", "70 kg"}, "--weight needs"},
      {{"name", "--count", "0"}, "--count needs a whole number from 1 to"},
      {{"name", "--count", "9223372036854775808"}, "--count needs"},
      {{"name", "--seed", "dodici"}, "--seed needs a whole number"},
  };
  for (const auto& [arguments, expected] : cases) {
    ExpectUsageError(arguments, expected);
  }
}

TEST(QuendaroCliBadNumbersTest, WholeNumbersReadWithBlanksAndZeroDecimals) {
  const std::string level_seven = RunCli({"hitpoints", "--group", "Vagabondo",
                                          "--level", "7", "--seed", "4"})
                                      .out;
  for (const char* typed : {" 7 ", "7.0", "7,0", "+7"}) {
    const CliRun run = RunCli(
        {"hitpoints", "--group", "Vagabondo", "--level", typed, "--seed", "4"});
    EXPECT_EQ(run.status, 0) << typed << run.err;
    EXPECT_EQ(run.out, level_seven) << typed;
  }
  const CliRun age =
      RunCli({"character", "--race", "Umano", "--class", "Guerriero(puro)",
              "--age", "20,0", "--height", "", "--seed", "1"});
  EXPECT_EQ(age.status, 0) << age.err;
  EXPECT_EQ(Shown(age, "ETA' : ").rfind("20 anni", 0), 0u) << age.out;
  // The largest count is taken; the output streams, so a closed pipe ends it.
  const CliRun most =
      RunCli({"name", "--sex", "m", "--count", "9223372036854775807"}, {},
             Reader::kFirstLine);
  EXPECT_EQ(most.status, 0) << most.err;
  EXPECT_EQ(most.err, "");
}

TEST(QuendaroCliConventionsTest, HelpComesEveryUsualWay) {
  const std::string general = RunCli({"--help"}).out;
  ASSERT_NE(general, "");
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"-h"}, {"help"}}) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 0) << arguments[0];
    EXPECT_EQ(run.out, general) << arguments[0];
  }
  const std::string character = RunCli({"character", "--help"}).out;
  EXPECT_NE(character, general);
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{
           {"character", "-h"},
           {"help", "character"},
           {"character", "--race", "Umano", "-h"}}) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, character);
  }
  EXPECT_NE(general.find("--as-typed"), std::string::npos);
  EXPECT_NE(general.find("reproduce the window exactly"), std::string::npos);
  ExpectUsageError({"help", "dragon"}, "unknown subcommand 'dragon'");
}

TEST(QuendaroCliConventionsTest, DoubleDashEndsTheOptions) {
  const CliRun run = RunCli({"name", "--sex", "m", "--seed", "5", "--"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, RunCli({"name", "--sex", "m", "--seed", "5"}).out);
  // After it nothing is an option any more.
  ExpectUsageError({"name", "--", "--sex", "m"}, "unexpected argument '--sex'");
}

TEST(QuendaroCliConventionsTest, MistakesGetTheWayToPutThemRight) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--count", "3", "name", "--sex", "m"},
       "options go after the subcommand, as in 'quendaro-cli name --count 3 "
       "--sex m'"},
      {{"--seed", "1"}, "options go after the subcommand"},
      {{"name", "--cuont", "3"},
       "unknown option '--cuont'; did you mean '--count'?"},
      {{"character", "--rase", "Umano"}, "did you mean '--race'?"},
      {{"charactr"},
       "unknown subcommand 'charactr'; did you mean 'character'?"},
      {{"hitpoint"}, "did you mean 'hitpoints'?"},
      {{"--colour"}, "unknown option '--colour'"},
      {{}, "missing subcommand"},
  };
  for (const auto& [arguments, expected] : cases) {
    ExpectUsageError(arguments, expected);
  }
}

TEST(QuendaroCliOutputFaultsTest, ARepeatedOptionIsRefusedTheSameWay) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{
           {"name", "--count", "2", "--count", "3"},
           {"name", "--sex", "m", "--sex", "f"},
           {"name", "--json", "--json"},
           {"hitpoints", "--group", "Militare", "--level", "1", "--reroll",
            "--reroll"},
           {"character", "--seed=1", "--seed", "1"}}) {
    ExpectUsageError(arguments, "' given more than once");
  }
}

// The standard error of a refused run: its lines, each after the tool's name.
std::vector<std::string> Refusal(const std::vector<std::string>& arguments) {
  const CliRun run = RunCli(arguments);
  std::string shown;
  for (const auto& a : arguments) shown += "[" + a + "] ";
  EXPECT_EQ(run.status, 2) << shown;
  EXPECT_EQ(run.out, "") << shown;
  std::vector<std::string> lines;
  for (const std::string& line : Lines(run.err)) {
    EXPECT_EQ(line.rfind("quendaro-cli: ", 0), 0u) << line;
    lines.push_back(line.substr(std::min(line.size(), std::size_t{14})));
  }
  return lines;
}

TEST(QuendaroCliTruthTest, AFlagTakesNoValueAndNoOptionSwallowsAnother) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"weapon", "--json=false"}, "--json takes no value"},
      {{"hitpoints", "--group", "Militare", "--level", "5", "--reroll=false"},
       "--reroll takes no value"},
      {{"treasure", "--A", "1", "--stats=no"}, "--stats takes no value"},
      {{"name", "--explain=0"}, "--explain takes no value"},
      {{"character", "--as-typed="}, "--as-typed takes no value"},
      {{"--help=yes"}, "--help takes no value"},
      {{"character", "--name", "--json", "--race", "Umano"},
       "--name has no value: '--json' is an option (write '--name=--json' to "
       "give it as the value)"},
      {{"character", "--race", "--class", "Ladro"},
       "--race has no value: '--class' is an option"},
      {{"npc", "--level", "--count", "3"}, "--level has no value: '--count'"},
      {{"name", "--sex", "--seed=4"}, "--sex has no value: '--seed=4'"},
      {{"name", "--sex"}, "--sex needs a value"},
      {{"name", "--sex", "--"}, "--sex needs a value"},
  };
  for (const auto& [arguments, expected] : cases) {
    ExpectUsageError(arguments, expected);
  }
  // Written with "=", a text that looks like an option is the text.
  const CliRun named = RunCli({"character", "--race", "Umano", "--class",
                               "Ladro", "--name=--json", "--seed", "1"});
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_EQ(Lines(named.out).at(0), "Nome: --json");
}

TEST(QuendaroCliTruthTest, AListTextIsTheWholeTextAndANumberHasOneSign) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"character", "--race", "Umano日本"},
       "unknown race 'Umano日本'; did you mean 'Umano'?"},
      {{"character", "--race", "Umano€"}, "unknown race 'Umano€'"},
      {{"character", "--class", "Ladro🗡"},
       "unknown class 'Ladro🗡'; did you mean 'Ladro'?"},
      {{"character", "--race", "Uma\x01no"}, "unknown race 'Uma\\x01no'"},
      {{"hitpoints", "--group", "Militare\u00b0", "--level", "1"},
       "unknown group 'Militare°'"},
      {{"name", "--sex", "f\u0301"}, "unknown sex"},
      {{"character", "--race", "Umano", "--class", "Ladro", "--age", "+-0"},
       "--age needs a whole number from 0 to 9999, not '+-0'"},
      {{"name", "--seed", "+-5"}, "--seed needs a whole number, not '+-5'"},
      {{"npc", "--level", "++3"}, "--level needs a whole number"},
  };
  for (const auto& [arguments, expected] : cases) {
    ExpectUsageError(arguments, expected);
  }
}

TEST(QuendaroCliTruthTest, NothingRawReachesATerminal) {
  // Bytes that are no UTF-8, 0x9b among them (CSI to an 8-bit terminal),
  // are refused and shown escaped, in checked and typed texts alike.
  ExpectUsageError({"character", "--race", "Uma\x9bno"},
                   "--race needs UTF-8 text, not 'Uma\\x9bno'");
  ExpectUsageError({"character", "--as-typed", "--name=Orvo\xff"},
                   "--name needs UTF-8 text, not 'Orvo\\xff'");
  ExpectUsageError({"character", "--race", "\x1b[31mUmano"},
                   "unknown race '\\x1b[31mUmano'");
  const CliRun error = RunCli({"name", "--sex", "\x1b]0;title\x07"});
  EXPECT_EQ(error.err.find('\x1b'), std::string::npos) << error.err;
  EXPECT_EQ(error.err.find('\x07'), std::string::npos) << error.err;

  // Checked, a name with a C0, C1, DEL or bidirectional control is refused.
  for (const char* name : {"a\x1b"
                           "b",
                           "a\u0085b",
                           "a\x7f"
                           "b",
                           "a\u202eb", "a\u2066b"}) {
    const std::vector<std::string> err = Refusal(
        {"character", "--race", "Umano", "--class", "Ladro", "--name", name});
    ASSERT_EQ(err.size(), 1u) << name;
    EXPECT_EQ(err[0].rfind("--name holds a control character: 'a\\", 0), 0u)
        << err[0];
  }

  // As typed, each is written escaped, in every format.
  const std::string name = "Orvo\x1b[2J\u0085\x7f\u202eovrO";
  const std::vector<std::string> typed = {"character", "--as-typed", "--race",
                                          "Umano",     "--class",    "Ladro",
                                          "--name",    name};
  const auto with = [&](std::vector<std::string> more) {
    more.insert(more.begin(), typed.begin(), typed.end());
    return more;
  };
  const CliRun text = RunCli(typed);
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(Lines(text.out).at(0), "Nome: Orvo\\x1b[2J\\u0085\\x7f\\u202eovrO");
  const CliRun markdown = RunCli(with({"--format", "markdown"}));
  EXPECT_NE(markdown.out.find("\\u202e"), std::string::npos) << markdown.out;
  const CliRun json = RunCli(with({"--json"}));
  EXPECT_NE(json.out.find("Orvo\\u001b[2J\\u0085\\u007f\\u202eovrO"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(nlohmann::json::parse(json.out)["result"]["name"], name);
  for (const CliRun* run : {&text, &markdown, &json}) {
    for (const char* raw : {"\x1b", "\u0085", "\x7f", "\u202e"}) {
      EXPECT_EQ(run->out.find(raw), std::string::npos) << run->out;
    }
  }
}

TEST(QuendaroCliTruthTest, ARequestTheRulesRefuseIsRefusedBeforeAnyRoll) {
  struct Case {
    std::vector<std::string> arguments;
    std::vector<std::string> messages;  // the rules' own, then the hint
  };
  const std::string npc_hint = "use 'quendaro-cli npc";
  const std::vector<Case> cases = {
      {{"character"},
       {"Devi selezionare una classe !", "Devi selzionare una razza !",
        npc_hint}},
      {{"character", "--race", "Umano", "--json"},
       {"Devi selezionare una classe !", npc_hint}},
      {{"character", "--race", "Nano di collina", "--class", "Paladino",
        "--alignment", "Legale/buono", "--count", "3"},
       {"Un paladino può essere solo umano", npc_hint}},
      {{"character", "--race", "Umano", "--class", "Paladino", "--alignment",
        "caotico buono", "--stats"},
       {"Un paladino può essere solo legale buono", npc_hint}},
      {{"character", "--race", "Umano", "--class", "Ladro", "--age", "111",
        "--explain"},
       {"Un uomo non arriva a questa età !",
        "--age goes up to 110 for 'Umano'"}},
      {{"character", "--race", "nano di fosso", "--class", "Ladro", "--age",
        "301"},
       {"Questo nano non può superare i ",
        "--age goes up to 300 for 'Nano di fosso'"}},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> err = Refusal(c.arguments);
    ASSERT_EQ(err.size(), c.messages.size()) << c.arguments.size();
    for (std::size_t i = 0; i < err.size(); ++i) {
      EXPECT_EQ(err[i].rfind(c.messages[i], 0), 0u) << err[i];
    }
  }
  // The hint names an npc run that keeps what was asked; npc's own locked
  // choices are refused the same way, the class kept where they clash.
  EXPECT_EQ(Refusal({"character", "--class", "Guerriero(puro)"}).back(),
            "use 'quendaro-cli npc --class \"Guerriero(puro)\"' to pick the "
            "rest");
  EXPECT_EQ(Refusal({"npc", "--race", "Minotauro(Dragonlance)", "--class",
                     "Ladro", "--as-typed"}),
            (std::vector<std::string>{
                "Un minotauro non può fare il ladro",
                "use 'quendaro-cli npc --class Ladro' to pick the rest"}));
  EXPECT_EQ(Refusal({"npc", "--class", "paladino", "--alignment",
                     "caotico buono", "--sex", "femmina"}),
            (std::vector<std::string>{
                "Un paladino può essere solo legale buono",
                "use 'quendaro-cli npc --class Paladino --sex Femmina' to pick "
                "the rest"}));

  // As typed, the window's outcome: its messages first, then the sheet.
  const CliRun typed = RunCli({"character", "--as-typed"});
  EXPECT_EQ(typed.status, 0) << typed.err;
  EXPECT_EQ(typed.out.rfind("Devi selezionare una classe !\n"
                            "Devi selzionare una razza !\nNome: ",
                            0),
            0u)
      << typed.out;
  EXPECT_EQ(Shown(typed, "TOTALE : "), "0");
  // A name that calls up the pre-set character needs no choice.
  EXPECT_EQ(RunCli({"character", "--name", "Orvo"}).status, 0);

  // Without --sex a name is male or female at random, and says which.
  const CliRun names =
      RunCli({"name", "--count", "40", "--seed", "3", "--json"});
  ASSERT_EQ(names.status, 0) << names.err;
  std::set<std::string> sexes;
  for (const std::string& line : Lines(names.out)) {
    const auto record = nlohmann::json::parse(line);
    sexes.insert(record["result"]["sex"].get<std::string>());
    EXPECT_FALSE(record["result"]["name"].get<std::string>().empty());
  }
  EXPECT_EQ(sexes, (std::set<std::string>{"male", "female"}));
  const std::vector<std::string> text =
      Lines(RunCli({"name", "--sex", "nessuno", "--seed", "3"}).out);
  ASSERT_EQ(text.size(), 2u);
  EXPECT_TRUE(text[1] == "Sesso: maschile" || text[1] == "Sesso: femminile")
      << text[1];
  // As typed, no option chosen is the window's warning.
  EXPECT_EQ(RunCli({"name", "--as-typed"}).out,
            "Selezionare se si vogliono generare nomi maschili o femminili\n"
            "Nome: \n");
}

TEST(QuendaroCliTruthTest, AnInterruptedRunEndsOnAWholeLine) {
  for (const auto& [signal, status] : std::vector<std::pair<int, int>>{
           {SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}}) {
    const CliRun json =
        RunCli({"npc", "--count", "9223372036854775807", "--json"}, {},
               Reader::kAll, signal);
    EXPECT_EQ(json.status, status) << signal;
    ASSERT_TRUE(json.out.ends_with("\n")) << signal;
    for (const std::string& line : Lines(json.out)) {
      EXPECT_NO_THROW(std::ignore = nlohmann::json::parse(line)) << line;
    }
    const CliRun text = RunCli({"character", "--race", "Umano", "--class",
                                "Ladro", "--count", "9223372036854775807"},
                               {}, Reader::kAll, signal);
    EXPECT_EQ(text.status, status) << signal;
    EXPECT_TRUE(text.out.ends_with("\n")) << signal;
  }
}

TEST(QuendaroCliTruthTest, HelpAndVersionFollowTheGnuConventions) {
  const CliRun version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  const std::vector<std::string> lines = Lines(version.out);
  ASSERT_GE(lines.size(), 5u) << version.out;
  EXPECT_EQ(lines[0], "quendaro-cli (Quendaro 32) " QUENDARO_VERSION);
  EXPECT_EQ(lines[1].rfind("Copyright (C) ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2].rfind("License GPL-3.0-or-later", 0), 0u) << lines[2];
  EXPECT_NE(version.out.find("There is NO WARRANTY, to the extent permitted "
                             "by law."),
            std::string::npos);
  // --help and --version win wherever they stand.
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--version", "extra"},
                                             {"name", "--version"},
                                             {"name", "--colour", "--version"},
                                             {"weapon", "--", "--version"}}) {
    const CliRun run = RunCli(arguments);
    if (arguments.back() == "--version" && arguments[1] == "--") {
      EXPECT_EQ(run.status, 2);  // after "--" it is no option
      continue;
    }
    EXPECT_EQ(run.status, 0) << arguments[1];
    EXPECT_EQ(run.out, version.out) << arguments[1];
  }
  const std::string name_help = RunCli({"name", "--help"}).out;
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{
           {"name", "--count", "--help"},
           {"name", "--sex", "x", "--json=false", "-h"},
           {"name", "--help", "--version"}}) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, name_help);
  }
  EXPECT_EQ(RunCli({"name", "--version", "--help"}).out, version.out);
  // Every help ends with the exit statuses and where to report a fault.
  for (const std::string& help : {RunCli({"--help"}).out, name_help}) {
    EXPECT_NE(help.find("\nExit status:\n  0 "), std::string::npos);
    EXPECT_NE(help.find("  129, 130, 143 "), std::string::npos);
    EXPECT_TRUE(help.ends_with(
        "Report faults to <quendaro@morvellan.it>.\n"
        "Quendaro 32 home page: <https://quendaro.morvellan.it>.\n"))
        << help;
  }
}

TEST(QuendaroCliOutputFaultsTest, ALongBadValueIsCutWithAnEllipsis) {
  const std::string huge(131000, 'x');
  const CliRun run = RunCli({"character", "--race", huge});
  EXPECT_EQ(run.status, 2);
  EXPECT_LT(run.err.size(), 300u);
  EXPECT_NE(run.err.find("xxxx…'"), std::string::npos) << run.err;
  // A cut never splits a letter in two.
  std::string accents;
  for (int i = 0; i < 100; ++i) accents += "è";
  const CliRun accented = RunCli({"character", "--race", accents});
  EXPECT_NE(accented.err.find("èè…'"), std::string::npos) << accented.err;
}

TEST(QuendaroCliOutputFaultsTest, ANonBlockingOutputWaitsForItsReader) {
  const CliRun run =
      RunCli({"name", "--sex", "f", "--count", "100000", "--json"}, {},
             Reader::kLateOnNonBlocking);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Lines(run.out).size(), 100000u);
}

}  // namespace
