#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "link/TOvExec.h"
#include "link/TOvMuxExec.h"
#include "tests/support/TestPaths.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;

enum class Format { IntelHex, SRecord };

std::unique_ptr<HexRecordImage> Read(Format format, std::istream& in, uint32_t start) {
  if (format == Format::IntelHex) {
    return std::make_unique<TOvExec>(in, start);
  }
  return std::make_unique<TOvMuxExec>(in, start);
}

std::unique_ptr<HexRecordImage> ReadText(Format format, const std::string& text, uint32_t start) {
  std::istringstream in(text);
  return Read(format, in, start);
}

std::unique_ptr<HexRecordImage> ReadFile(Format format, const std::string& name, uint32_t start) {
  std::ifstream in(testing::TestDataDir() / "images" / name);
  EXPECT_TRUE(in.is_open()) << name;
  return Read(format, in, start);
}

Bytes Expected(const std::string& name) {
  return testing::ReadBytes(testing::TestDataDir() / "images" / name);
}

TEST(ImageReaders, FilesMadeByStandardToolsReadBack) {
  const struct {
    const char* file;
    Format format;
    uint32_t start;
    const char* expected;
  } cases[] = {
      {"driver-objcopy.hex", Format::IntelHex, 0x8000, "payload-a.bin"},
      {"driver-gaps.hex", Format::IntelHex, 0x8000, "driver-gaps.bin"},
      {"driver-srec-cat.hex", Format::IntelHex, 0x8000, "payload-b.bin"},
      {"firmware.hex", Format::IntelHex, 0, "payload-a.bin"},
      {"mux-firmware.srec", Format::SRecord, 0x10000, "payload-a.bin"},
      {"mux-firmware-comments.srec", Format::SRecord, 0x10000, "payload-a.bin"},
      {"mux-driver-gaps.srec", Format::SRecord, 0x210000, "mux-driver-gaps.bin"},
      {"s1-records.srec", Format::SRecord, 0, "s1-records.bin"},
  };
  for (const auto& c : cases) {
    const auto image = ReadFile(c.format, c.file, c.start);
    EXPECT_TRUE(image->IsValid()) << c.file;
    EXPECT_EQ(image->Image(), Expected(c.expected)) << c.file;
    EXPECT_EQ(image->ImageLength(), image->Image().size()) << c.file;
  }
}

TEST(ImageReaders, BrokenFilesAreRefused) {
  const struct {
    const char* file;
    Format format;
    uint32_t start;
  } cases[] = {
      {"bad-checksum.hex", Format::IntelHex, 0x8000},
      {"missing-end.hex", Format::IntelHex, 0x8000},
      {"blank-line.hex", Format::IntelHex, 0x8000},
      {"descending.hex", Format::IntelHex, 0x8000},
      {"odd-length.hex", Format::IntelHex, 0x8000},
      {"lowercase-s.srec", Format::SRecord, 0x10000},
      {"mux-firmware-at-10100.srec", Format::SRecord, 0x10000},
      {"bad-checksum.srec", Format::SRecord, 0x10000},
      {"descending.srec", Format::SRecord, 0x210000},
      {"s4-record.srec", Format::SRecord, 0x210000},
      // A driver expected at 0x8000 whose records start at 0x8000 is read
      // for a start above it: the records lie below the expected address.
      {"driver-objcopy.hex", Format::IntelHex, 0x8001},
  };
  for (const auto& c : cases) {
    const auto image = ReadFile(c.format, c.file, c.start);
    EXPECT_FALSE(image->IsValid()) << c.file;
    EXPECT_TRUE(image->Image().empty()) << c.file;
  }
}

TEST(IntelHex, TheImageStartsAtTheExpectedAddress) {
  const auto image =
      ReadText(Format::IntelHex, ":0280100011223B\n:028020004455C5\n:00000001FF\n", 0x8000);
  ASSERT_TRUE(image->IsValid());
  Bytes expected(16, 0xFF);
  expected.insert(expected.end(), {0x11, 0x22});
  expected.insert(expected.end(), 14, 0xFF);
  expected.insert(expected.end(), {0x44, 0x55});
  EXPECT_EQ(image->Image(), expected);
  EXPECT_EQ(static_cast<TOvExec*>(image.get())->LastRecordType(), 1);
}

