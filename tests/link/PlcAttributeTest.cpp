// The PLC communication attribute block in its three forms, the two
// commands that frame it, and reading it back from a panel and from the
// multiplexer.
#include <gtest/gtest.h>

#include <vector>

#include "link/AttributeReplies.h"
#include "link/BlockReplies.h"
#include "link/MuxPlcAttrCollector.h"
#include "link/PlcAttributeRecords.h"
#include "link/ResponseFactory.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/FakeSerialPort.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeProject;
using testing::MakeReplyFrame;

// The block 06 00 11 22 33 44; with its length raised to 8 its checksum is
// 0xD071.
const Bytes kBlock = {0x06, 0x00, 0x11, 0x22, 0x33, 0x44};

TOvPlcInfo PlcWithBlock(const Bytes& block) {
  TOvPlcInfo plc;
  plc.attributeBytes.assign(kAttributeHeaderSize, 0);
  plc.attributeBytes[0] = 1;
  plc.attributeBytes[1] = 4;
  plc.attributeBytes.insert(plc.attributeBytes.end(), block.begin(), block.end());
  return plc;
}

Bytes Frame(TOvXCmd& command) {
  const auto frame = command.MakeFrame();
  return Bytes(frame.begin(), frame.end());
}

TEST(PlcAttributes, TheThreeFormsWithTheirChecksums) {
  const struct {
    PlcAttributeForm form;
    Bytes expected;
  } cases[] = {
      {PlcAttributeForm::SinglePanel, {0x08, 0x00, 0x11, 0x22, 0x33, 0x44, 0xD0, 0x71}},
      {PlcAttributeForm::MultiPanel, {0x08, 0x00, 0x71, 0xD0, 0x11, 0x22, 0x33, 0x44}},
      {PlcAttributeForm::MuxStream, {0x08, 0x00, 0x11, 0x22, 0x33, 0x44, 0x71, 0xD0}},
  };
  const TOvPlcInfo plc = PlcWithBlock(kBlock);
  for (const auto& c : cases) {
    const EncodedStream encoded = EncodePlcAttributes(plc, c.form);
    ASSERT_TRUE(encoded.Ok()) << encoded.error;
    EXPECT_EQ(encoded.bytes, c.expected);
  }
}

TEST(PlcAttributes, BothFramesExactBytes) {
  const TOvPlcInfo plc = PlcWithBlock(kBlock);
  TOvWritePlcAttrCmd single(plc);
  EXPECT_EQ(Frame(single), (Bytes{0xAA, 0x0E, 0x10, 0x01, 0xBC, 0x08, 0x00, 0x11, 0x22, 0x33, 0x44,
                                  0xD0, 0x71, 0x4E, 0xD4}));
  TOvWrtMltPnlPlcAttrCmd multi(plc);
  EXPECT_EQ(Frame(multi), (Bytes{0xAA, 0x0E, 0x10, 0x01, 0xBC, 0x08, 0x00, 0x71, 0xD0, 0x11, 0x22,
                                 0x33, 0x44, 0x79, 0x20}));
}

TEST(PlcAttributes, BlocksThatCannotBeSentAreRefused) {
  const std::string none =
      "Error in building the PLC attributes: the project holds no PLC communication attribute "
      "block";
  for (const Bytes& block : {Bytes{}, Bytes{0x01}}) {
    const TOvPlcInfo plc = PlcWithBlock(block);
    for (const auto form : {PlcAttributeForm::SinglePanel, PlcAttributeForm::MultiPanel,
                            PlcAttributeForm::MuxStream}) {
      const EncodedStream encoded = EncodePlcAttributes(plc, form);
      EXPECT_EQ(encoded.error, none);
      EXPECT_TRUE(encoded.bytes.empty());
    }
    TOvWritePlcAttrCmd command(plc);
    EXPECT_TRUE(command.MakeFrame().empty());
  }
  // Attribute bytes shorter than their header hold no block either.
  TOvPlcInfo headerOnly;
  headerOnly.attributeBytes = {1, 4};
  EXPECT_EQ(EncodePlcAttributes(headerOnly, PlcAttributeForm::SinglePanel).error, none);

  // 247 bytes make L = 255, the largest frame; 248 do not fit one frame but
  // still travel in the multiplexer's blocks.
  Bytes largest(kMaxFramedPlcAttributeBlock, 0x5A);
  TOvPlcInfo fits = PlcWithBlock(largest);
  TOvWrtMltPnlPlcAttrCmd framed(fits);
  const Bytes frame = Frame(framed);
  ASSERT_EQ(frame.size(), 256u);
  EXPECT_EQ(frame[1], 255);
  EXPECT_EQ(frame[5], 249);  // the raised length, low byte first
  EXPECT_EQ(frame[6], 0);

  largest.push_back(0x5A);
  const TOvPlcInfo tooLong = PlcWithBlock(largest);
  EXPECT_EQ(EncodePlcAttributes(tooLong, PlcAttributeForm::SinglePanel).error,
            "Error in building the PLC attributes: the PLC communication attribute block of 248 "
            "bytes is too long to send");
  EXPECT_FALSE(EncodePlcAttributes(tooLong, PlcAttributeForm::MultiPanel).Ok());
  TOvWritePlcAttrCmd refused(tooLong);
  EXPECT_TRUE(refused.MakeFrame().empty());
  const EncodedStream stream = EncodePlcAttributes(tooLong, PlcAttributeForm::MuxStream);
  ASSERT_TRUE(stream.Ok());
  EXPECT_EQ(stream.bytes.size(), 250u);
  EXPECT_EQ(stream.bytes[0], 250);

  EXPECT_FALSE(EncodePlcAttributes(Bytes(0xFFFE, 0), PlcAttributeForm::MuxStream).Ok());
  EXPECT_TRUE(EncodePlcAttributes(Bytes(0xFFFD, 0), PlcAttributeForm::MuxStream).Ok());
}

