// The message a second start of the desktop program sends to the running
// one: the files to open, or a request to come to the front. Every file
// name is sent with its length in bytes, so that any name the file system
// holds (newlines, tabs, bytes that are not UTF-8, text that looks like
// another request) arrives as exactly one name.
//
//   "ORVANE-HANDOVER 1\n"            first line: what this is, and its version
//   "OPEN <n>\n" <n bytes> "\n"      one per file: an absolute path
//   "ACTIVATE\n"                     (instead of files) come to the front
//   "END\n"                          last line
//
// <n> is a decimal number without sign or leading zeros. The running
// program answers kHandoverAnswer once it has the whole message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr std::string_view kHandoverAnswer = "OK\n";
// A message longer than this is refused (far more than any command line).
inline constexpr std::size_t kHandoverLimit = std::size_t{1} << 20;
// Longest file name accepted (the longest path Linux opens is 4095 bytes).
inline constexpr std::size_t kHandoverNameLimit = 4095;

struct HandoverRequest {
  std::vector<std::string> files;  // absolute paths, as bytes, in order
  bool activate = false;
};

// The message asking the running program to open `files` (absolute paths;
// none: to come to the front).
std::string EncodeHandover(const std::vector<std::string>& files);

enum class HandoverStatus : std::uint8_t {
  kIncomplete,  // more bytes are needed
  kComplete,    // the whole message has arrived; request() holds it
  kMalformed,   // not a message of this kind: the connection should be dropped
};

// Reads a message as its bytes arrive, in pieces of any size.
class HandoverParser {
 public:
  // Takes the next bytes. Once kComplete or kMalformed is returned, later
  // calls return the same and ignore their bytes. A file name that is
  // empty, not absolute, longer than kHandoverNameLimit or holding a NUL
  // byte, a request after END, a message over kHandoverLimit or any other
  // line makes the message malformed.
  HandoverStatus Feed(std::string_view bytes);
  HandoverStatus status() const { return status_; }
  const HandoverRequest& request() const { return request_; }

 private:
  HandoverStatus Parse();

  std::string buffer_;
  std::size_t consumed_ = 0;
  std::size_t received_ = 0;
  bool sawHeader_ = false;
  HandoverStatus status_ = HandoverStatus::kIncomplete;
  HandoverRequest request_;
};

}  // namespace orvane
