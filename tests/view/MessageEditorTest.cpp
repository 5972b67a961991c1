// The message editor without widgets, over the Kestrel test driver: the
// edit pane's text rules, each refusal of an edit with its message and
// field and the message left as it was, the message number with the
// CAUTION question, the PLC list's numbering and insert range, the tree's
// levels, buttons and deletes, the clipboard between two projects, undo and
// redo, find and replace, the preview line, and OK and Cancel.
#include "view/MessageEditor.h"

#include <gtest/gtest.h>

#include "tests/view/EditorTestSupport.h"
#include "view/MessagePreview.h"

namespace orvane::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr char k1 = kItem1Marker;
constexpr char k2 = kItem2Marker;
constexpr char k3 = kItem3Marker;
constexpr char kDp = kDecimalPointMarker;

std::string Repeat(char c, size_t count) {
  return std::string(count, c);
}

TEST(ParsedTextTest, TypingFollowsTheWidthTheDigitLimitAndTheDecimalPoint) {
  ParsedText text;
  text.Load("TEMP ", {20, true});
  for (int press = 0; press < 11; ++press) {
    text.TypeItem(1, text.Length(), text.Length());
  }
  EXPECT_EQ(text.Model(), "TEMP " + Repeat(k1, 10));
  // The display is ten red "1"s after the black text, and reads back.
  const std::vector<DisplayCell> display = text.Display();
  EXPECT_EQ(display[5], (DisplayCell{'1', TextColour::Red}));
  EXPECT_EQ(display[0], (DisplayCell{'T', TextColour::Black}));
  EXPECT_EQ(ModelOf(display), text.Model());

  struct Case {
    const char* what;
    std::string before;
    ParsedText::Limits limits;
    std::function<bool(ParsedText&)> edit;
    bool changed;
    std::string after;
  };
  const std::string twenty = Repeat('A', 17) + Repeat(k1, 3);
  const Case cases[] = {
      {"item digit at the limit",
       twenty,
       {20, true},
       [](ParsedText& t) { return t.TypeItem(2, 0, 0); },
       false,
       twenty},
      {"item digit in a folder",
       "DIR",
       {19, false},
       [](ParsedText& t) { return t.TypeItem(1, 3, 3); },
       false,
       "DIR"},
      {"a folder takes 19 characters",
       "",
       {19, false},
       [](ParsedText& t) { return t.Type(Repeat('B', 25), 0, 0); },
       true,
       Repeat('B', 19)},
      {"typed marker bytes are dropped",
       "A",
       {20, true},
       [](ParsedText& t) {
         return t.Type(std::string{'x', k1, kDp, '\n', 'y'}, 1, 1);
       },
       true,
       "Axy"},
      {"a digit replaces the selection",
       "ABCD",
       {20, true},
       [](ParsedText& t) { return t.TypeItem(3, 1, 3); },
       true,
       std::string{'A', k3, 'D'}},
      {"decimal point at the limit",
       twenty,
       {20, true},
       [](ParsedText& t) { return t.SetDecimalPoint(true); },
       false,
       twenty},
      {"decimal point without item 1",
       "AB" + Repeat(k2, 2),
       {20, true},
       [](ParsedText& t) { return t.SetDecimalPoint(true); },
       false,
       "AB" + Repeat(k2, 2)},
      {"decimal point after the last item 1 digit",
       std::string{k1, k1, 'X', k1, 'Y'},
       {20, true},
       [](ParsedText& t) { return t.SetDecimalPoint(true); },
       true,
       std::string{k1, k1, 'X', k1, kDp, 'Y'}},
      {"typing between digit and point moves the point",
       std::string{k1, kDp},
       {20, true},
       [](ParsedText& t) { return t.Type("Z", 1, 1); },
       true,
       std::string{k1, kDp, 'Z'}},
      {"deleting the last item 1 digit removes the point",
       std::string{'A', k1, kDp},
       {20, true},
       [](ParsedText& t) { return t.Erase(1, 2); },
       true,
       "A"},
      {"a loaded point in the wrong place moves",
       std::string{kDp, k1, k1},
       {20, true},
       [](ParsedText&) { return false; },
       false,
       std::string{k1, k1, kDp}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ParsedText t;
    t.Load(c.before, c.limits);
    EXPECT_EQ(c.edit(t), c.changed);
    EXPECT_EQ(t.Model(), c.after);
  }
}

TEST(ParsedTextTest, ColoursReadBackAndUndoRestoresEveryStep) {
  // Any red character other than "1" is the decimal point.
  EXPECT_EQ(ModelOf({{'1', TextColour::Red},
                     {'x', TextColour::Red},
                     {'9', TextColour::Blue},
                     {'3', TextColour::Green},
                     {'1', TextColour::Black}}),
            (std::string{k1, kDp, k2, k3, '1'}));

  ParsedText text;
  text.Load("AB", {20, true});
  std::vector<std::string> steps{text.Model()};
  text.Type("C", 2, 2);
  steps.push_back(text.Model());
  text.TypeItem(1, 3, 3);
  steps.push_back(text.Model());
  text.SetDecimalPoint(true);
  steps.push_back(text.Model());
  text.Erase(0, 1);
  steps.push_back(text.Model());
  for (size_t step = steps.size() - 1; step > 0; --step) {
    ASSERT_TRUE(text.Undo());
    EXPECT_EQ(text.Model(), steps[step - 1]);
  }
  EXPECT_FALSE(text.Undo());
  for (size_t step = 1; step < steps.size(); ++step) {
    ASSERT_TRUE(text.Redo());
    EXPECT_EQ(text.Model(), steps[step]);
  }
  // A new edit drops what could be redone.
  text.Undo();
  text.Type("Q", 0, 0);
  EXPECT_FALSE(text.CanRedo());
}

class MessageEditorTest : public ::testing::Test {
 protected:
  // A panel with PLC messages 1 and 5 and the tree: folder, its message,
  // then a top-level message.
  void SetUp() override {
    TOvPanel& panel = project_.panels[0];
    const auto add = [&panel](int32_t number, int plc, int folder, int16_t depth,
                              const std::string& text) {
      TOvMessage message(&panel);
      message.number = number;
      message.isPlcMessage = plc;
      message.isFolder = folder;
      message.depth = depth;
      message.text = text;
      panel.AddMessage(message);
    };
    add(1, 1, 0, 0, "PUMP ON");
    add(5, 1, 0, 0, "PUMP OFF");
    add(256, 0, 1, 0, "SETUP");
    add(255, 0, 0, 1, "SPEED");
    add(254, 0, 0, 0, "HELLO");
    panel.firstMessageNumber = 6;
  }

  MessageFields Loaded(MessageEditor& editor, MessageSelection selection) {
    EXPECT_TRUE(editor.Select(selection, editor.Shown()));
    return editor.Shown();
  }

  EditorWorld world_{"message-editor"};
  ScriptedUserInterface& ui_ = world_.Ui();
  TOvProject project_ = world_.Project(kModelOv200P);
  TOvPanel& panel_ = project_.panels[0];
};

TEST_F(MessageEditorTest, AnEditIsRefusedWithTheMessageAndFieldOfItsFirstFault) {
  MessageEditor editor(project_, panel_, ui_);
  MessageFields good = Loaded(editor, MessageSelection::Plc(0));
  good.text = "T " + Repeat(k1, 4) + " " + Repeat(k2, 3) + " " + Repeat(k3, 2);
  good.item1Address = "N7:1";
  good.item2Address = "N7:2";
  good.item3Address = "N7:3";
  const MessageLists before = editor.Lists();
  struct Case {
    const char* what;
    std::function<void(MessageFields&)> spoil;
    MessageField field;
    Texts messages;
  };
  const char* kT003 = "Error T003: The value entered is invalid";
  const char* kZ007 = "Error Z007: Discrete addresses are not allowed here.";
  const Case cases[] = {
      {"number not a number",
       [](MessageFields& f) { f.number = "1x"; },
       MessageField::Number,
       {"Please enter an integer."}},
      {"minimum above BCD 16",
       [](MessageFields& f) { f.minimum = "10000"; },
       MessageField::Minimum,
       {kT003}},
      {"maximum above BCD 16",
       [](MessageFields& f) { f.maximum = "10000"; },
       MessageField::Maximum,
       {kT003}},
      {"maximum below minimum",
       [](MessageFields& f) {
         f.minimum = "50";
         f.maximum = "49";
       },
       MessageField::Maximum,
       {kT003}},
      {"ten item 1 digits with BCD 16",
       [](MessageFields& f) { f.text = Repeat(k1, 10); },
       MessageField::Text,
       {"Maximum 5  \"DATA SET 1\" can be defined with selected data type"}},
      {"nine item 3 digits with BCD 32",
       [](MessageFields& f) {
         f.text = Repeat(k3, 9);
         f.item3Type = kDataTypeBcd32;
       },
       MessageField::Text,
       {"Maximum 8  \"DATA SET 3\" can be defined with selected data type"}},
      {"item 1 a bit",
       [](MessageFields& f) { f.item1Address = "N7:1/1"; },
       MessageField::Item1Address,
       {kZ007}},
      {"item 1 read/write on an input",
       [](MessageFields& f) { f.item1Address = "I1:0"; },
       MessageField::Item1Address,
       {"Error T002: Invalid Access Type"}},
      {"decimal point register a bit",
       [](MessageFields& f) {
         f.text = std::string{k1, k1, kDp};
         f.decimalPointAddress = "N7:9/1";
       },
       MessageField::DecimalPointAddress,
       {kZ007}},
      {"item 2 a bit",
       [](MessageFields& f) { f.item2Address = "N7:2/3"; },
       MessageField::Item2Address,
       {kZ007}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui_.Clear();
    MessageFields fields = good;
    c.spoil(fields);
    EXPECT_FALSE(editor.Accept(fields));
    EXPECT_EQ(editor.FailedField(), c.field);
    EXPECT_EQ(ui_.MessageTexts(), c.messages);
    EXPECT_TRUE(editor.Lists() == before);
    EXPECT_FALSE(editor.Modified());
  }
  // Item 1 read only takes the input.
  MessageFields readOnly = good;
  readOnly.access = kAccessReadOnly;
  readOnly.item1Address = "i1:0";
  ui_.Clear();
  EXPECT_TRUE(editor.Accept(readOnly)) << ::testing::PrintToString(ui_.MessageTexts());
  EXPECT_EQ(editor.Lists().plc[0].item1.addressText, "I1:0");
  EXPECT_EQ(editor.Lists().plc[0].item1.accessType, kAccessReadOnly);
}

TEST_F(MessageEditorTest, TheNumberIsCheckedAndAChangeAsksTheCautionQuestion) {
  // Three local messages leave PLC numbers 1 to 253.
  MessageEditor editor(project_, panel_, ui_);
  MessageFields fields = Loaded(editor, MessageSelection::Plc(1));
  for (const char* refused : {"0", "1", "254", "300"}) {
    SCOPED_TRACE(refused);
    ui_.Clear();
    fields.number = refused;
    EXPECT_FALSE(editor.Accept(fields));
    ASSERT_EQ(ui_.Calls().size(), 1u);
    EXPECT_EQ(ui_.Calls()[0].text,
              "Error M002:  Invalid message number or this message number has already been "
              "configured");
    EXPECT_EQ(ui_.Calls()[0].icon, Icon::Stop);
    EXPECT_EQ(editor.Shown().number, "5");
    EXPECT_EQ(editor.FailedField(), MessageField::Number);
  }
  // 253 asks; No keeps 5, Yes renumbers and the list stays in order.
  ui_.Clear();
  fields.number = "253";
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(editor.Accept(fields));
  EXPECT_EQ(ui_.QuestionTexts().size(), 1u);
  EXPECT_NE(ui_.QuestionTexts()[0].find("CAUTION: When changing a message number"),
            std::string::npos);
  EXPECT_EQ(editor.Shown().number, "5");
  EXPECT_EQ(editor.Lists().plc[1].number, 5);
  ui_.QueueAnswer(Answer::Yes);
  fields.number = "0003";
  EXPECT_TRUE(editor.Accept(fields));
  EXPECT_EQ(editor.Lists().plc[1].number, 3);
  // Unchanged, no question.
  ui_.Clear();
  EXPECT_TRUE(editor.Accept(editor.Shown()));
  EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(MessageEditorTest, AnAcceptedEditKeepsOnlyTheItemsItsTextUses) {
  MessageEditor editor(project_, panel_, ui_);
  MessageFields fields = Loaded(editor, MessageSelection::Plc(0));
  fields.text = "LEVEL " + std::string{k1, k1, k1, kDp} + " " + Repeat(k3, 2);
  fields.item1Address = "n7:4";
  fields.item1Type = kDataTypeBinary16;
  fields.maximum = "60000";
  fields.passwordProtected = true;
  fields.passwordIsLocal = false;
  fields.decimalPointAddress = "N7:5";
  fields.leadingZeros = {true, true, true};
  fields.item2Address = "N7:6";  // no item 2 digit: reset
  fields.item3Address = "I1:1";
  ASSERT_TRUE(editor.Accept(fields)) << ::testing::PrintToString(ui_.MessageTexts());
  const TOvMessage& stored = editor.Lists().plc[0];
  EXPECT_EQ(stored.item1.addressText, "N7:4");
  EXPECT_EQ(stored.item1.maximum, 60000u);
  EXPECT_TRUE(stored.item1.limitsEnabled);
  EXPECT_TRUE(stored.item1.passwordProtected);
  EXPECT_FALSE(stored.item1.passwordIsLocal);
  EXPECT_TRUE(stored.item1.variableDecimalPoint);
  EXPECT_EQ(stored.item1.decimalPointRegister.addressText, "N7:5");
  EXPECT_EQ(stored.item2.addressText, "");
  EXPECT_EQ(stored.leadingZeros, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(stored.item3.addressText, "I1:1");
  EXPECT_EQ(editor.Shown().item2Address, "");

  // Through OK and the project file.
  ASSERT_TRUE(editor.Ok(editor.Shown()));
  EXPECT_TRUE(project_.changed);
  TOvProject reloaded = world_.SaveAndReload(project_);
  EXPECT_EQ(PanelText(reloaded), PanelText(project_));
  EXPECT_TRUE(reloaded.panels[0].Equals(panel_));
}

TEST_F(MessageEditorTest, APointPlacedByItsRegisterAloneStaysThroughAnAccept) {
  // Files may hold a PLC-controlled decimal point without its marker; the
  // panel then places it by the register alone.
  TOvMessage& level = panel_.messages[0];
  level.text = "L " + Repeat(k1, 3);
  AddressEntry entry(project_, ui_);
  ASSERT_TRUE(entry.Enter("N7:1", {kAccessReadWrite, kDataTypeBcd16, false}, level.item1));
  ASSERT_TRUE(entry.Enter("N7:9", {kAccessReadOnly, kDataTypeBcd16, false},
                          level.item1.decimalPointRegister));
  level.item1.variableDecimalPoint = true;
  level.item1.limitsEnabled = true;  // as every accepted edit stores it
  MessageEditor editor(project_, panel_, ui_);
  MessageFields fields = Loaded(editor, MessageSelection::Plc(0));
  EXPECT_TRUE(fields.variableDecimalPoint);
  EXPECT_EQ(fields.decimalPointAddress, "N7:9");
  ASSERT_TRUE(editor.Accept(fields));
  EXPECT_TRUE(editor.Lists().plc[0].Equals(level));
  EXPECT_EQ(editor.Lists().plc[0].text, level.text);
  // Unchecked, the register goes.
  fields.variableDecimalPoint = false;
  ASSERT_TRUE(editor.Accept(fields));
  EXPECT_FALSE(editor.Lists().plc[0].item1.variableDecimalPoint);
  EXPECT_EQ(editor.Lists().plc[0].item1.decimalPointRegister.addressText, "");
}

TEST_F(MessageEditorTest, PlcMessagesAreNumberedAndInsertedBetweenTheirNeighbours) {
  MessageEditor editor(project_, panel_, ui_);
  const auto numbers = [&editor] {
    std::vector<int32_t> list;
    for (const TOvMessage& m : editor.Lists().plc) {
      list.push_back(m.number);
    }
    return list;
  };
  // Before 1 nothing is free; before 5, 2 to 4: the dialog asks.
  Loaded(editor, MessageSelection::Plc(0));
  EXPECT_FALSE(editor.PlcInsertRange().has_value());
  EXPECT_FALSE(editor.PlcListButtons().insertMessage);
  Loaded(editor, MessageSelection::Plc(1));
  ASSERT_EQ(editor.PlcInsertRange(), (InsertRange{1, 5}));
  EXPECT_EQ(InsertPromptText(*editor.PlcInsertRange()), "&Enter a message number between 1 and 5:");
  std::vector<InsertRange> asked;
  EXPECT_TRUE(editor.InsertPlcMessage(editor.Shown(), [&](const InsertRange& range) {
    asked.push_back(range);
    return std::optional<int32_t>(3);
  }));
  EXPECT_EQ(asked, (std::vector<InsertRange>{{1, 5}}));
  EXPECT_EQ(numbers(), (std::vector<int32_t>{1, 3, 5}));
  EXPECT_EQ(editor.Lists().plc[editor.Selection().index].number, 3);
  // One free number is taken without asking: 4 before 5, 2 before 3.
  Loaded(editor, MessageSelection::Plc(2));
  EXPECT_TRUE(editor.InsertPlcMessage(editor.Shown(), [](const InsertRange&) {
    ADD_FAILURE() << "asked";
    return std::nullopt;
  }));
  EXPECT_EQ(numbers(), (std::vector<int32_t>{1, 3, 4, 5}));
  // Add next: the first free number above the selection.
  Loaded(editor, MessageSelection::Plc(0));
  EXPECT_TRUE(editor.AddPlcMessage(editor.Shown()));
  EXPECT_EQ(numbers(), (std::vector<int32_t>{1, 2, 3, 4, 5}));
  Loaded(editor, MessageSelection::Plc(2));
  EXPECT_TRUE(editor.AddPlcMessage(editor.Shown()));
  EXPECT_EQ(numbers(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(editor.Shown().text, "New");

  // Before a first message numbered 3, number 1 is free too: the dialog
  // asks between 0 and 3.
  panel_.messages[0].number = 3;
  MessageEditor fromThree(project_, panel_, ui_);
  Loaded(fromThree, MessageSelection::Plc(0));
  ASSERT_EQ(fromThree.PlcInsertRange(), (InsertRange{0, 3}));
  EXPECT_TRUE(fromThree.InsertPlcMessage(
      fromThree.Shown(), [](const InsertRange&) { return std::optional<int32_t>(1); }));
  EXPECT_EQ(fromThree.Lists().plc[0].number, 1);

  // The Insert Message dialog's check.
  struct Typed {
    const char* text;
    std::optional<int32_t> number;
  };
  for (const Typed& typed : {Typed{"1", std::nullopt}, Typed{"5", std::nullopt},
                             Typed{"x", std::nullopt}, Typed{"", std::nullopt}, Typed{" 4", 4}}) {
    SCOPED_TRACE(typed.text);
    ui_.Clear();
    EXPECT_EQ(CheckInsertNumber(typed.text, {1, 5}, ui_), typed.number);
    EXPECT_EQ(ui_.MessageTexts(),
              typed.number ? Texts{} : Texts{"Error M005: Message number is out of range"});
  }
}

TEST_F(MessageEditorTest, ThePanelsLimitsRefuseAdditions) {
  // PLC message 253 with three local messages fills every number.
  panel_.messages[1].number = 253;
  MessageEditor editor(project_, panel_, ui_);
  ui_.Clear();
  EXPECT_FALSE(editor.AddToTree(false, editor.Shown()));
  EXPECT_EQ(ui_.MessageTexts().size(), 1u);
  EXPECT_EQ(ui_.MessageTexts()[0].rfind("Error M001: Unable to add a new Message/Folder.", 0), 0u);
  Loaded(editor, MessageSelection::Plc(1));
  ui_.Clear();
  EXPECT_FALSE(editor.AddPlcMessage(editor.Shown()));
  EXPECT_EQ(ui_.MessageTexts(),
            Texts{"Error M003: Cannot add a message with message number greater than 256."});
  // One number less and a local message fits again.
  panel_.messages[1].number = 252;
  MessageEditor roomy(project_, panel_, ui_);
  EXPECT_TRUE(roomy.AddToTree(false, roomy.Shown()));
  EXPECT_FALSE(roomy.AddToTree(false, roomy.Shown()));
}

TEST_F(MessageEditorTest, TheTreeKeepsItsLevelsButtonsAndNumbering) {
  MessageEditor editor(project_, panel_, ui_);
  // SETUP (level 1) > folder (2) > folder (3) > message (4).
  Loaded(editor, MessageSelection::Local(0));
  ASSERT_TRUE(editor.AddToTree(true, editor.Shown()));
  ASSERT_TRUE(editor.AddToTree(true, editor.Shown()));
  const MessageSelection deepFolder = editor.Selection();
  EXPECT_EQ(LevelOf(*editor.Loaded()), 3);
  ASSERT_TRUE(editor.AddToTree(false, editor.Shown()));
  EXPECT_EQ(LevelOf(*editor.Loaded()), 4);
  EXPECT_EQ(editor.Lists().locals.size(), 6u);

  struct Case {
    const char* what;
    MessageSelection selection;
    TreeButtons buttons;
  };
  const Case cases[] = {
      {"root", MessageSelection::Root(), {true, true, false, false, false}},
      {"folder at level 1", MessageSelection::Local(0), {true, true, true, true, true}},
      {"folder at level 3", deepFolder, {true, false, true, true, true}},
      {"message at level 4", editor.Selection(), {false, false, true, false, true}},
      {"message at level 1", MessageSelection::Local(5), {false, false, true, true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Loaded(editor, c.selection);
    EXPECT_EQ(editor.TreeListButtons(), c.buttons);
  }
  // A folder cannot go to level 4 even when asked for.
  Loaded(editor, deepFolder);
  EXPECT_FALSE(editor.AddToTree(true, editor.Shown()));

  // Insert before an entry at its level; numbering follows the tree order.
  Loaded(editor, MessageSelection::Local(5));
  ASSERT_TRUE(editor.InsertIntoTree(true, editor.Shown()));
  EXPECT_EQ(editor.Selection(), MessageSelection::Local(5));
  const std::vector<TOvMessage>& locals = editor.Lists().locals;
  for (size_t i = 0; i < locals.size(); ++i) {
    EXPECT_EQ(locals[i].number, 256 - static_cast<int32_t>(i));
  }

  // Deleting SETUP asks 61491 and takes its five entries.
  Loaded(editor, MessageSelection::Local(0));
  ui_.Clear();
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(editor.DeleteSelected());
  EXPECT_EQ(ui_.QuestionTexts(), Texts{"Delete current message and all its \nsub messages?"});
  ASSERT_EQ(editor.Lists().locals.size(), 2u);
  EXPECT_EQ(editor.Lists().locals[1].text, "HELLO");
  EXPECT_EQ(editor.Lists().locals[1].number, 255);
  EXPECT_EQ(editor.Loaded(), nullptr);
  // A message alone asks 61492; No keeps it.
  Loaded(editor, MessageSelection::Local(1));
  ui_.Clear();
  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(editor.DeleteSelected());
  EXPECT_EQ(ui_.QuestionTexts(), Texts{"Delete current message?"});
  EXPECT_EQ(editor.Lists().locals.size(), 2u);
}

TEST_F(MessageEditorTest, AFolderWithTwoMessagesIsDeletedWhole) {
  TOvMessage second(&panel_);
  second.text = "RATE";
  second.depth = 1;
  panel_.messages.insert(panel_.messages.begin() + 4, second);
  panel_.AttachTo(&project_);
  MessageEditor editor(project_, panel_, ui_);
  ASSERT_EQ(editor.Lists().locals.size(), 4u);
  Loaded(editor, MessageSelection::Local(0));
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(editor.DeleteSelected());
  ASSERT_EQ(editor.Lists().locals.size(), 1u);
  EXPECT_EQ(editor.Lists().locals[0].text, "HELLO");
  EXPECT_EQ(editor.Lists().locals[0].number, 256);
  ASSERT_TRUE(editor.Ok({}));
  EXPECT_EQ(panel_.messages.size(), 3u);
  EXPECT_EQ(panel_.firstMessageNumber, 6);
}

TEST_F(MessageEditorTest, LeavingAnEditedMessageAsksToSaveIt) {
  MessageEditor editor(project_, panel_, ui_);
  MessageFields fields = Loaded(editor, MessageSelection::Plc(0));
  fields.text = "CHANGED";
  // Cancel stays, No drops the edit, Yes stores it.
  ui_.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(editor.Select(MessageSelection::Plc(1), fields));
  EXPECT_EQ(editor.Selection(), MessageSelection::Plc(0));
  ui_.QueueAnswer(Answer::No);
  EXPECT_TRUE(editor.Select(MessageSelection::Plc(1), fields));
  EXPECT_EQ(editor.Lists().plc[0].text, "PUMP ON");
  fields = Loaded(editor, MessageSelection::Plc(0));
  fields.text = "CHANGED";
  ui_.Clear();
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(editor.AddToTree(false, fields));
  EXPECT_EQ(ui_.QuestionTexts(),
            Texts{"You have made changes to the current message. Do you want to save them?"});
  EXPECT_EQ(editor.Lists().plc[0].text, "CHANGED");

  // Cancel of the dialog asks 61490.
  ui_.Clear();
  ui_.QueueAnswer(Answer::No);
  EXPECT_TRUE(editor.Cancel(editor.Shown()));
  EXPECT_EQ(ui_.QuestionTexts(), Texts{"Do you want to save the changes made to Messages?"});
  EXPECT_EQ(panel_.messages[0].text, "PUMP ON");
}

TEST_F(MessageEditorTest, TheClipboardCarriesAMessageBetweenProjects) {
  MessageEditor editor(project_, panel_, ui_);
  MessageFields fields = Loaded(editor, MessageSelection::Plc(0));
  fields.text = "A " + Repeat(k1, 2) + " " + Repeat(k2, 2);
  fields.item1Address = "N7:7";
  fields.item2Address = "N7:8";
  ASSERT_TRUE(editor.Accept(fields));
  const std::string copied = editor.CopyText();

  // Into another project of the same PLC: into its tree and its list.
  TOvProject other = world_.Project(kModelOv400);
  MessageEditor target(other, other.panels[0], ui_);
  ASSERT_TRUE(target.Paste(copied, MessageList::Tree, {}));
  ASSERT_TRUE(target.Paste(copied, MessageList::Plc, target.Shown()));
  ASSERT_EQ(target.Lists().locals.size(), 1u);
  EXPECT_EQ(target.Lists().locals[0].text, fields.text);
  EXPECT_EQ(target.Lists().locals[0].isPlcMessage, 0);
  EXPECT_EQ(target.Lists().plc[0].number, 1);
  EXPECT_EQ(target.Lists().plc[0].item2.addressText, "N7:8");
  EXPECT_TRUE(target.Lists().plc[0].item1.Equals(editor.Lists().plc[0].item1));
  // The paste goes after the selection with the next free number.
  ASSERT_TRUE(target.Paste(copied, MessageList::Plc, target.Shown()));
  EXPECT_EQ(target.Lists().plc[1].number, 2);

  // Cut takes the message away; a folder is not cut.
  ASSERT_TRUE(target.Cut().has_value());
  EXPECT_EQ(target.Lists().plc.size(), 1u);
  Loaded(editor, MessageSelection::Local(0));
  EXPECT_FALSE(editor.CanCut());
  EXPECT_FALSE(editor.Cut().has_value());

  // A project whose PLC refuses the addresses keeps the message with them
  // empty, and no message box says so.
  EditorWorld every("message-paste", true);
  TOvProject direct = every.Project(kModelOv200, 31, 1);
  MessageEditor elsewhere(direct, direct.panels[0], every.Ui());
  ASSERT_TRUE(elsewhere.Paste(copied, MessageList::Plc, {}));
  EXPECT_EQ(elsewhere.Lists().plc[0].text, fields.text);
  EXPECT_EQ(elsewhere.Lists().plc[0].item1.addressText, "");
  EXPECT_EQ(elsewhere.Lists().plc[0].item2.addressText, "");
  EXPECT_TRUE(every.Ui().MessageTexts().empty());
  // Text that is no message pastes nothing.
  EXPECT_FALSE(elsewhere.Paste("garbage", MessageList::Plc, elsewhere.Shown()));
  EXPECT_EQ(elsewhere.Lists().plc.size(), 1u);

  // CR LF line ends and a CR inside the text: the text arrives without a
  // CR, so it saves and reads back as it was pasted.
  std::string crlf = copied;
  const size_t inText = crlf.find("A " + Repeat(k1, 2));
  ASSERT_NE(inText, std::string::npos);
  crlf.insert(inText + 1, "\r");
  for (size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2)) {
    crlf.insert(at, "\r");
  }
  MessageEditor fresh(other, other.panels[0], ui_);
  ASSERT_TRUE(fresh.Paste(crlf, MessageList::Tree, {}));
  EXPECT_EQ(fresh.Lists().locals[0].text, fields.text);
}

TEST_F(MessageEditorTest, UndoAndRedoRestoreTheListsExactly) {
  MessageEditor editor(project_, panel_, ui_);
  std::vector<MessageLists> states{editor.Lists()};
  MessageFields fields = Loaded(editor, MessageSelection::Plc(0));
  fields.text = "X " + Repeat(k1, 3);
  fields.item1Address = "N7:1";
  ASSERT_TRUE(editor.Accept(fields));
  states.push_back(editor.Lists());
  ASSERT_TRUE(editor.AddPlcMessage(editor.Shown()));
  states.push_back(editor.Lists());
  Loaded(editor, MessageSelection::Local(0));
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(editor.DeleteSelected());
  states.push_back(editor.Lists());
  EXPECT_EQ(editor.ReplaceAll("HELLO", "BYE", true, {}).replaced, 1);
  states.push_back(editor.Lists());

  for (size_t step = states.size() - 1; step > 0; --step) {
    ASSERT_TRUE(editor.Undo(editor.Shown()));
    EXPECT_TRUE(editor.Lists() == states[step - 1]) << step;
  }
  EXPECT_FALSE(editor.CanUndo());
  for (size_t step = 1; step < states.size(); ++step) {
    ASSERT_TRUE(editor.Redo(editor.Shown()));
    EXPECT_TRUE(editor.Lists() == states[step]) << step;
  }
  // Undone to the start, OK leaves the panel as it was.
  while (editor.Undo(editor.Shown())) {
  }
  const std::string before = PanelText(project_);
  ASSERT_TRUE(editor.Ok(editor.Shown()));
  EXPECT_EQ(PanelText(project_), before);
}

TEST_F(MessageEditorTest, FindAndReplaceWorkOnTheTypedCharactersOnly) {
  panel_.messages[0].text = "PUMP " + Repeat(k1, 2);
  MessageEditor editor(project_, panel_, ui_);
  ASSERT_TRUE(editor.FindNext("pump", false, {}));
  EXPECT_EQ(editor.Selection(), MessageSelection::Plc(0));
  ASSERT_TRUE(editor.FindNext("pump", false, editor.Shown()));
  EXPECT_EQ(editor.Selection(), MessageSelection::Plc(1));
  EXPECT_FALSE(editor.FindNext("pump", true, editor.Shown()));
  EXPECT_FALSE(editor.FindNext(std::string(1, k1), false, editor.Shown()));
  // A replacement that would pass 20 characters leaves the message alone.
  const ReplaceResult result = editor.ReplaceAll("PUMP", "CIRCULATIONS PUMP", true, editor.Shown());
  EXPECT_EQ(result.replaced, 1);
  EXPECT_EQ(result.tooLong, (std::vector<int32_t>{5}));
  EXPECT_EQ(editor.Lists().plc[0].text, "CIRCULATIONS PUMP " + Repeat(k1, 2));
  EXPECT_EQ(editor.Lists().plc[1].text, "PUMP OFF");
  EXPECT_EQ(ReplaceSummary(result), "1 message changed. Left alone, the text would not fit: 5.");
}

TEST(MessagePreviewTest, DigitsShowASampleOfTheirTypeThatLeavesALeadingPlace) {
  struct Case {
    std::string text;
    bool folder;
    PreviewItems items;
    int width;
    std::string line;
  };
  PreviewItems zeros;
  zeros.leadingZeros[0] = true;
  PreviewItems wide;
  wide.dataType[1] = kDataTypeBinary32;
  wide.dataType[2] = kDataTypeBcd32;
  const Case cases[] = {
      {"T=" + Repeat(k1, 5), false, {}, 20, "T=  123             "},
      {"T=" + Repeat(k1, 5), false, zeros, 20, "T=00123             "},
      {std::string{k1, k1, k1, k1, kDp} + "C", false, zeros, 16, "0123.C          "},
      {Repeat(k2, 10) + Repeat(k3, 3), false, wide, 20, " 123456789 12       "},
      {std::string{k2, ' ', k1, k1}, false, {}, 20, "1  1                "},
      {"MENU", true, {}, 20, "+MENU               "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreviewLine(c.text, c.folder, c.items, c.width), c.line);
  }
}

}  // namespace
}  // namespace orvane::testing