TEST(PlcAttributes, APanelGivesBackTheBlockItWasSent) {
  const TOvPlcInfo plc = PlcWithBlock(kBlock);
  for (const int32_t mode : {kSinglePanelSystem, kMultiPanelSystem}) {
    SCOPED_TRACE(mode);
    TOvProject project = MakeProject(kModelOv200);
    project.systemMode = mode;
    const EncodedStream sent =
        EncodePlcAttributes(plc, mode == kMultiPanelSystem ? PlcAttributeForm::MultiPanel
                                                           : PlcAttributeForm::SinglePanel);
    // The panel answers with the record it stored; the project decides the
    // layout.
    const auto reply =
        MakeResponse(MakeReplyFrame(0xBB, sent.bytes), 0, ResponseContext{0, &project});
    const auto* attributes = dynamic_cast<const TOvPlcAttrResp*>(reply.get());
    ASSERT_NE(attributes, nullptr);
    EXPECT_EQ(attributes->Block(), kBlock);
  }
}

TEST(MuxPlcAttrCollector, RebuildsTheBlockFromTheStream) {
  // The stream as it was written: raised length, the block, the checksum.
  const Bytes stream = {0x08, 0x00, 0x11, 0x22, 0x33, 0x44, 0x71, 0xD0};
  MuxPlcAttrCollector collector;
  EXPECT_EQ(collector.Add(std::span(stream).first(3), false),
            MuxPlcAttrCollector::Status::Collecting);
  EXPECT_EQ(collector.Add(std::span(stream).subspan(3), true),
            MuxPlcAttrCollector::Status::Complete);
  // The checksum after the announced bytes is not part of the block.
  EXPECT_EQ(collector.Block(), kBlock);
  EXPECT_EQ(collector.Add(stream, true), MuxPlcAttrCollector::Status::Complete);
  EXPECT_EQ(collector.Block(), kBlock);

  // From block replies; a stream without its checksum gives the same block.
  MuxPlcAttrCollector fromReplies;
  const TOvMuxPlcAttrResp first(MakeReplyFrame(0x2A, {0x00, 0x00, 0x02, 0x08, 0x00}));
  const TOvMuxPlcAttrResp last(MakeReplyFrame(0x2A, {0x01, 0x02, 0x04, 0x11, 0x22, 0x33, 0x44}));
  EXPECT_EQ(fromReplies.Add(first), MuxPlcAttrCollector::Status::Collecting);
  EXPECT_EQ(fromReplies.Add(last), MuxPlcAttrCollector::Status::Complete);
  EXPECT_EQ(fromReplies.Block(), kBlock);
}

TEST(MuxPlcAttrCollector, StreamsShorterThanTheyAnnounceAreTruncated) {
  const struct {
    const char* name;
    Bytes stream;
    MuxPlcAttrCollector::Status status;
  } cases[] = {
      {"no length", {0x08}, MuxPlcAttrCollector::Status::Truncated},
      {"length below 4", {0x03, 0x00, 0x11}, MuxPlcAttrCollector::Status::Truncated},
      {"one byte short", {0x08, 0x00, 0x11, 0x22, 0x33}, MuxPlcAttrCollector::Status::Truncated},
      {"length field only", {0x04, 0x00}, MuxPlcAttrCollector::Status::Complete},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MuxPlcAttrCollector collector;
    EXPECT_EQ(collector.Add(c.stream, true), c.status);
  }
  MuxPlcAttrCollector lengthOnly;
  lengthOnly.Add(Bytes{0x04, 0x00}, true);
  EXPECT_EQ(lengthOnly.Block(), (Bytes{0x02, 0x00}));

  // A device that never sets the last-block flag cannot keep the read going.
  MuxPlcAttrCollector endless;
  MuxPlcAttrCollector::Status status = MuxPlcAttrCollector::Status::Collecting;
  size_t blocks = 0;
  while (status == MuxPlcAttrCollector::Status::Collecting && blocks < 2000) {
    status = endless.Add(Bytes(50, 0xFF), false);
    ++blocks;
  }
  EXPECT_EQ(status, MuxPlcAttrCollector::Status::Truncated);
  EXPECT_EQ(blocks, 1311u);  // the first block past 65537 bytes
}

}  // namespace
}  // namespace orvane
