// The tag map stream in full and index form, its decoding, the collector
// that gathers it from block replies, and the multiplexer's merged list.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "link/MuxTagList.h"
#include "link/TagMapStream.h"
#include "link/TagStreamCollector.h"
#include "tests/project/ProjectBuilders.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeProject;
using testing::SetAddress;

TOvTag Tag(TOvProject& project, const std::string& text, Bytes map, uint32_t dataType,
           int32_t access = PLC_ACCESS_READ_WRITE) {
  TOvTag tag(&project);
  tag.addressText = text;
  tag.dataType = dataType;
  PlcAddress record{};
  record.mapString = map.data();
  record.access = access;
  tag.SetPlcAddress(record);
  return tag;
}

// Stands in for the PLC driver: "M" and the map string in hex; no text for
// a map string starting with 0xEE.
std::string AddressTextOf(const TOvTag& tag) {
  if (tag.MapLength() == 0 || tag.MapString()[0] == 0xEE) {
    return {};
  }
  std::string text = "M";
  for (size_t i = 0; i < tag.MapLength(); ++i) {
    static const char kDigits[] = "0123456789ABCDEF";
    text += kDigits[tag.MapString()[i] >> 4];
    text += kDigits[tag.MapString()[i] & 0x0F];
  }
  return text;
}

int32_t CompareBytes(size_t length, const unsigned char* a, const unsigned char* b) {
  return std::memcmp(a, b, length);
}

