#include "io/handover_message.h"

#include <charconv>

namespace orvane {
namespace {

constexpr std::string_view kHeader = "ORVANE-HANDOVER 1\n";
constexpr std::string_view kOpen = "OPEN ";
constexpr std::string_view kActivate = "ACTIVATE";
constexpr std::string_view kEnd = "END";

// Digits of a length as written: no sign, no leading zero, at most the
// limit's width.
bool ReadLength(std::string_view digits, std::size_t& length) {
  if (digits.empty() || digits.size() > 7 || (digits.size() > 1 && digits[0] == '0')) return false;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
  }
  const auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
  return err == std::errc() && end == digits.data() + digits.size();
}

}  // namespace

std::string EncodeHandover(const std::vector<std::string>& files) {
  std::string message(kHeader);
  for (const std::string& file : files) {
    message += kOpen;
    message += std::to_string(file.size());
    message += '\n';
    message += file;
    message += '\n';
  }
  if (files.empty()) {
    message += kActivate;
    message += '\n';
  }
  message += kEnd;
  message += '\n';
  return message;
}

HandoverStatus HandoverParser::Feed(std::string_view bytes) {
  if (status_ != HandoverStatus::kIncomplete) return status_;
  received_ += bytes.size();
  if (received_ > kHandoverLimit) return status_ = HandoverStatus::kMalformed;
  buffer_.append(bytes);
  status_ = Parse();
  // What has been read is dropped, so the buffer holds at most one record.
  buffer_.erase(0, consumed_);
  consumed_ = 0;
  return status_;
}

HandoverStatus HandoverParser::Parse() {
  std::string_view rest(buffer_);
  rest.remove_prefix(consumed_);
  if (!sawHeader_) {
    if (rest.size() < kHeader.size()) {
      return kHeader.substr(0, rest.size()) == rest ? HandoverStatus::kIncomplete : HandoverStatus::kMalformed;
    }
    if (rest.substr(0, kHeader.size()) != kHeader) return HandoverStatus::kMalformed;
    rest.remove_prefix(kHeader.size());
    consumed_ += kHeader.size();
    sawHeader_ = true;
  }
  while (true) {
    const std::size_t lineEnd = rest.find('\n');
    if (lineEnd == std::string_view::npos) {
      // A line longer than the longest one allowed can never become valid.
      return rest.size() > kOpen.size() + 8 ? HandoverStatus::kMalformed : HandoverStatus::kIncomplete;
    }
    const std::string_view line = rest.substr(0, lineEnd);
    if (line == kEnd) {
      consumed_ += lineEnd + 1;
      // Nothing may follow the end.
      return rest.size() == lineEnd + 1 ? HandoverStatus::kComplete : HandoverStatus::kMalformed;
    }
    if (line == kActivate) {
      request_.activate = true;
      rest.remove_prefix(lineEnd + 1);
      consumed_ += lineEnd + 1;
      continue;
    }
    std::size_t length = 0;
    if (line.substr(0, kOpen.size()) != kOpen || !ReadLength(line.substr(kOpen.size()), length) || length == 0 ||
        length > kHandoverNameLimit) {
      return HandoverStatus::kMalformed;
    }
    // The name and the line end after it.
    if (rest.size() < lineEnd + 1 + length + 1) return HandoverStatus::kIncomplete;
    const std::string_view name = rest.substr(lineEnd + 1, length);
    if (rest[lineEnd + 1 + length] != '\n' || name[0] != '/' || name.find('\0') != std::string_view::npos) {
      return HandoverStatus::kMalformed;
    }
    request_.files.emplace_back(name);
    rest.remove_prefix(lineEnd + 1 + length + 1);
    consumed_ += lineEnd + 1 + length + 1;
  }
}

}  // namespace orvane
