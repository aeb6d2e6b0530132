#pragma once

#include <string>
#include <string_view>

namespace quendaro::cli {

// Standard output in whole lines. Lines are gathered and written in large
// blocks that always end at a line's end, so a reader never sees half a line.
// When the reader goes away (`| head -1`) the output closes quietly and the
// program stops generating; a full non-blocking descriptor is waited for;
// any other write error is reported once.
class Output {
 public:
  explicit Output(int fd) : fd_(fd) {}
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

  int fd_;
  std::string pending_;
  bool reader_gone_ = false;
  bool failed_ = false;
};

}  // namespace quendaro::cli
