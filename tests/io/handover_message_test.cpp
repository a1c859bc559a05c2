// The hand-over message between two starts of the desktop program: any
// file name arrives as exactly one name, whatever bytes it holds and
// however the message is cut into pieces on the way; anything else is
// refused.
#include "io/handover_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

HandoverRequest ParseWhole(const std::string& message, HandoverStatus expected = HandoverStatus::kComplete) {
  HandoverParser parser;
  EXPECT_EQ(parser.Feed(message), expected);
  return parser.request();
}

TEST(Handover, EveryNameArrivesAsExactlyOneName) {
  const std::vector<std::vector<std::string>> requests = {
      {"/home/me/chart.orv"},
      {"/tmp/two\nlines.orv"},
      {"/tmp/x\nOPEN\t/etc/passwd", "/tmp/x\nOPEN 11\n/etc/passwd\nEND\n"},
      {"/tmp/tab\there.orv", "/tmp/bad\xff\xfename.orv", "/tmp/END\n", "/tmp/ACTIVATE"},
      {"/" + std::string(kHandoverNameLimit - 1, 'a')},
      {},
  };
  for (const auto& files : requests) {
    const std::string message = EncodeHandover(files);
    const HandoverRequest whole = ParseWhole(message);
    EXPECT_EQ(whole.files, files);
    EXPECT_EQ(whole.activate, files.empty());
    // The same in two pieces cut at every byte, and one byte at a time.
    for (std::size_t cut = 0; cut <= message.size(); ++cut) {
      HandoverParser parser;
      const HandoverStatus first = parser.Feed(std::string_view(message).substr(0, cut));
      ASSERT_EQ(first, cut == message.size() ? HandoverStatus::kComplete : HandoverStatus::kIncomplete) << cut;
      ASSERT_EQ(parser.Feed(std::string_view(message).substr(cut)), HandoverStatus::kComplete) << cut;
      ASSERT_EQ(parser.request().files, files) << cut;
    }
    HandoverParser bytewise;
    HandoverStatus status = HandoverStatus::kIncomplete;
    for (const char c : message) status = bytewise.Feed(std::string_view(&c, 1));
    EXPECT_EQ(status, HandoverStatus::kComplete);
    EXPECT_EQ(bytewise.request().files, files);
  }
}

TEST(Handover, AnythingElseIsRefused) {
  const std::string header = "ORVANE-HANDOVER 1\n";
  struct Case {
    const char* name;
    std::string message;
  };
  const Case cases[] = {
      {"old line protocol", "OPEN\t/tmp/a.orv\nEND\n"},
      {"other version", "ORVANE-HANDOVER 2\nEND\n"},
      {"length too short", header + "OPEN 3\n/tmp/a.orv\nEND\n"},
      {"length too long", header + "OPEN 12\n/tmp/a.orv\nEND\n"},
      {"relative name", header + "OPEN 5\na.orv\nEND\n"},
      {"empty name", header + "OPEN 0\n\nEND\n"},
      {"NUL in name", header + "OPEN 4\n" + std::string("/a\0b", 4) + "\nEND\n"},
      {"leading zero", header + "OPEN 010\n/tmp/a.orv\nEND\n"},
      {"signed length", header + "OPEN +10\n/tmp/a.orv\nEND\n"},
      {"huge length", header + "OPEN 99999999999999999999\n"},
      {"name over the limit", header + "OPEN " + std::to_string(kHandoverNameLimit + 1) + "\n"},
      {"unknown request", header + "DELETE 10\n/tmp/a.orv\nEND\n"},
      {"tab instead of blank", header + "OPEN\t10\n/tmp/a.orv\nEND\n"},
      {"more after the end", header + "END\nOPEN 10\n/tmp/a.orv\n"},
      {"endless line", header + std::string(100, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HandoverParser parser;
    EXPECT_EQ(parser.Feed(c.message), HandoverStatus::kMalformed);
    // Once refused, always refused.
    EXPECT_EQ(parser.Feed("END\n"), HandoverStatus::kMalformed);
  }
  // A message larger than the limit is refused even before it ends.
  HandoverParser big;
  std::string name = "/" + std::string(kHandoverNameLimit - 1, 'n');
  std::string record = "OPEN " + std::to_string(name.size()) + "\n" + name + "\n";
  HandoverStatus status = big.Feed(header);
  while (status == HandoverStatus::kIncomplete) status = big.Feed(record);
  EXPECT_EQ(status, HandoverStatus::kMalformed);
  // Incomplete messages stay incomplete.
  EXPECT_EQ(HandoverParser().Feed(header.substr(0, 5)), HandoverStatus::kIncomplete);
  EXPECT_EQ(HandoverParser().Feed(header + "OPEN 10\n/tmp"), HandoverStatus::kIncomplete);
}

}  // namespace
}  // namespace orvane