TEST(TagMapStream, DataTypeCodesAndWordSizes) {
  const struct {
    uint32_t dataType;
    uint8_t code;
    uint8_t size;
  } cases[] = {{0, 8, 2}, {1, 5, 2}, {2, 9, 4}, {3, 6, 4}, {4, 0xFF, 0}, {0xFFFFFFFF, 0xFF, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(TagDataTypeCode(c.dataType), c.code) << c.dataType;
    EXPECT_EQ(TagWordSize(c.dataType), c.size) << c.dataType;
  }
}

TEST(TagMapStream, FullFormOfTwoEntriesWithMapLengthFourIsSeventeenBytes) {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.plc.mapLength = 4;
  const TOvTagTable tags = {
      Tag(project, "N7:0", {0x01, 0x02, 0x03, 0x04}, kDataTypeBinary16),
      Tag(project, "N7:1", {0x0A, 0x0B, 0x0C, 0x0D}, kDataTypeBcd32, PLC_ACCESS_READ_ONLY),
  };
  const EncodedStream stream = BuildTagMapStream(tags, project.plc.mapLength);
  ASSERT_TRUE(stream.Ok()) << stream.error;
  const Bytes expected = {0x00, 0x02, 0x04,                          //
                          0x00, 0x05, 0x02, 0x01, 0x02, 0x03, 0x04,  //
                          0x01, 0x09, 0x04, 0x0A, 0x0B, 0x0C, 0x0D};
  EXPECT_EQ(stream.bytes, expected);

  EXPECT_EQ(BuildTagMapStream({}, 4).bytes, (Bytes{0x00, 0x00, 0x04}));
}

TEST(TagMapStream, FullFormRefusesMapLengthsTheHeaderCannotCarry) {
  for (const int32_t length : {0, -3, 256}) {
    const EncodedStream stream = BuildTagMapStream({}, length);
    EXPECT_FALSE(stream.Ok());
    EXPECT_TRUE(stream.bytes.empty());
    EXPECT_EQ(stream.error, "Error in building the tag list: the PLC's address length " +
                                std::to_string(length) + " cannot be sent to a panel");
  }
  EXPECT_TRUE(BuildTagMapStream({}, 255).Ok());
}

TEST(TagMapStream, IndexFormCarriesPositionsInTheMergedList) {
  TOvProject project = MakeProject(kModelNotConfigured);
  const TOvTagTable merged = {
      Tag(project, "A", {1, 1, 1}, kDataTypeBcd16),
      Tag(project, "B", {2, 2, 2}, kDataTypeBcd16),
      Tag(project, "B as binary", {2, 2, 2}, kDataTypeBinary16),
  };
  // Equal addresses are found whatever their texts; the data type counts.
  const TOvTagTable tags = {
      Tag(project, "B again", {2, 2, 2}, kDataTypeBinary16, PLC_ACCESS_WRITE_ONLY),
      Tag(project, "A", {1, 1, 1}, kDataTypeBcd16),
  };
  const EncodedStream stream = BuildIndexedTagMapStream(tags, merged);
  ASSERT_TRUE(stream.Ok()) << stream.error;
  EXPECT_EQ(stream.bytes, (Bytes{0x00, 0x02, 0x02,              //
                                 0x02, 0x05, 0x02, 0x02, 0x00,  //
                                 0x00, 0x08, 0x02, 0x00, 0x00}));

  // An address missing from the merged list would leave its entry without
  // position bytes: the stream is refused instead.
  const TOvTagTable missing = {Tag(project, "A", {1, 1, 1}, kDataTypeBcd16),
                               Tag(project, "C7:3", {3, 3, 3}, kDataTypeBcd16)};
  const EncodedStream refused = BuildIndexedTagMapStream(missing, merged);
  EXPECT_FALSE(refused.Ok());
  EXPECT_TRUE(refused.bytes.empty());
  EXPECT_EQ(refused.error,
            "Error in building the tag list: the PLC address C7:3 is not in the multiplexer's "
            "tag list");
}

TEST(TagMapStream, FullFormDecodesIntoTagsOfTheProject) {
  TOvProject written = MakeProject(kModelNotConfigured);
  const TOvTagTable tags = {
      Tag(written, "x", {0x10, 0x20, 0x30}, kDataTypeBcd16, PLC_ACCESS_READ_ONLY),
      Tag(written, "y", {0x40, 0x50, 0x60}, kDataTypeBinary32),
  };
  const Bytes stream = BuildTagMapStream(tags, 3).bytes;

  TOvProject read = MakeProject(kModelNotConfigured);
  TOvTagTable out;
  ASSERT_EQ(DecodeTagMapStream(stream, TagMapForm::Full, {}, AddressTextOf, read, out),
            TagStreamDecodeError::None);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].addressText, "M102030");
  EXPECT_EQ(out[0].dataType, kDataTypeBcd16);
  EXPECT_EQ(out[0].plcAddress().access, PLC_ACCESS_READ_ONLY);
  EXPECT_EQ(out[0].tagIndex, 1);
  EXPECT_EQ(out[0].project, &read);
  EXPECT_EQ(out[1].addressText, "M405060");
  EXPECT_EQ(out[1].dataType, kDataTypeBinary32);
  EXPECT_EQ(out[1].tagIndex, 2);
  for (size_t i = 0; i < tags.size(); ++i) {
    EXPECT_TRUE(out[i].Equals(tags[i]));
  }
}

TEST(TagMapStream, IndexFormDecodesFromTheMergedList) {
  TOvProject project = MakeProject(kModelNotConfigured);
  const TOvTagTable merged = {Tag(project, "A", {1, 2, 3}, kDataTypeBcd16),
                              Tag(project, "B", {4, 5, 6}, kDataTypeBcd16)};
  const Bytes stream = {0x00, 0x02, 0x02, 0x01, 0x06, 0x04, 0x01,
                        0x00, 0x00, 0x05, 0x02, 0x00, 0x00};
  TOvTagTable out = {Tag(project, "already there", {9, 9, 9}, kDataTypeBcd16)};
  ASSERT_EQ(DecodeTagMapStream(stream, TagMapForm::Index, merged, AddressTextOf, project, out),
            TagStreamDecodeError::None);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1].addressText, "M040506");
  EXPECT_EQ(out[1].dataType, kDataTypeBinary32);
  EXPECT_EQ(out[1].plcAddress().access, PLC_ACCESS_READ_ONLY);
  EXPECT_EQ(out[1].tagIndex, 2);
  EXPECT_EQ(out[2].addressText, "M010203");
  EXPECT_EQ(out[2].dataType, kDataTypeBinary16);
  EXPECT_EQ(out[2].tagIndex, 3);
}