TEST(IntelHex, RecordsAndLines) {
  const struct {
    const char* name;
    const char* text;
    bool valid;
    Bytes image;
  } cases[] = {
      {"lower-case digits", ":02000000abcd86\n:00000001ff\n", true, {0xAB, 0xCD}},
      {"CR LF line ends", ":02000000ABCD86\r\n:00000001FF\r\n", true, {0xAB, 0xCD}},
      {"reading stops at the end record",
       ":02000000ABCD86\n:00000001FF\ngarbage\n",
       true,
       {0xAB, 0xCD}},
      {"start address records carry no image bytes",
       ":0400000500001234B1\n:02000000ABCD86\n:040000030000800079\n:00000001FF\n",
       true,
       {0xAB, 0xCD}},
      {"an extended address of 0",
       ":020000040000FA\n:020000020000FC\n:01000000AA55\n:00000001FF\n",
       true,
       {0xAA}},
      {"an extended address other than 0",
       ":020000040001F9\n:01000000AA55\n:00000001FF\n",
       false,
       {}},
      {"an unknown record type", ":00000006FA\n:00000001FF\n", false, {}},
      {"an empty file", "", false, {}},
      {"no colon", "02000000ABCD86\n:00000001FF\n", false, {}},
      {"a character that is not a digit", ":02000000ABCG86\n:00000001FF\n", false, {}},
      {"shorter than its count", ":04000000ABCD84\n:00000001FF\n", false, {}},
      {"longer than its count", ":01000000ABCD86\n:00000001FF\n", false, {}},
      {"too short for a record", ":0000\n", false, {}},
      {"trailing blank", ":02000000ABCD86 \n:00000001FF\n", false, {}},
      {"an overlapping record", ":02000000ABCD86\n:0100010011ED\n:00000001FF\n", false, {}},
  };
  for (const auto& c : cases) {
    const auto image = ReadText(Format::IntelHex, c.text, 0);
    EXPECT_EQ(image->IsValid(), c.valid) << c.name;
    EXPECT_EQ(image->Image(), c.image) << c.name;
  }
}

TEST(SRecords, RecordsAndLines) {
  const struct {
    const char* name;
    const char* text;
    uint32_t start;
    bool valid;
    Bytes image;
  } cases[] = {
      {"an empty file", "", 0, true, {}},
      {"only comments", "; nothing here\n\n", 0x10000, true, {}},
      {"firmware starting exactly at 0x10000", "S2060100001122C5\n", 0x10000, true, {0x11, 0x22}},
      {"firmware starting later", "S2060100101122B5\n", 0x10000, false, {}},
      {"a gap after the first record",
       "S2060100001122C5\nS20501000433C2\n",
       0x10000,
       true,
       {0x11, 0x22, 0xFF, 0xFF, 0x33}},
      {"S5, S7, S8, S9 and S0 are skipped",
       "S00600004844521B\nS5030001FB\nS1040000AB50\nS9030000FC\nS70500000000FA\nS804000000FB\n",
       0,
       true,
       {0xAB}},
      {"the end of the file ends the reading", "S1040000AB50\n", 0, true, {0xAB}},
      {"an S6 record", "S6040000010AF0\n", 0, false, {}},
      {"an S4 record", "S4040000010AF0\n", 0, false, {}},
      {"an unknown type character", "SX040000AB50\n", 0, false, {}},
      {"a count too small for the address", "S1020000FD\n", 0, false, {}},
      {"shorter than its count", "S1060000AB50\n", 0, false, {}},
      {"an odd number of digits", "S1040000AB5\n", 0, false, {}},
      {"a character that is not a digit", "S1040000AG50\n", 0, false, {}},
      {"a record below the expected address", "S1040010AB40\nS1040000AB50\n", 0, false, {}},
      {"an address far beyond any image", "S5030001FB\nS306FFFFFF00AB51\n", 0, false, {}},
  };
  for (const auto& c : cases) {
    const auto image = ReadText(Format::SRecord, c.text, c.start);
    EXPECT_EQ(image->IsValid(), c.valid) << c.name;
    EXPECT_EQ(image->Image(), c.image) << c.name;
  }
}

}  // namespace
}  // namespace orvane
