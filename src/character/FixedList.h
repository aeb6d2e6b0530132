#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <initializer_list>

namespace quendaro {

// A short list of rows written inline in a constant table, where each entry
// has a different number of them (a class's minimums, an age group's bands).
// The capacity is fixed, so the whole table stays constant data.
template <typename T, std::size_t kCapacity>
class FixedList {
 public:
  constexpr FixedList(std::initializer_list<T> items) : size_(items.size()) {
    assert(items.size() <= kCapacity && "table row has too many entries");
    std::size_t i = 0;
    for (const T& item : items) items_[i++] = item;
  }

  constexpr const T* begin() const { return items_.data(); }
  constexpr const T* end() const { return items_.data() + size_; }
  constexpr std::size_t size() const { return size_; }
  constexpr const T& operator[](std::size_t i) const {
    assert(i < size_ && "index past the end of a fixed list");
    return items_[i];
  }

 private:
  std::array<T, kCapacity> items_{};
  std::size_t size_;
};

}  // namespace quendaro
