#pragma once

#include <csignal>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace quendaro::cli {

// Where a run of the tool reads its surroundings from, so that the program
// and the fuzzing harness run the very same code.
struct ToolEnvironment {
  char decimal_separator = '.';  // of the numeric locale
  int out_fd = 1;
  int err_fd = 2;
  // Set, to the signal's number, by a handler of SIGINT, SIGTERM or SIGHUP:
  // the run then ends after the line it is writing.
  const volatile std::sig_atomic_t* stop = nullptr;
  // Without --seed the random sequence starts from the clock and the
  // system's entropy; a harness that must repeat itself fixes it instead.
  bool entropy = true;
  // The most results one run makes, whatever --count asks; for a harness.
  std::int64_t most_results = std::numeric_limits<std::int64_t>::max();
};

// Runs quendaro-cli with `arguments` (argv without the program's name) and
// returns its exit status: 0, 1 when the output could not be written, 2 for
// a usage error or a request the rules refuse, 128 plus the signal's number
// when stopped.
int RunTool(const std::vector<std::string>& arguments,
            const ToolEnvironment& environment);

}  // namespace quendaro::cli