TEST(TagMapStream, DecodeFailures) {
  TOvProject project = MakeProject(kModelNotConfigured);
  const TOvTagTable merged = {Tag(project, "A", {1, 2, 3}, kDataTypeBcd16)};
  const struct {
    const char* name;
    Bytes stream;
    TagMapForm form;
    TagStreamDecodeError error;
    size_t decoded;
  } cases[] = {
      {"no header", {0x00, 0x01}, TagMapForm::Full, TagStreamDecodeError::Truncated, 0},
      {"fewer entries than counted",
       {0x00, 0x02, 0x03, 0x00, 0x08, 0x02, 1, 2, 3, 0x00, 0x08},
       TagMapForm::Full,
       TagStreamDecodeError::Truncated,
       1},
      {"map length of another PLC",
       {0x00, 0x00, 0x04},
       TagMapForm::Full,
       TagStreamDecodeError::MapLengthMismatch,
       0},
      {"index form with another address length",
       {0x00, 0x00, 0x03},
       TagMapForm::Index,
       TagStreamDecodeError::BadAddressLength,
       0},
      {"unknown data type code",
       {0x00, 0x01, 0x03, 0x00, 0xFF, 0x00, 1, 2, 3},
       TagMapForm::Full,
       TagStreamDecodeError::UnknownDataType,
       0},
      {"position beyond the merged list",
       {0x00, 0x02, 0x02, 0x00, 0x08, 0x02, 0x00, 0x00, 0x00, 0x08, 0x02, 0x01, 0x00},
       TagMapForm::Index,
       TagStreamDecodeError::PositionOutOfRange,
       1},
      {"an address the driver cannot rebuild",
       {0x00, 0x01, 0x03, 0x00, 0x08, 0x02, 0xEE, 0x00, 0x00},
       TagMapForm::Full,
       TagStreamDecodeError::NoAddressText,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TOvTagTable out;
    EXPECT_EQ(DecodeTagMapStream(c.stream, c.form, merged, AddressTextOf, project, out), c.error);
    EXPECT_EQ(out.size(), c.decoded);
  }

  // Bytes after the counted entries are not read.
  TOvTagTable out;
  EXPECT_EQ(DecodeTagMapStream(Bytes{0x00, 0x00, 0x03, 0x55, 0x66}, TagMapForm::Full, {},
                               AddressTextOf, project, out),
            TagStreamDecodeError::None);
  EXPECT_TRUE(out.empty());
}

// A stream header for count entries of map length 3, followed by the given
// number of entry bytes.
Bytes StreamStart(size_t count, size_t entryBytes) {
  Bytes bytes = {static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count & 0xFF), 3};
  bytes.resize(3 + entryBytes, 0x08);
  return bytes;
}

TEST(TagStreamCollector, LimitsByReadKind) {
  EXPECT_EQ(TagListLimit(kSinglePanelSystem, true), 300u);
  EXPECT_EQ(TagListLimit(kSinglePanelSystem, false), 300u);
  EXPECT_EQ(TagListLimit(kMultiPanelSystem, false), 300u);
  EXPECT_EQ(TagListLimit(kMultiPanelSystem, true), 1500u);
}

TEST(TagStreamCollector, GathersBlocksUntilTheLastOne) {
  const Bytes whole = StreamStart(2, 12);
  TagStreamCollector collector(kPanelTagListLimit);
  // The header may even be split over two blocks.
  EXPECT_EQ(collector.Add(std::span(whole).first(2), false),
            TagStreamCollector::Status::Collecting);
  EXPECT_EQ(collector.Count(), 0u);
  EXPECT_EQ(collector.Add(std::span(whole).subspan(2, 8), false),
            TagStreamCollector::Status::Collecting);
  EXPECT_EQ(collector.Count(), 2u);
  EXPECT_EQ(collector.AddressLength(), 3);
  EXPECT_EQ(collector.Add(std::span(whole).subspan(10), true),
            TagStreamCollector::Status::Complete);
  EXPECT_EQ(collector.Stream(), whole);
  // Nothing changes after the last block.
  EXPECT_EQ(collector.Add(whole, true), TagStreamCollector::Status::Complete);
  EXPECT_EQ(collector.Stream(), whole);

  TagStreamCollector empty(kPanelTagListLimit);
  EXPECT_EQ(empty.Add(Bytes{0x00, 0x00}, true), TagStreamCollector::Status::Truncated);
}

