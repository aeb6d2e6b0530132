#include "cli/Output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quendaro::cli {

void Output::Line(std::string_view text) {
  if (reader_gone_ || failed_) return;
  pending_.append(text);
  pending_ += '\n';
  if (pending_.size() >= kBlockSize) Flush();
}

bool Output::Flush() {
  std::size_t written = 0;
  while (written < pending_.size() && !reader_gone_ && !failed_) {
    const ssize_t n =
        ::write(fd_, pending_.data() + written, pending_.size() - written);
    if (n >= 0) {
      written += static_cast<std::size_t>(n);
    } else if (errno == EPIPE) {
      reader_gone_ = true;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      // A non-blocking descriptor whose reader is slow: wait until it has
      // room again rather than give up on the rest of the output.
      pollfd ready = {fd_, POLLOUT, 0};
      while (::poll(&ready, 1, -1) < 0 && errno == EINTR) {
      }
    } else if (errno != EINTR) {
      failed_ = true;
      std::fprintf(stderr, "quendaro-cli: cannot write the output: %s\n",
                   std::strerror(errno));
    }
  }
  pending_.clear();
  return !reader_gone_ && !failed_;
}

}  // namespace quendaro::cli
