// One project per PLC family, with addresses of its own syntax in messages
// and system addresses: saved, opened again, written into a simulated
// panel with the driver's stand-in image, read back and compared.
#include <filesystem>
#include <string>

#include "project/ProjectFile.h"
#include "tests/support/TestPaths.h"
#include "tests/transfer/TransferFixture.h"
#include "view/DocumentBinding.h"
#include "view/OpenDocument.h"

namespace orvane::testing {
namespace {

struct PlcProject {
  const char* driver;
  PanelAddresses addresses;
};

void PrintTo(const PlcProject& plc, std::ostream* os) {
  *os << plc.driver;
}

class EveryPlcTest : public TransferTest, public ::testing::WithParamInterface<PlcProject> {
 protected:
  EveryPlcTest() : TransferTest(true) {
    // Each driver's panel-side stand-in, carrying its codes and revision
    // (the last character of its name).
    for (const DriverEntry& entry : catalog_.Entries()) {
      const sim::StandInHeader header =
          sim::MakeDriverHeader(sim::ImageKind::PanelDriver, entry.manufacturerCode,
                                entry.modelCode, entry.name.back(), entry.driverImage);
      std::string error;
      EXPECT_TRUE(sim::WriteStandInFile(DriverDir() / (entry.driverImage + ".plx"), header, 100,
                                        sim::DefaultFormat(header.kind),
                                        sim::DefaultStartAddress(header.kind), error))
          << error;
    }
  }

  size_t EntryOf(const std::string& driver) {
    const std::vector<DriverEntry>& entries = catalog_.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (std::filesystem::path(entries[i].path).stem() == driver) {
        return i;
      }
    }
    ADD_FAILURE() << "no driver " << driver;
    return 0;
  }
};

TEST_P(EveryPlcTest, SavedOpenedWrittenAndReadBackEqual) {
  const PlcProject& plc = GetParam();
  TOvProject project;
  AddFirstPanel(project, kModelOv400);
  ASSERT_TRUE(BindNewProject(project, catalog_.Entries(), EntryOf(plc.driver), ui_));
  FillTextPanel(project, project.panels.front(), plc.addresses);

  const std::filesystem::path file = MakeTempDir("every-plc") / "project.ovx";
  ASSERT_TRUE(SaveProjectFile(project, file, ui_));
  TOvProject opened;
  ASSERT_TRUE(OpenProjectDocument(file, opened, ui_, CatalogLookup(catalog_)));
  std::vector<std::string> refused;
  ASSERT_TRUE(BindOpenedProject(
      opened, catalog_.Entries(), ui_, nullptr,
      [&refused](const TOvPanel&, const TOvTag& tag) { refused.push_back(tag.addressText); }));
  EXPECT_TRUE(refused.empty()) << refused.front();
  EXPECT_TRUE(opened.Equals(project));
  EXPECT_EQ(opened.plc.pluginPath, project.plc.pluginPath);

  UsePanel(kModelOv400);
  const TransferRun write = Write(opened);
  EXPECT_TRUE(write.finished);
  EXPECT_TRUE(write.Errors().empty()) << write.Errors().front();
  TOvProject read;
  const TransferRun readBack = Read(read);
  EXPECT_TRUE(readBack.finished);
  EXPECT_TRUE(readBack.Errors().empty()) << readBack.Errors().front();
  // The panel names its driver by the stand-in's codes: the read finds the
  // same plug-in, rebuilds every address through it and gets the project.
  EXPECT_EQ(read.plc.pluginPath, opened.plc.pluginPath);
  EXPECT_TRUE(read.Equals(opened));
  EXPECT_TRUE(ui_.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Plcs, EveryPlcTest,
    ::testing::Values(
        PlcProject{"Brisko", SlcAddresses()},
        PlcProject{"Calden",
                   {"V40500",
                    "V40501",
                    {"V2000", "V2001", "V2002", "V2003"},
                    "V1200",
                    "V10000",
                    "2-V2100"}},
        PlcProject{"Dunmore",
                   {"R400", "R402", {"R0", "R2", "R700", "R702"}, "R600", "TCA601", "R410"}},
        PlcProject{"Fallon",
                   {"V1200",
                    "V1201",
                    {"V2000", "V2001", "V7400", "V10000"},
                    "V23417",
                    "1-V1202",
                    "V37777"}},
        PlcProject{"Harlow", SlcAddresses()},
        PlcProject{"Merrow",
                   {"B3:1", "B10:2", {"N7:0", "N7:1", "N7:2", "N7:3"}, "N10:10", "N7:12", "N7:20"}},
        PlcProject{"Pellam", {"D0", "D1", {"D10", "D11", "D12", "D13"}, "D100", "1-D200", "D511"}},
        PlcProject{"Tandry",
                   {"1-C0",
                    "1-C1",
                    {"1-C10", "1-C11", "1-C12", "1-C13"},
                    "1-C100",
                    "Tank,5,7,x",
                    "1-N5"}}),
    [](const ::testing::TestParamInfo<PlcProject>& info) {
      return std::string(info.param.driver);
    });

}  // namespace
}  // namespace orvane::testing
