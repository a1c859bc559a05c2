#include "report/report_buffer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <locale.h>

namespace orvane {

namespace {

// The "C" locale, made once for the process and never changed.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

// Formats with the "C" rules on this thread for as long as it lives, so a
// report reads the same bytes whatever locale the program has set (a German
// locale would write "0,8587" for "0.8587").
class CLocaleScope {
 public:
  CLocaleScope() : previous_(CLocale() ? uselocale(CLocale()) : static_cast<locale_t>(0)) {}
  ~CLocaleScope() {
    if (previous_) uselocale(previous_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

}  // namespace

void ReportBuffer::Clear() {
  length_ = 0;
  data_[0] = '\0';
  truncated_ = false;
}

void ReportBuffer::Appendf(const char* format, ...) {
  const std::size_t room = kCapacity - length_;  // >= 1: the terminating zero always fits
  const CLocaleScope cRules;
  va_list args;
  va_start(args, format);
  const int wanted = std::vsnprintf(data_ + length_, room, format, args);
  va_end(args);
  if (wanted < 0) {
    data_[length_] = '\0';
    truncated_ = true;
    return;
  }
  if (static_cast<std::size_t>(wanted) >= room) {
    length_ = kCapacity - 1;
    truncated_ = true;
  } else {
    length_ += static_cast<std::size_t>(wanted);
  }
}

void ReportBuffer::Append(std::string_view text) {
  const std::size_t room = kCapacity - 1 - length_;
  std::size_t n = text.size();
  if (n > room) {
    n = room;
    truncated_ = true;
  }
  std::memcpy(data_ + length_, text.data(), n);
  length_ += n;
  data_[length_] = '\0';
}

void ReportBuffer::SetPosition(std::size_t position) {
  if (position > length_) return;  // only back over text already written
  length_ = position;
  data_[length_] = '\0';
}

}  // namespace orvane
