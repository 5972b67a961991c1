// Firmware upgrades of a panel and of the multiplexer against the simulated
// devices' loaders.
#include "link/BaudRate.h"
#include "sim/HexFileWriter.h"
#include "tests/support/TestPaths.h"
#include "tests/transfer/TransferFixture.h"

namespace orvane::testing {
namespace {

using FirmwareTest = TransferTest;

TEST_F(FirmwareTest, PanelImageOf120Bytes) {
  UsePanel(kModelOv200);
  const auto file = ImageFile(sim::MakePanelFirmwareHeader(1, 'C', 1), 120);
  TOvProject project = NewProject(kModelOv200);
  const TransferRun run = Run(operations::kPanelFirmware, &project, file.string());
  EXPECT_TRUE(run.finished);
  EXPECT_TRUE(run.Errors().empty());
  EXPECT_EQ(Fields(Logged("<-", 0xBD)), (Blocks{{0, 1, 0}, {1, 0, 50}, {2, 0, 50}, {3, 2, 20}}));
  // The loader's first three status requests go unanswered.
  EXPECT_EQ(Logged("<-", 0x12).size(), 4u);
  EXPECT_EQ(run.Texts(),
            (std::vector<std::string>{
                "Initializing the panel for downloading firmware...", "DownLoading the firmware...",
                "Verifying the downloaded firmware .", "Verifying the downloaded firmware ..",
                "Verifying the downloaded firmware ...", "Restarting the panel...",
                "Downloading Completed Successfully"}));
  EXPECT_EQ(clock_.Waits(), (std::vector<uint32_t>{500, 2000, 1000, 1000, 1000}));
  EXPECT_EQ(Sim().Panel().Firmware().letter, 'C');
  EXPECT_FALSE(Sim().Panel().InLoader());
}

TEST_F(FirmwareTest, AnUpgradeRefusedByTheLoaderCanBeRepeated) {
  UsePanel(kModelOv200);
  TOvProject project = NewProject(kModelOv200);
  const auto wrong = ImageFile(sim::MakePanelFirmwareHeader(4, 'C', 1), 120);
  EXPECT_EQ(Run(operations::kPanelFirmware, &project, wrong.string()).Errors(),
            std::vector<std::string>{"ERROR On COM Port. Error C016: The firmware being loaded "
                                     "into the panel does not match the panel type"});
  const auto right = ImageFile(sim::MakePanelFirmwareHeader(1, 'C', 3), 120);
  const TransferRun run = Run(operations::kPanelFirmware, &project, right.string());
  EXPECT_TRUE(run.finished);
  EXPECT_TRUE(run.Errors().empty());
  EXPECT_EQ(Sim().Panel().Firmware().number, 3);
}

TEST_F(FirmwareTest, MultiplexerImageOf101Bytes) {
  UseMultiplexer({});
  SetBaudRateSetting(kSinglePanelBaudRate);
  const auto file = ImageFile(sim::MakeMultiplexerFirmwareHeader('D', 1), 101);
  const TransferRun run = Run(operations::kMuxFirmware, nullptr, file.string());
  EXPECT_TRUE(run.finished);
  EXPECT_TRUE(run.Errors().empty());
  const std::vector<Bytes> blocks = Logged("<-", 0xBD);
  EXPECT_EQ(Fields(blocks), (Blocks{{0, 1, 50}, {1, 0, 50}, {2, 2, 2}}));
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[2][9], 0xFF);  // the padding of the odd image
  EXPECT_EQ(run.Texts(), (std::vector<std::string>{
                             "Initializing the panel for downloading firmware...",
                             "Sending Execute Boot command ", "DownLoading the firmware...",
                             "Completed Downloading Firmware", "Sending Execute Exec Command",
                             "Download Completed Successfully"}));
  EXPECT_EQ(Sim().Multiplexer().Firmware().letter, 'D');
  EXPECT_EQ(BaudRateSetting(), kMultiplexerBaudRate);
}

TEST_F(FirmwareTest, PanelBehindAMultiplexerIsReachedThroughItsPort) {
  UseMultiplexer({{3, kModelOv200}});
  TOvProject project = NewMultiPanelProject({{3, kModelOv200}});
  SetBaudRateSetting(kMultiplexerBaudRate);
  const auto file = ImageFile(sim::MakePanelFirmwareHeader(1, 'D', 2), 60);
  EXPECT_TRUE(Run(operations::kPanelFirmware, &project, file.string()).finished);
  std::vector<int> ports;
  for (const Bytes& frame : Logged("<-", 0xC1)) {
    ports.push_back(frame[5]);
  }
  EXPECT_EQ(ports, (std::vector<int>{0, 3, 0}));
  EXPECT_EQ(Sim().Multiplexer().Panel(3)->Firmware().letter, 'D');
}

TEST_F(FirmwareTest, Failures) {
  const std::string com = "ERROR On COM Port. ";
  const auto shortImage = [] {
    const std::filesystem::path path = MakeTempDir("transfer-short") / "short.hex";
    WriteText(path, *sim::WriteSRecords(Bytes(49, 0x11), 0x10000, "short"));
    return path;
  };
  const auto corrupt = [] {
    const std::filesystem::path path = MakeTempDir("transfer-corrupt") / "corrupt.hex";
    WriteText(path, ":00000001FE\n");
    return path;
  };
  struct Case {
    const char* name;
    int32_t operation;
    std::function<std::filesystem::path()> file;
    int loaderSilence;
    std::vector<std::string> errors;
  };
  const std::vector<Case> cases = {
      {"missing file",
       operations::kPanelFirmware,
       [] { return "/nonexistent/Ov200.hex"; },
       3,
       {"No such file or directory"}},
      {"corrupted file",
       operations::kPanelFirmware,
       corrupt,
       3,
       {com + "Error Z003: The file may be corrupted"}},
      {"multiplexer image under 50 bytes",
       operations::kMuxFirmware,
       shortImage,
       3,
       {com + "Error Z003: The file may be corrupted"}},
      {"loader never answers",
       operations::kPanelFirmware,
       [this] { return ImageFile(sim::MakePanelFirmwareHeader(1, 'C', 1), 120); },
       1000,
       {com + kTimeoutText}},
      {"firmware of another model",
       operations::kPanelFirmware,
       [this] { return ImageFile(sim::MakePanelFirmwareHeader(4, 'C', 1), 120); },
       3,
       {com + "Error C016: The firmware being loaded into the panel does not match the panel "
              "type"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    UsePanel(kModelOv200);
    Sim().Panel().SetLoaderSilence(test.loaderSilence);
    SetBaudRateSetting(kSinglePanelBaudRate);
    TOvProject project = NewProject(kModelOv200);
    const TransferRun run = Run(test.operation, &project, test.file().string());
    EXPECT_FALSE(run.finished);
    EXPECT_EQ(run.Errors(), test.errors);
  }
  // A cancel between two blocks ends the upgrade without a word.
  UsePanel(kModelOv200);
  TOvProject project = NewProject(kModelOv200);
  const auto file = ImageFile(sim::MakePanelFirmwareHeader(1, 'C', 1), 120);
  const TransferRun run =
      Run(operations::kPanelFirmware, &project, file.string(),
          CancelWhen([](const TransferJobState& s) { return s.percent == 41; }));
  EXPECT_FALSE(run.finished);
  EXPECT_TRUE(run.Errors().empty());
  EXPECT_EQ(Logged("<-", 0xBD).size(), 2u);
}

}  // namespace
}  // namespace orvane::testing
