// The comparisons Verify relies on.
#include <gtest/gtest.h>

#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"

namespace orvane {
namespace {

using testing::MakeProject;
using testing::SetAddress;
using testing::WithMarkers;

TEST(AddressEquals, TextsAreIgnoredAndMapStringsCountOverTheMapLength) {
  TOvProject project = MakeProject(kModelOv200);
  TOvTag a(&project);
  TOvTag b(&project);
  a.dataType = kDataTypeBcd16;
  b.dataType = kDataTypeBinary32;
  EXPECT_TRUE(a.Equals(b)) << "two empty addresses are equal whatever their data types";

  SetAddress(a, "N7:0", {1, 2, 3});
  SetAddress(b, "N7:00", {1, 2, 3});
  EXPECT_TRUE(a.Equals(b)) << "same data type and map string";
  b.tagName = "Other";
  EXPECT_TRUE(a.Equals(b));

  b.dataType = kDataTypeBcd16;
  EXPECT_FALSE(a.Equals(b));
  SetAddress(b, "N7:0", {1, 2, 4});
  EXPECT_FALSE(a.Equals(b));

  // Bytes past the project's map length do not count.
  project.plc.mapLength = 2;
  EXPECT_TRUE(a.Equals(b));
}

TEST(AddressEquals, DataItemOneComparesItsOptionsAndDecimalPointRegister) {
  TOvProject project = MakeProject(kModelOv200);
  TOvReadWriteTag a;
  a.AttachTo(&project);
  SetAddress(a, "N7:0");
  TOvReadWriteTag b = a;
  EXPECT_TRUE(a.Equals(b));

  const auto differs = [&a](auto change) {
    TOvReadWriteTag other = a;
    change(other);
    return !a.Equals(other);
  };
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.passwordProtected = true; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.fixedDecimalPoint = 2; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.limitsEnabled = true; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.maximum = 10; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.minimum = 1; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.variableDecimalPoint = true; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.passwordIsLocal = false; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { t.accessType = kAccessReadOnly; }));
  EXPECT_TRUE(differs([](TOvReadWriteTag& t) { SetAddress(t.decimalPointRegister, "N7:1"); }));
  EXPECT_FALSE(differs([](TOvReadWriteTag& t) { t.kindMaximum = 1; }));
}

TEST(MessageEquals, TrimsTextsAndIgnoresUnusedItems) {
  TOvProject project = MakeProject(kModelOv200);
  TOvPanel& panel = project.panels[0];
  TOvMessage& a = panel.AddMessage(TOvMessage());
  a.text = WithMarkers("Speed 1");
  SetAddress(a.item1, "N7:0", {1, 1, 1});
  SetAddress(a.item2, "N7:1", {2, 2, 2});
  TOvMessage b = a;
  b.text = WithMarkers(" \tSpeed 1  \r\n");
  SetAddress(b.item2, "N7:2", {3, 3, 3});
  EXPECT_TRUE(a.Equals(b)) << "item 2 has no marker, so it is not compared";

  b.text = WithMarkers("Speed  1");
  EXPECT_FALSE(a.Equals(b)) << "inner blanks count";
  b.text = WithMarkers("Speed 1 2");
  a.text = b.text;
  EXPECT_FALSE(a.Equals(b)) << "item 2 is in use now";

  b = a;
  b.leadingZeros[2] = true;
  EXPECT_FALSE(a.Equals(b));
  b = a;
  b.depth = 1;
  EXPECT_FALSE(a.Equals(b));
}

TEST(MessageEquals, SetPointEntriesCompareItemOneWithoutMarker) {
  TOvProject project = MakeProject(kModelOvSP);
  TOvMessage& a = project.panels[0].AddMessage(TOvMessage());
  a.text = "Pressure";
  SetAddress(a.item1, "N7:0", {1, 1, 1});
  TOvMessage b = a;
  SetAddress(b.item1, "N7:1", {1, 1, 2});
  EXPECT_FALSE(a.Equals(b));
}

TEST(PanelEquals, ComparesOnlyWhatTheModelUses) {
  TOvProject project = MakeProject(kModelOv200);
  TOvPanel a(&project, kModelOv200);
  TOvPanel b(&project, kModelOv200);
  SetAddress(b.lineRegisters[2], "N7:3", {3, 3, 3});
  SetAddress(b.annunciatorWord, "N7:4", {4, 4, 4});
  EXPECT_TRUE(a.Equals(b));

  a.panelModel = b.panelModel = kModelOv400;
  EXPECT_FALSE(a.Equals(b)) << "four lines in use";
  a.panelModel = b.panelModel = kModelOv200P;
  EXPECT_FALSE(a.Equals(b)) << "the annunciator is in use";

  TOvPanel c(&project, kModelOv200);
  c.cursorOnPlcMessage = false;
  EXPECT_FALSE(TOvPanel(&project, kModelOv200).Equals(c));
  TOvPanel d(&project, kModelOv200);
  d.keysLeds.buttonAction[2] = kButtonAlternate;
  EXPECT_FALSE(TOvPanel(&project, kModelOv200).Equals(d));
  TOvPanel e(&project, kModelOv200);
  e.AddMessage(TOvMessage());
  EXPECT_FALSE(TOvPanel(&project, kModelOv200).Equals(e));
}

TEST(ProjectEquals, PairsPanelsByPort) {
  TOvProject a = MakeProject(kModelNotConfigured);
  a.systemMode = kMultiPanelSystem;
  for (int32_t port : {2, 4}) {
    a.portTable.selectedPort = port;
    a.PutPanel(TOvPanel(&a, port == 2 ? kModelOv200 : kModelOv400));
  }
  TOvProject b = a;
  std::swap(b.panels[0], b.panels[1]);
  b.AttachAll();
  EXPECT_TRUE(a.Equals(b)) << "order does not matter";

  b.panels[0].portNumber = 3;
  EXPECT_FALSE(a.Equals(b));

  TOvProject c = a;
  c.plc.name = "Another PLC";
  EXPECT_FALSE(a.Equals(c));
  TOvProject d = a;
  d.plc.pluginPath = "/elsewhere/Brisko.so";
  EXPECT_TRUE(a.Equals(d)) << "the plug-in path is not part of the identity";
  TOvProject e = a;
  e.RemoveSelectedPanel();
  EXPECT_FALSE(a.Equals(e));
  TOvProject f = a;
  f.systemMode = kSinglePanelSystem;
  EXPECT_FALSE(a.Equals(f));
}

TEST(PlcInfo, IdentityFromDriverCodes) {
  TOvPlcInfo plc;
  plc.attributeBytes.assign(40, 7);
  plc.SetIdentity(1, 9, "Allen-Bradley SLC 500 DF1(Full Duplex) - Rev C", "/dll/Harlow.so");
  std::vector<unsigned char> expected(32, 0);
  expected[0] = 1;
  expected[1] = 9;
  EXPECT_EQ(plc.attributeBytes, expected);
  EXPECT_EQ(plc.ManufacturerCode(), 1);
  EXPECT_EQ(plc.ModelCode(), 9);
  EXPECT_TRUE(plc.AttributeBlock().empty());
  EXPECT_EQ(plc.pluginPath, "/dll/Harlow.so");
  plc.attributeBytes.push_back(5);
  ASSERT_EQ(plc.AttributeBlock().size(), 1u);
  EXPECT_EQ(plc.AttributeBlock()[0], 5);
  EXPECT_EQ(TOvPlcInfo().ModelCode(), 0);
}

}  // namespace
}  // namespace orvane
