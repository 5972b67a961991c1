// Stand-in images: the header, the record files the generator writes, and
// that the program's own readers take them back byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "link/TOvExec.h"
#include "link/TOvMuxExec.h"
#include "plchost/DriverCatalog.h"
#include "sim/HexFileWriter.h"
#include "sim/StandInFiles.h"
#include "tests/support/TestPaths.h"

namespace orvane::sim {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(StandInImage, TheHeaderSaysWhatTheImageStandsFor) {
  const StandInHeader driver =
      MakeDriverHeader(ImageKind::PanelDriver, 9, 1, 'D', "a rather long driver name, cut at 32");
  const Bytes image = MakeStandInImage(driver, 100);
  ASSERT_EQ(image.size(), 100u);
  EXPECT_EQ(std::string(image.begin(), image.begin() + 22),
            std::string("ORVANE STAND-IN\0\x01\x01\x09\x01"
                        "D\0",
                        22));
  const std::optional<StandInHeader> read = ReadStandInHeader(image);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->kind, ImageKind::PanelDriver);
  EXPECT_EQ(read->manufacturer, 9);
  EXPECT_EQ(read->plcModel, 1);
  EXPECT_EQ(read->driverRevision, 'D');
  EXPECT_EQ(read->name, "a rather long driver name, cut a");

  const std::optional<StandInHeader> firmware =
      ReadStandInHeader(MakeStandInImage(MakePanelFirmwareHeader(5, 'C', 12), 54));
  ASSERT_TRUE(firmware);
  EXPECT_EQ(firmware->kind, ImageKind::PanelFirmware);
  EXPECT_EQ(firmware->family, '7');
  EXPECT_EQ(firmware->deviceModel, 5);
  EXPECT_EQ(firmware->firmwareLetter, 'C');
  EXPECT_EQ(firmware->firmwareNumber, 12);

  EXPECT_TRUE(MakeStandInImage(driver, 53).empty());
  Bytes unknownKind = image;
  unknownKind[16] = 9;
  EXPECT_FALSE(ReadStandInHeader(unknownKind));
  EXPECT_FALSE(ReadStandInHeader(Bytes(image.begin(), image.begin() + 21)));
  // Different drivers differ in their filler too.
  const Bytes other =
      MakeStandInImage(MakeDriverHeader(ImageKind::PanelDriver, 9, 1, 'E', "x"), 100);
  EXPECT_NE(Bytes(image.begin() + 60, image.end()), Bytes(other.begin() + 60, other.end()));
}

TEST(StandInImage, FirmwareRevisionsAsUsersWriteThem) {
  using Revision = std::optional<std::pair<char, uint8_t>>;
  EXPECT_EQ(ParseFirmwareRevision("B2"), Revision({'B', 2}));
  EXPECT_EQ(ParseFirmwareRevision("a.12"), Revision({'a', 12}));
  EXPECT_EQ(ParseFirmwareRevision("C255"), Revision({'C', 255}));
  for (const char* bad : {"C256", "2B", "B", "B.", "B1x", "", ".1", "B0001"}) {
    EXPECT_EQ(ParseFirmwareRevision(bad), std::nullopt) << bad;
  }
}

TEST(StandInImage, RecordFilesHaveTheExactLines) {
  const Bytes bytes = {0x01, 0x02, 0x03};
  EXPECT_EQ(WriteIntelHex(bytes, 0x8000), ":0380000001020377\n:00000001FF\n");
  EXPECT_EQ(WriteSRecords(bytes, 0x210000, "T"),
            "S004000054A7\nS207210000010203D1\nS804210000DA\n");
  EXPECT_EQ(WriteSRecords(bytes, 0x1000, ""), "S0030000FC\nS1061000010203E3\nS9031000EC\n");
  // 16-bit addresses only for Intel HEX.
  EXPECT_FALSE(WriteIntelHex(Bytes(0x8001, 0), 0x8000));
  EXPECT_TRUE(WriteIntelHex(Bytes(0x8000, 0), 0x8000));
}

// Each kind of image, written as its file and read back by the reader the
// program uses for it, at the address the program expects.
TEST(StandInImage, TheProgramsReadersTakeEveryKindBack) {
  const StandInHeader headers[] = {
      MakeDriverHeader(ImageKind::PanelDriver, 1, 4, 'C', "BriskoPanel"),
      MakeDriverHeader(ImageKind::PanelBehindMultiplexerDriver, 0, 0, 'A', "multiplexer"),
      MakeDriverHeader(ImageKind::MultiplexerDriver, 34, 1, 'B', "mux"),
      MakePanelFirmwareHeader(3, 'B', 4),
      MakeMultiplexerFirmwareHeader('D', 1),
  };
  for (const StandInHeader& header : headers) {
    for (const size_t length : {54, 120, 4097}) {
      const Bytes image = MakeStandInImage(header, length);
      const uint32_t start = DefaultStartAddress(header.kind);
      const std::optional<std::string> text =
          StandInFileText(header, length, DefaultFormat(header.kind), start);
      ASSERT_TRUE(text);
      std::istringstream file(*text);
      const bool intel = DefaultFormat(header.kind) == RecordFormat::IntelHex;
      std::unique_ptr<HexRecordImage> read;
      if (intel) {
        read = std::make_unique<TOvExec>(file, start);
      } else {
        read = std::make_unique<TOvMuxExec>(file, start);
      }
      ASSERT_TRUE(read->IsValid()) << DescribeStandIn(header) << " " << length;
      EXPECT_EQ(read->Image(), image) << DescribeStandIn(header) << " " << length;
    }
  }
}

TEST(StandInImage, EveryStagedDriverHasItsImagesAndTheyNameIt) {
  struct Case {
    std::string file;
    bool intel;
    uint32_t start;
    ImageKind kind;
    uint8_t manufacturer;
    uint8_t model;
    char revision;
  };
  std::vector<Case> cases = {
      {"multiplexer.plx", true, 0x8000, ImageKind::PanelBehindMultiplexerDriver, 0, 0, 'A'}};
  orvane::DriverCatalog catalog(orvane::testing::StagedInstallDir() / "dll");
  catalog.ScanDrivers();
  ASSERT_EQ(catalog.Entries().size(), 8u);
  for (const orvane::DriverEntry& driver : catalog.Entries()) {
    // The revision is the last character of the driver's name ("- Rev C").
    const char revision = driver.name.back();
    cases.push_back({driver.driverImage + ".plx", true, 0x8000, ImageKind::PanelDriver,
                     driver.manufacturerCode, driver.modelCode, revision});
    cases.push_back({driver.driverImage + ".plc", false, 0x210000, ImageKind::MultiplexerDriver,
                     driver.manufacturerCode, driver.modelCode, revision});
  }
  for (const Case& test : cases) {
    std::ifstream file(orvane::testing::StagedStandInDir() / test.file);
    ASSERT_TRUE(file) << test.file;
    std::unique_ptr<HexRecordImage> read;
    if (test.intel) {
      read = std::make_unique<TOvExec>(file, test.start);
    } else {
      read = std::make_unique<TOvMuxExec>(file, test.start);
    }
    ASSERT_TRUE(read->IsValid()) << test.file;
    const std::optional<StandInHeader> header = ReadStandInHeader(read->Image());
    ASSERT_TRUE(header) << test.file;
    EXPECT_EQ(header->kind, test.kind) << test.file;
    EXPECT_EQ(header->manufacturer, test.manufacturer) << test.file;
    EXPECT_EQ(header->plcModel, test.model) << test.file;
    EXPECT_EQ(header->driverRevision, test.revision) << test.file;
  }
}

}  // namespace
}  // namespace orvane::sim
