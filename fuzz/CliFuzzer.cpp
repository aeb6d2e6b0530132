// Any bytes become the command line's arguments (split at NUL bytes) and the
// tool runs on them as it ships, every subcommand and --stats included, its
// output and errors caught in memory. Whatever the arguments, it must end
// with 0, 1 or 2; a refused run writes nothing to standard output and says
// why on standard error; nothing it writes holds a control character but the
// line break, or a byte that is no UTF-8; JSON lines are JSON. And it must
// refuse what it promises to refuse: a flag given a value, an option whose
// value is one of its options, a list entry followed by a text of another
// script.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/SafeText.h"
#include "cli/Tool.h"
#include "fuzz/FuzzSupport.h"
#include "presentation/Markup.h"

namespace quendaro::fuzzing {
namespace {

using cli::Option;

// The text a memory file holds.
std::string Contents(int fd) {
  std::string text;
  lseek(fd, 0, SEEK_SET);
  char buffer[1 << 14];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

void CheckTerminalSafe(const std::string& text, std::string_view where) {
  Require(cli::IsValidUtf8(text), "bytes that are no UTF-8 are written", where);
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    Require(
        !cli::HoldsControls(std::string_view(text).substr(start, end - start)),
        "a control character is written raw", where);
    start = end + 1;
  }
}

const Option* Named(std::string_view word, const std::vector<Option>& options) {
  if (!word.starts_with("--")) return nullptr;
  const std::string_view name = word.substr(2, word.find('=') - 2);
  for (const Option& option : options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// Whether `value` is an entry of the option's list followed by a character
// that folding does not read: a symbol or a letter of another script, whose
// UTF-8 form starts with a byte of 0xe0 or more, or a control character.
bool EntryWithForeignTail(const Option& option, std::string_view value) {
  for (std::string_view entry : option.values) {
    if (!value.starts_with(entry) || value.size() == entry.size()) continue;
    for (char c : value.substr(entry.size())) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= 0xe0 || byte < 0x20 || byte == 0x7f) return true;
    }
  }
  return false;
}

// What the arguments alone say the tool must refuse, or false when they
// promise nothing.
bool MustBeRefused(const std::vector<std::string>& arguments) {
  std::vector<std::string_view> words;
  for (const std::string& argument : arguments) {
    if (argument == "--") break;
    // --help and --version win over everything.
    if (argument == "--help" || argument == "-h" || argument == "--version") {
      return false;
    }
    words.push_back(argument);
  }
  if (words.empty()) return true;  // no subcommand
  std::vector<Option> options;
  bool known = false;
  for (const auto& subcommand : cli::AllSubcommands('.')) {
    if (subcommand->Name() != words.front()) continue;
    known = true;
    options = subcommand->Options();
  }
  if (!known) return words.front() != "help";
  const std::vector<Option> common = cli::CommonOptions();
  options.insert(options.end(), common.begin(), common.end());
  bool as_typed = false;
  for (std::string_view word : words)
    as_typed = as_typed || word == "--as-typed";
  for (std::size_t i = 1; i < words.size(); ++i) {
    const Option* option = Named(words[i], options);
    if (option == nullptr) continue;
    const std::size_t equals = words[i].find('=');
    if (!option->TakesValue()) {
      if (equals != std::string_view::npos) return true;
      continue;
    }
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = words[i].substr(equals + 1);
    } else if (i + 1 == words.size() ||
               Named(words[i + 1], options) != nullptr) {
      return true;
    } else {
      value = words[++i];
    }
    if (!as_typed && EntryWithForeignTail(*option, value)) return true;
  }
  return false;
}

}  // namespace
}  // namespace quendaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using quendaro::fuzzing::CheckTerminalSafe;
  using quendaro::fuzzing::Contents;
  using quendaro::fuzzing::Require;

  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.emplace_back();
    } else {
      arguments.back() += static_cast<char>(data[i]);
    }
  }
  if (size == 0) arguments.clear();

  cli::ToolEnvironment environment;
  environment.decimal_separator = size > 0 && data[0] % 2 == 0 ? ',' : '.';
  environment.out_fd = memfd_create("out", 0);
  environment.err_fd = memfd_create("err", 0);
  Require(environment.out_fd >= 0 && environment.err_fd >= 0,
          "no memory file for the output");
  environment.entropy = false;
  environment.most_results = 3;
  const int status = cli::RunTool(arguments, environment);
  const std::string out = Contents(environment.out_fd);
  const std::string err = Contents(environment.err_fd);
  close(environment.out_fd);
  close(environment.err_fd);

  Require(status == 0 || status == 2, "an exit status that is neither 0 nor 2",
          err);
  CheckTerminalSafe(out, "standard output");
  CheckTerminalSafe(err, "standard error");
  if (status == 2) {
    Require(out.empty(), "a refused run wrote to standard output", out);
    Require(err.starts_with("quendaro-cli: ") && err.ends_with("\n"),
            "a refused run without its reason", err);
  } else {
    Require(err.empty(), "a run that succeeded wrote to standard error", err);
    Require(!quendaro::fuzzing::MustBeRefused(arguments),
            "a run that had to be refused was not", out.substr(0, 200));
    if (out.starts_with("{")) {
      std::size_t start = 0;
      while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        Require(Json::accept(out.substr(start, end - start)),
                "a record that is no JSON");
        start = end + 1;
      }
    }
  }
  return 0;
}
