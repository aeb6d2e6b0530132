#pragma once

#include <csignal>
#include <string>
#include <string_view>

namespace quendaro::cli {

// Standard output in whole lines. Lines are gathered and written in large
// blocks that always end at a line's end, so a reader never sees half a line.
// When the reader goes away (`| head -1`) the output closes quietly and the
// program stops generating; a full non-blocking descriptor is waited for;
// any other write error is reported once, on `err_fd`. Once `stop` is set
// (by a signal) the line being written is finished and nothing follows it.
class Output {
 public:
  explicit Output(int fd, int err_fd = 2,
                  const volatile std::sig_atomic_t* stop = nullptr)
      : fd_(fd), err_fd_(err_fd), stop_(stop) {}
  ~Output() { Flush(); }

  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // Appends `text` and a line break. `text` may hold several lines.
  void Line(std::string_view text);

  // Writes what is gathered. False once the output can take no more.
  bool Flush();

  bool ReaderGone() const { return reader_gone_; }
  bool Failed() const { return failed_; }

 private:
  static constexpr std::size_t kBlockSize = 1 << 16;

  bool Stopped() const { return stop_ != nullptr && *stop_ != 0; }

  int fd_;
  int err_fd_;
  const volatile std::sig_atomic_t* stop_;
  std::string pending_;
  bool reader_gone_ = false;
  bool failed_ = false;
};

}  // namespace quendaro::cli
