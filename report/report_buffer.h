// The one text buffer that a calculation pass writes its selected report
// section into. Every append is bounded by the room left; a cut is recorded.
#pragma once

#include <cstddef>
#include <string_view>

namespace orvane {

class ReportBuffer {
 public:
  static constexpr std::size_t kCapacity = 34000;

  // Empties the buffer (start of a section).
  void Clear();
  // printf-style append at the current end; never writes past the buffer.
  // Numbers follow the "C" rules whatever locale the program has set.
  [[gnu::format(printf, 2, 3)]] void Appendf(const char* format, ...);
  void Append(std::string_view text);

  // Saved write positions (the basic-information section is written by
  // several steps that continue where the previous one stopped).
  std::size_t Position() const { return length_; }
  // Cuts the text back to `position` (a position past the end is ignored).
  void SetPosition(std::size_t position);

  std::string_view Text() const { return {data_, length_}; }
  const char* CStr() const { return data_; }
  bool Truncated() const { return truncated_; }

 private:
  char data_[kCapacity] = {};
  std::size_t length_ = 0;
  bool truncated_ = false;
};

}  // namespace orvane
