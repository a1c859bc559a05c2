// What the fuzz targets share: a check that stops the fuzzer with a message
// (libFuzzer records the input that broke it), a reader that decodes fuzz
// bytes into values, and a scratch file per process.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                  \
  do {                                                                                         \
    if (!(condition)) {                                                                        \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);       \
      std::abort();                                                                            \
    }                                                                                          \
  } while (0)

namespace orvane::fuzz {

// Takes values from the front of the fuzz input; past its end every value
// is zero, so a short input still decodes to a complete case.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

  std::uint64_t Bits(int bytes) {  // little-endian, 1..8 bytes
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(Byte()) << (8 * i);
    return value;
  }

  // Any 64-bit pattern: NaN, infinities, subnormals and the largest values
  // come out of this as readily as ordinary numbers.
  double RawDouble() {
    const std::uint64_t bits = Bits(8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // A whole number in [min, max].
  long long InRange(long long min, long long max) {
    const std::uint64_t span = static_cast<std::uint64_t>(max - min) + 1;
    return min + static_cast<long long>(Bits(4) % span);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A file that belongs to this process, removed at exit: in memory when the
// system has a memory file system (rewriting a file on a disk file system
// may wait for the disk at every close), else in the temporary folder.
class ScratchFile {
 public:
  explicit ScratchFile(std::string_view stem) {
    std::error_code ec;
    std::filesystem::path folder = "/dev/shm";
    if (!std::filesystem::is_directory(folder, ec) || ::access(folder.c_str(), W_OK) != 0) {
      folder = std::filesystem::temp_directory_path(ec);
      if (ec) folder = "/tmp";
    }
    path_ = (folder / (std::string(stem) + "-" + std::to_string(::getpid()))).string();
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() { ::unlink(path_.c_str()); }

  const std::string& path() const { return path_; }

  // Replaces the file's content with `bytes` (plainly: speed matters here,
  // not crash safety).
  void Write(std::string_view bytes) const {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
    FUZZ_CHECK(std::fclose(f) == 0);
  }

 private:
  std::string path_;
};

// A message meant for a person: present, one line, printable.
inline bool IsOneLineMessage(std::string_view message) {
  if (message.empty()) return false;
  for (char c : message) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) return false;
  }
  return true;
}

}  // namespace orvane::fuzz
