// quendaro-cli: the generators of Quendaro 32 from the command line, for
// preparing a session in batches and for feeding other programs.

#include <clocale>
#include <csignal>
#include <string>
#include <vector>

#include "cli/Tool.h"

namespace {

volatile std::sig_atomic_t stop_signal = 0;

extern "C" void OnStopSignal(int signal) { stop_signal = signal; }

// The decimal separator of the numeric locale the user runs under (LC_ALL,
// LC_NUMERIC, LANG). The C library is put back to the "C" locale afterwards
// so that nothing else is formatted differently by accident.
char NumericLocaleSeparator() {
  char separator = '.';
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && point[0] != '\0' && point[1] == '\0' &&
        static_cast<unsigned char>(point[0]) < 0x80) {
      separator = point[0];
    }
  }
  std::setlocale(LC_NUMERIC, "C");
  return separator;
}

}  // namespace

int main(int argc, char* argv[]) {
  // A reader that goes away shows up as a failed write, which ends the run
  // quietly, instead of a signal.
  std::signal(SIGPIPE, SIG_IGN);
  // Ctrl+C, kill and a closed terminal end the run after the line being
  // written, so that a file or a pipe never holds half a record. The
  // handler is reset by the first signal: a second one ends the tool at
  // once, should a reader have stopped reading.
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // and no SA_RESTART: a blocked write ends
  for (int signal : {SIGINT, SIGTERM, SIGHUP})
    sigaction(signal, &action, nullptr);

  quendaro::cli::ToolEnvironment environment;
  environment.decimal_separator = NumericLocaleSeparator();
  environment.stop = &stop_signal;
  return quendaro::cli::RunTool(std::vector<std::string>(argv + 1, argv + argc),
                                environment);
}
