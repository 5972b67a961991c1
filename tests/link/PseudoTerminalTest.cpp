// The link with the real port on the slave side of a pseudo-terminal and a
// scripted peer on the master side, as a panel would sit on a serial line.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "link/BaudRate.h"
#include "link/PortNames.h"
#include "link/SimpleCommands.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvXComm.h"
#include "link/Trace.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/TestPaths.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeReplyFrame;

const Bytes kStatusRequest = {0xAA, 0x06, 0x10, 0x01, 0x12, 0xB8, 0x65};

// How long the peer waits for a byte before it gives up: only reached when
// the link under test misbehaves.
constexpr int kPeerPatience_ms = 5000;

// The master side of a pseudo-terminal, with a peer thread that answers each
// frame it reads with the next scripted reply (an empty reply: no answer).
class PtyPeer {
 public:
  PtyPeer() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
      slavePath_ = ::ptsname(master_);
    }
  }
  ~PtyPeer() {
    Join();
    if (master_ >= 0) {
      ::close(master_);
    }
  }

  bool Ok() const { return master_ >= 0 && !slavePath_.empty(); }
  const std::string& SlavePath() const { return slavePath_; }
  int Master() const { return master_; }

  /// Starts answering; call it once the link holds the slave side open.
  void Serve(std::vector<Bytes> replies) {
    thread_ = std::thread([this, replies = std::move(replies)] {
      for (const Bytes& reply : replies) {
        std::optional<Bytes> frame = ReadFrame();
        if (!frame) {
          return;
        }
        received_.push_back(std::move(*frame));
        if (!reply.empty() &&
            ::write(master_, reply.data(), reply.size()) != static_cast<ssize_t>(reply.size())) {
          return;
        }
      }
    });
  }

  /// Waits for the peer to finish; the frames it received.
  const std::vector<Bytes>& Join() {
    if (thread_.joinable()) {
      thread_.join();
    }
    return received_;
  }

 private:
  std::optional<uint8_t> ReadByte() {
    pollfd poller{master_, POLLIN, 0};
    if (::poll(&poller, 1, kPeerPatience_ms) != 1 || (poller.revents & POLLIN) == 0) {
      return std::nullopt;
    }
    uint8_t byte = 0;
    if (::read(master_, &byte, 1) != 1) {
      return std::nullopt;
    }
    return byte;
  }

  std::optional<Bytes> ReadFrame() {
    Bytes frame;
    for (size_t expected = 2; frame.size() < expected;) {
      const auto byte = ReadByte();
      if (!byte) {
        return std::nullopt;
      }
      frame.push_back(*byte);
      if (frame.size() == 2) {
        expected = size_t{frame[1]} + 1;
      }
    }
    return frame;
  }

  int master_ = -1;
  std::string slavePath_;
  std::thread thread_;
  std::vector<Bytes> received_;
};

class PseudoTerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer_.Ok());
    savedBaudRate_ = BaudRateSetting();
  }
  void TearDown() override {
    CloseTrace();
    SetComPortDevice(1, "");
    SetBaudRateSetting(savedBaudRate_);
  }

  PtyPeer peer_;
  int savedBaudRate_ = 0;
};

Bytes StatusReply() {
  return MakeReplyFrame(0x12, {'3', 0, 8, 0, 'B', 4, 64, 1, 4, 'A', 0});
}

TEST_F(PseudoTerminalTest, OneExchangeAndItsTrace) {
  const std::filesystem::path dir = testing::MakeTempDir("pty-trace");
  ASSERT_TRUE(OpenTrace("Write.txt", dir));
  TOvXComm link(peer_.SlavePath());
  ASSERT_TRUE(link.IsOk()) << link.ErrorText();
  peer_.Serve({StatusReply()});

  TOvStatusIdCmd command;
  const auto reply = link.Transact(command);
  const auto* status = dynamic_cast<const TOvStatusIdResp*>(reply.get());
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->PanelModel(), 1);
  EXPECT_EQ(status->FirmwareRevisionText(), "B.4");
  EXPECT_EQ(peer_.Join(), std::vector<Bytes>{kStatusRequest});

  CloseTrace();
  EXPECT_EQ(
      testing::ReadText(dir / "Write.txt"),
      "I said:\n"
      "aa 06 10 01 12 b8 65 \n"
      "Panel said:\n"
      "aa 11 10 01 12 33 00 08 00 42 04 40 01 04 41 00 " +
          [] {
            const Bytes reply = StatusReply();
            char crc[16] = {};
            std::snprintf(crc, sizeof crc, "%02x %02x ", reply[16], reply[17]);
            return std::string(crc);
          }());
}

TEST_F(PseudoTerminalTest, TheLineSettingsShowOnTheOtherSide) {
  SetBaudRateSetting(38400);
  TOvXComm link(peer_.SlavePath());
  ASSERT_TRUE(link.IsOk()) << link.ErrorText();
  termios settings{};
  ASSERT_EQ(::tcgetattr(peer_.Master(), &settings), 0);
  EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B38400));
  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(settings.c_cflag & PARENB, 0u);
  EXPECT_EQ(settings.c_iflag & INPCK, 0u);

  SetBaudRateSetting(9600);
  ASSERT_TRUE(link.ApplySettings());
  ASSERT_EQ(::tcgetattr(peer_.Master(), &settings), 0);
  EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B9600));
}

