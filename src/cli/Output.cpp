#include "cli/Output.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quendaro::cli {

void Output::Line(std::string_view text) {
  if (reader_gone_ || failed_ || Stopped()) return;
  pending_.append(text);
  pending_ += '\n';
  if (pending_.size() >= kBlockSize) Flush();
}

bool Output::Flush() {
  std::size_t written = 0;
  std::size_t end = pending_.size();
  while (written < end && !reader_gone_ && !failed_) {
    if (Stopped()) {
      // Stopped between two lines: nothing more. Stopped in the middle of
      // one: that line's end, and nothing after it.
      if (written == 0 || pending_[written - 1] == '\n') break;
      end = pending_.find('\n', written) + 1;
    }
    const ssize_t n = ::write(fd_, pending_.data() + written, end - written);
    if (n >= 0) {
      written += static_cast<std::size_t>(n);
    } else if (errno == EPIPE) {
      reader_gone_ = true;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      // A non-blocking descriptor whose reader is slow: wait until it has
      // room again rather than give up on the rest of the output.
      pollfd ready = {fd_, POLLOUT, 0};
      while (::poll(&ready, 1, -1) < 0 && errno == EINTR && !Stopped()) {
      }
    } else if (errno != EINTR) {
      failed_ = true;
      const std::string message = std::string(
                                      "quendaro-cli: cannot write "
                                      "the output: ") +
                                  std::strerror(errno) + "\n";
      [[maybe_unused]] const ssize_t reported =
          ::write(err_fd_, message.data(), message.size());
    }
  }
  pending_.clear();
  return !reader_gone_ && !failed_;
}

}  // namespace quendaro::cli
