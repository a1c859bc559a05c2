// The hand-over message of the desktop program from arbitrary bytes, as a
// stranger on the socket could send them.
//
// Checked: reading ends; a complete message gives only absolute names
// without NUL bytes and within the length limit; the same bytes cut into
// two pieces anywhere give the same result; a complete message written out
// again from what was read reads back to the same request.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "io/handover_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  HandoverParser whole;
  const HandoverStatus status = whole.Feed(bytes);
  FUZZ_CHECK(whole.status() == status);

  // Cut at a place the input itself chooses.
  const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
  HandoverParser pieces;
  HandoverStatus first = pieces.Feed(bytes.substr(0, cut));
  if (first == HandoverStatus::kIncomplete) first = pieces.Feed(bytes.substr(cut));
  // A message that ends in the first piece is complete there; bytes after
  // its end in the same piece make it malformed, in another piece they are
  // ignored. Every other outcome must agree.
  if (status != HandoverStatus::kMalformed || first != HandoverStatus::kComplete) FUZZ_CHECK(first == status);

  if (status == HandoverStatus::kComplete) {
    const HandoverRequest& request = whole.request();
    for (const std::string& file : request.files) {
      FUZZ_CHECK(!file.empty() && file[0] == '/');
      FUZZ_CHECK(file.size() <= kHandoverNameLimit);
      FUZZ_CHECK(file.find('\0') == std::string::npos);
    }
    FUZZ_CHECK(pieces.request().files == request.files);
    HandoverParser again;
    FUZZ_CHECK(again.Feed(EncodeHandover(request.files)) == HandoverStatus::kComplete);
    FUZZ_CHECK(again.request().files == request.files);
  }
  return 0;
}
