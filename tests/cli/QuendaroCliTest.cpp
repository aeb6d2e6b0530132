// quendaro-cli as a user runs it: a separate process, its standard output,
// standard error and exit status.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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

// Runs the tool with `arguments` and, added to the test's own, `environment`.
// With `first_line_only` the reader takes one line and then closes its end
// of the pipe, as `| head -1` does.
CliRun RunCli(const std::vector<std::string>& arguments,
              const std::vector<std::string>& environment = {},
              bool first_line_only = false) {
  int out_pipe[2];
  if (pipe(out_pipe) != 0) std::abort();
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
  char buffer[4096];
  for (ssize_t n; (n = read(out_pipe[0], buffer, sizeof buffer)) > 0;) {
    run.out.append(buffer, static_cast<std::size_t>(n));
    if (first_line_only && run.out.find('\n') != std::string::npos) {
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
      {{"character", "--race", "Umano", "--class", "Paladino"},
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
      EXPECT_EQ(KeysOf(record),
                (std::vector<std::string>{"schema", "generator", "seed",
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
  // A name with quotes, a backslash and bytes that are no UTF-8 must still
  // give one valid JSON line per generation.
  const CliRun run =
      RunCli({"character", "--race", "elfo \"alto\" \\ \xff\xfe", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 1u);
  const auto record = nlohmann::json::parse(lines[0]);
  // A race outside the list is no usage error: it rolls zeros, as typed in
  // the window.
  EXPECT_EQ(record["display"]["scores"],
            nlohmann::json::parse(R"(["0","0","0","0","0","0"])"));
  EXPECT_EQ(record["result"]["scores"]["charisma"], 0);
  EXPECT_EQ(record["result"]["race"], "elfo \"alto\" \\ \uFFFD\uFFFD");
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
      {"name", "--count", "100001"},
      {"name", "--count", "ten"},
      {"name", "--count"},
      {"name", "--seed", "1.5"},
      {"treasure", "--B", "6"},
      {"treasure", "--B", "-1"},
      {"treasure", "--B", ""},
      {"hitpoints", "--group", "Ladro", "--level", "3"},
      {"hitpoints", "--level", "3"},
      {"hitpoints", "--group", "Militare"},
      {"weapon", "--json", "--explain"},
      {"weapon", "extra"},
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

TEST(QuendaroCliTest, ALevelThatIsNoLevelIsNoUsageError) {
  const CliRun run =
      RunCli({"hitpoints", "--group", "Sacerdote", "--level", "abc", "--json"});
  EXPECT_EQ(run.status, 0);
  const auto record = nlohmann::json::parse(run.out);
  EXPECT_TRUE(record["result"]["hitPoints"].is_null());
  EXPECT_TRUE(record["result"]["level"].is_null());
  EXPECT_EQ(record["display"]["hitPoints"], "");
}

TEST(QuendaroCliTest, AClosedPipeEndsTheRunQuietly) {
  const CliRun run =
      RunCli({"name", "--sex", "m", "--count", "100000"}, {}, true);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Lines(run.out).size(), 1u);
}

TEST(QuendaroCliTest, ExplainListsTheRollsAfterTheResult) {
  const CliRun run = RunCli({"hitpoints", "--group", "Vagabondo", "--level",
                             "1", "--explain", "--seed", "5"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_EQ(lines[1], "Tiri:");
  // One roll over the first-level rogue's 1-6, whose result is what was shown.
  EXPECT_EQ(lines[2].rfind("  Roll(6, 1) = ", 0), 0u) << lines[2];
  EXPECT_EQ(lines[0], "PF: " + lines[2].substr(lines[2].size() - 1));
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

TEST(QuendaroCliTest, VersionNamesTheProduct) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.out).at(0), "Quendaro 32 1.00 C");
}

// The tool's version is the build's, the same number as the program and the
// package: the line may go on with the commit, but not with another number.
TEST(QuendaroCliTest, VersionIsTheBuildsVersion) {
  const CliRun run = RunCli({"--version"});
  ASSERT_EQ(run.status, 0);
  const std::string expected = "quendaro-cli " QUENDARO_PROJECT_VERSION;
  bool found = false;
  for (const std::string& line : Lines(run.out)) {
    if (line == expected || line.rfind(expected + " ", 0) == 0) found = true;
  }
  EXPECT_TRUE(found) << run.out;
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
  const CliRun level =
      RunCli({"hitpoints", "--group", "Militare", "--level", "3,0", "--json"},
             italian);
  EXPECT_EQ(nlohmann::json::parse(level.out)["result"]["level"], 3);

  for (const std::vector<std::string>& command :
       std::vector<std::vector<std::string>>{
           {"character", "--name", "Orvo", "--json", "--seed", "7"},
           {"character", "--race", "Umano", "--class", "Ladro", "--age", "30",
            "--json", "--seed", "7", "--count", "5"},
           {"treasure", "--A", "3", "--json", "--seed", "7"},
           {"weapon", "--json", "--seed", "7"},
           {"hitpoints", "--group", "Militare", "--level", "3", "--json",
            "--seed", "7"},
           {"name", "--sex", "f", "--json", "--seed", "7"}}) {
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

}  // namespace