TEST_F(PseudoTerminalTest, ACorruptedReplyIsAskedForAgain) {
  TOvXComm link(peer_.SlavePath());
  ASSERT_TRUE(link.IsOk()) << link.ErrorText();
  Bytes corrupted = MakeReplyFrame(0x00, {0x00, 0x00});
  corrupted[6] = 0x09;
  peer_.Serve({corrupted, MakeReplyFrame(0x00, {0x00, 0x00})});
  TOvClrMemCmd clear;
  const auto reply = link.Transact(clear);
  ASSERT_NE(dynamic_cast<const TOvStdResp*>(reply.get()), nullptr);
  const Bytes clearFrame = {0xAA, 0x06, 0x10, 0x01, 0x0B, 0xA0, 0xE6};
  EXPECT_EQ(peer_.Join(), (std::vector<Bytes>{clearFrame, clearFrame}));
}

TEST_F(PseudoTerminalTest, ASilentPeerEndsInATimeOut) {
  TOvXComm link(peer_.SlavePath());
  ASSERT_TRUE(link.IsOk()) << link.ErrorText();
  ASSERT_TRUE(link.SetReadTimeout(20));
  peer_.Serve({{}, {}});
  TOvStatusIdCmd command;
  const auto reply = link.Transact(command);
  const auto* error = dynamic_cast<const TOvErrorResp*>(reply.get());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->ErrorCode(), 2);
  EXPECT_EQ(link.LinkError(), 2);
  EXPECT_EQ(peer_.Join(), (std::vector<Bytes>{kStatusRequest, kStatusRequest}));
}

TEST_F(PseudoTerminalTest, AFrameCutShortEndsInATimeOut) {
  // The port waits for the rest of a frame in one go once its length is
  // in; a frame that stops there still ends in the read time-out.
  TOvXComm link(peer_.SlavePath());
  ASSERT_TRUE(link.IsOk()) << link.ErrorText();
  ASSERT_TRUE(link.SetReadTimeout(20));
  peer_.Serve({{0xAA, 0x11, 0x10}, {0xAA, 0x11}});
  TOvStatusIdCmd command;
  const auto reply = link.Transact(command);
  const auto* error = dynamic_cast<const TOvErrorResp*>(reply.get());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->ErrorCode(), 2);
  EXPECT_EQ(peer_.Join(), (std::vector<Bytes>{kStatusRequest, kStatusRequest}));
}

TEST_F(PseudoTerminalTest, AComNameOpensTheDeviceItStandsFor) {
  SetComPortDevice(1, peer_.SlavePath());
  TOvXComm link("COM1");
  ASSERT_TRUE(link.IsOk()) << link.ErrorText();
  peer_.Serve({StatusReply()});
  TOvStatusIdCmd command;
  EXPECT_NE(dynamic_cast<const TOvStatusIdResp*>(link.Transact(command).get()), nullptr);
}

TEST_F(PseudoTerminalTest, APortIsHeldByOneLinkAtATime) {
  TOvXComm first(peer_.SlavePath());
  ASSERT_TRUE(first.IsOk()) << first.ErrorText();
  TOvXComm second(peer_.SlavePath());
  EXPECT_FALSE(second.IsOk());
  EXPECT_EQ(second.ErrorText(), "Error C003: Error opening port");
  EXPECT_EQ(second.ErrorDetails().rfind(peer_.SlavePath() + ": in use by another program.\n", 0),
            0u)
      << second.ErrorDetails();
}

TEST_F(PseudoTerminalTest, AMissingDeviceCannotBeOpened) {
  SetComPortDevice(2, peer_.SlavePath() + "-missing");
  TOvXComm link("COM2");
  EXPECT_FALSE(link.IsOk());
  EXPECT_EQ(link.ErrorText(), "Error C003: Error opening port");
  EXPECT_EQ(
      link.ErrorDetails().rfind(
          "COM2 (" + peer_.SlavePath() + "-missing): no such device.\nCheck the port name", 0),
      0u)
      << link.ErrorDetails();
  SetComPortDevice(2, "");
}

TEST(PortOpenFailure, TheSystemsReasonInWords) {
  const std::pair<int, const char*> reasons[] = {{ENOENT, "no such device"},
                                                 {ENXIO, "no such device"},
                                                 {EACCES, "permission denied"},
                                                 {EBUSY, "in use by another program"},
                                                 {EIO, "Input/output error"}};
  for (const auto& [number, reason] : reasons) {
    EXPECT_EQ(PortOpenFailureReason(number), reason) << number;
  }
  EXPECT_NE(PortOpenFailureHint(EACCES).find("dialout"), std::string::npos);
  EXPECT_EQ(PortOpenFailureHint(EIO), "");
}

}  // namespace
}  // namespace orvane