TEST(TagStreamCollector, MoreTagsThanTheLimitEndTheRead) {
  // A header that counts 301 entries ends the read at once.
  TagStreamCollector counted(kPanelTagListLimit);
  EXPECT_EQ(counted.Add(StreamStart(301, 0), false), TagStreamCollector::Status::TooMany);
  EXPECT_EQ(counted.Add(Bytes{1, 2, 3}, true), TagStreamCollector::Status::TooMany);

  TagStreamCollector exact(kPanelTagListLimit);
  EXPECT_EQ(exact.Add(StreamStart(300, 300 * 6), true), TagStreamCollector::Status::Complete);

  // A header within the limit, followed by more entries than it allows.
  TagStreamCollector sent(kPanelTagListLimit);
  EXPECT_EQ(sent.Add(StreamStart(2, 300 * 6), false), TagStreamCollector::Status::Collecting);
  EXPECT_EQ(sent.Add(Bytes(6, 0x08), false), TagStreamCollector::Status::TooMany);

  TagStreamCollector multiplexer(kMuxTagListLimit);
  EXPECT_EQ(multiplexer.Add(StreamStart(1500, 0), false), TagStreamCollector::Status::Collecting);
  TagStreamCollector overMultiplexer(kMuxTagListLimit);
  EXPECT_EQ(overMultiplexer.Add(StreamStart(1501, 0), false), TagStreamCollector::Status::TooMany);
}

TEST(MuxTagList, SortsByMapStringAndKeepsTheFirstOfEachAddress) {
  TOvProject project = MakeProject(kModelNotConfigured);
  auto compare = [](const unsigned char* a, const unsigned char* b) {
    return CompareBytes(3, a, b);
  };
  const TOvTagTable all = {
      Tag(project, "second", {2, 0, 0}, kDataTypeBcd16),
      Tag(project, "first", {1, 0, 0}, kDataTypeBcd16),
      Tag(project, "second as binary", {2, 0, 0}, kDataTypeBinary16),
      Tag(project, "second again", {2, 0, 0}, kDataTypeBcd16),
      Tag(project, "first again", {1, 0, 0}, kDataTypeBcd16),
      Tag(project, "second as binary again", {2, 0, 0}, kDataTypeBinary16),
  };
  const TOvTagTable merged = MergeMuxTagList(all, compare);
  ASSERT_EQ(merged.size(), 3u);
  EXPECT_EQ(merged[0].addressText, "first");
  EXPECT_EQ(merged[1].addressText, "second");
  EXPECT_EQ(merged[2].addressText, "second as binary");
}

TEST(MuxTagList, UnionOfEveryPanelInPanelOrder) {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.systemMode = kMultiPanelSystem;
  for (const int32_t port : {2, 5}) {
    project.portTable.selectedPort = port;
    TOvPanel& panel = project.PutPanel(TOvPanel(&project, kModelOv200));
    SetAddress(panel.lineRegisters[0], "line " + std::to_string(port), {9, 0, 0});
    SetAddress(panel.keysLeds.ledWord, "leds " + std::to_string(port),
               {static_cast<unsigned char>(port), 0, 0});
  }
  // The same address with the same data type on both panels: one entry, the
  // first panel's; each panel's LED word: one entry each.
  const TOvTagTable merged = BuildMuxTagList(
      project,
      [](const unsigned char* a, const unsigned char* b) { return CompareBytes(3, a, b); });
  ASSERT_EQ(merged.size(), 3u);
  EXPECT_EQ(merged[0].addressText, "leds 2");
  EXPECT_EQ(merged[1].addressText, "leds 5");
  EXPECT_EQ(merged[2].addressText, "line 2");
}

}  // namespace
}  // namespace orvane
