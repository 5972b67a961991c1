// "Message edit" as plain C++: the PLC message list and the local message
// tree of a text panel in a working copy that reaches the panel only on OK,
// the edit pane's fields of the loaded message and their acceptance, the
// lists' commands (add, insert, delete, cut, copy, paste with the "Orvane"
// clipboard's text form), undo and redo of every change to the lists, and
// find and replace across the panel's messages. CMessageDlg shows it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "view/AddressEntry.h"
#include "view/MessageTree.h"
#include "view/ParsedText.h"

namespace orvane {

class TOvPanel;
class TOvProject;
class UserInterface;

namespace message_edit {
// Control ids of the edit pane.
inline constexpr int kNumber = 1250;
inline constexpr int kText = 1004;
inline constexpr int kItem1Address = 1184;
inline constexpr int kItem1Type = 1111;
inline constexpr int kMinimum = 1195;
inline constexpr int kMaximum = 1196;
inline constexpr int kAccess = 1114;
inline constexpr int kPassword = 1190;
inline constexpr int kPasswordLocal = 1204;
inline constexpr int kPasswordPlc = 1205;
inline constexpr int kDecimalPoint = 1194;
inline constexpr int kDecimalPointAddress = 1192;
inline constexpr int kLeadingZeros1 = 1537;
inline constexpr int kItem2Address = 1193;
inline constexpr int kItem2Type = 1112;
inline constexpr int kLeadingZeros2 = 1536;
inline constexpr int kItem3Address = 1199;
inline constexpr int kItem3Type = 1113;
inline constexpr int kLeadingZeros3 = 1535;
inline constexpr int kAccept = 1248;
// The lists' buttons.
inline constexpr int kPlcNew = 1369;
inline constexpr int kPlcInsert = 1370;
inline constexpr int kPlcDelete = 1371;
inline constexpr int kTreeNewMessage = 1368;
inline constexpr int kTreeNewFolder = 1367;
inline constexpr int kTreeInsertMessage = 1350;
inline constexpr int kTreeInsertFolder = 1349;
inline constexpr int kTreeDelete = 1351;

/// The clipboard format of one message.
inline constexpr const char* kClipboardFormat = "Orvane";
/// The text a new message or folder starts with.
inline constexpr const char* kNewText = "New";
/// The access combo's texts by position (the access type code).
inline constexpr std::array<const char*, 2> kAccessTexts = {"Read/Write", "Read Only"};
}  // namespace message_edit

/// The edit pane's fields as the dialog shows them.
struct MessageFields {
  std::string number = "0";  // PLC messages only
  std::string text;          // the model form, with marker bytes
  std::string item1Address;  // field texts (AddressEntry's form)
  uint32_t item1Type = 0;
  std::string minimum = "0";
  std::string maximum = "9999";
  int access = kAccessReadWrite;  // the Access combo's position: 0 or 1
  bool passwordProtected = false;
  bool passwordIsLocal = true;
  /// "PLC controlled Decimal Point": the text holds the point after item
  /// 1's digits, or (in a message from a file) the register alone places it.
  bool variableDecimalPoint = false;
  std::string decimalPointAddress;
  std::array<bool, 3> leadingZeros{};
  std::string item2Address;
  uint32_t item2Type = 0;
  std::string item3Address;
  uint32_t item3Type = 0;

  bool operator==(const MessageFields&) const = default;
};

/// The fields a refusal puts the focus on.
enum class MessageField {
  None,
  Number,
  Text,
  Minimum,
  Maximum,
  Item1Address,
  DecimalPointAddress,
  Item2Address,
  Item3Address,
};

/// Which list an entry is in.
enum class MessageList { None, Plc, Tree };

/// The entry selected in one of the lists: a row of the PLC list, a local
/// message (its position in the tree order) or the tree's root.
struct MessageSelection {
  MessageList list = MessageList::None;
  size_t index = 0;
  bool root = false;

  static MessageSelection Plc(size_t row) { return {MessageList::Plc, row, false}; }
  static MessageSelection Local(size_t index) { return {MessageList::Tree, index, false}; }
  static MessageSelection Root() { return {MessageList::Tree, 0, true}; }
  bool operator==(const MessageSelection&) const = default;
};

/// The tree's buttons (and its menu's commands) for the selection.
struct TreeButtons {
  bool newMessage = true;
  bool newFolder = true;
  bool insertMessage = true;
  bool insertFolder = true;
  bool remove = true;

  bool operator==(const TreeButtons&) const = default;
};

/// The PLC list's buttons.
struct PlcButtons {
  bool newMessage = true;
  bool insertMessage = true;
  bool remove = true;

  bool operator==(const PlcButtons&) const = default;
};

/// The numbers a PLC message inserted before the selection may take: those
/// strictly between low (the previous message's number, 0 before the first)
/// and high (the selected number).
struct InsertRange {
  int32_t low = 0;
  int32_t high = 0;

  bool operator==(const InsertRange&) const = default;
};

/// "&Enter a message number between %d and %d:" for the range.
std::string InsertPromptText(const InsertRange& range);
/// The Insert Message dialog's OK: the number typed when it lies strictly
/// inside the range, else nothing after "Error M005: Message number is out
/// of range" (a text that is no number too).
std::optional<int32_t> CheckInsertNumber(const std::string& text, const InsertRange& range,
                                         UserInterface& ui);

/// What a find and replace across the messages did.
struct ReplaceResult {
  int replaced = 0;              // messages changed
  std::vector<int32_t> tooLong;  // numbers of messages left alone: the text would not fit
};

/// What the find and replace dialog says after a Replace All.
std::string ReplaceSummary(const ReplaceResult& result);

class MessageEditor {
 public:
  /// Copies the panel's messages into the working copy. project, panel (a
  /// text panel of the project) and ui must outlive this object.
  MessageEditor(TOvProject& project, TOvPanel& panel, UserInterface& ui);

  AddressFieldKind Kind() const { return kind_; }
  const TOvPanel& Panel() const { return panel_; }
  bool HasPasswords() const;
  const MessageLists& Lists() const { return lists_; }
  const MessageSelection& Selection() const { return selection_; }
  /// The message loaded in the edit pane (the selection), or none.
  const TOvMessage* Loaded() const;
  /// What the fields show since the last load.
  const MessageFields& Shown() const { return shown_; }
  /// What the loaded message's text allows.
  ParsedText::Limits TextLimits() const;
  /// Whether the fields differ from what was loaded.
  bool HasEdits(const MessageFields& fields) const {
    return Loaded() != nullptr && fields != shown_;
  }
  /// Whether the working copy changed since the dialog opened.
  bool Modified() const { return modified_; }
  /// The field the last refusal was about.
  MessageField FailedField() const { return failed_; }

  /// Selects an entry and loads it. Unsaved edits are offered for saving
  /// first (61577: Yes commits them and goes on only when that succeeds, No
  /// drops them, Cancel stays). false leaves the selection as it was.
  bool Select(const MessageSelection& selection, const MessageFields& current);
  /// The edit pane's "Press to accept Message edit": the checks in order
  /// (numbers, limits, the message number with the CAUTION question, the
  /// panel's 300 addresses, the data items through the PLC driver), then
  /// the loaded message takes the fields. false after a refusal, with the
  /// message as it was; Shown() then holds the number that was put back.
  bool Accept(const MessageFields& fields);

  // The PLC list.

  PlcButtons PlcListButtons() const;
  /// "New Message": a PLC message after the selected one, numbered with the
  /// first free number above it (1 for an empty list).
  bool AddPlcMessage(const MessageFields& current);
  /// The numbers free before the selected PLC message; none when no number
  /// is free there.
  std::optional<InsertRange> PlcInsertRange() const;
  /// "Insert Message": when one number is free it is taken, otherwise
  /// askNumber (the Insert Message dialog) gives it, or nothing to stop.
  bool InsertPlcMessage(const MessageFields& current,
                        const std::function<std::optional<int32_t>(const InsertRange&)>& askNumber);

  // The local message tree.

  TreeButtons TreeListButtons() const;
  /// "New Message" / "New Folder": the last child of the selected folder or
  /// the root.
  bool AddToTree(bool folder, const MessageFields& current);
  /// "Insert Message" / "Insert Folder": before the selected entry, at its
  /// level.
  bool InsertIntoTree(bool folder, const MessageFields& current);

  /// "Delete" in either list: the selected entry (in the tree with its
  /// sub-tree) after 61492, or 61491 for an entry with children.
  bool DeleteSelected();

  // The clipboard.

  /// The project file's lines of the loaded message; empty without one.
  std::string CopyText() const;
  /// Cut is there for a loaded message that is not a folder (a folder's
  /// lines would not carry its sub-messages).
  bool CanCut() const;
  /// CopyText, then the message is deleted without asking.
  std::optional<std::string> Cut();
  /// A message's lines into the list: as New Message adds one (PLC list),
  /// or in the tree as the last child of the selected folder or the root,
  /// right after a selected message. Its addresses are checked again
  /// against the project's PLC without message boxes; one the PLC refuses
  /// is left empty. false when the text is no message or it does not fit.
  bool Paste(const std::string& text, MessageList target, const MessageFields& current);

  // Undo and redo of the lists' changes (every accepted edit, addition,
  // deletion, paste, replace and import).

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  bool Undo(const MessageFields& current);
  bool Redo(const MessageFields& current);

  // Find and replace.

  /// The next entry after the selection (from the top without one) whose
  /// text holds what, PLC messages first, then the tree; it is selected
  /// and loaded as Select does. false when there is none.
  bool FindNext(const std::string& what, bool matchCase, const MessageFields& current);
  /// Replaces what by with in every message's text (not in data items).
  ReplaceResult ReplaceAll(const std::string& what, const std::string& with, bool matchCase,
                           const MessageFields& current);

  /// Takes a whole new set of messages (an imported message table) into
  /// the working copy, as one change that Undo takes back.
  void ReplaceLists(MessageLists lists);

  // The dialog as a whole.

  /// OK: unsaved edits are offered for saving (61577); then the panel
  /// takes the working copy and the project is marked changed. false keeps
  /// the dialog open.
  bool Ok(const MessageFields& current);
  /// Cancel: 61490 when something changed; Yes runs OK. true when the
  /// dialog may close.
  bool Cancel(const MessageFields& current);

 private:
  struct Snapshot {
    MessageLists lists;
    MessageSelection selection;
  };

  TOvMessage* LoadedMutable();
  MessageFields FieldsOf(const TOvMessage& message) const;
  void LoadSelection();
  bool Refuse(MessageField field);
  /// 61577 before an addition when the pane has edits.
  bool LeaveCurrent(const MessageFields& current);
  /// Keeps the working copy for Undo before a change.
  void Remember();
  void Restore(Snapshot snapshot);
  bool FitsAddressLimit(const TOvMessage& candidate, std::optional<size_t> replacing) const;
  TOvMessage NewMessage(bool plc) const;
  /// The first number not in use above the selected PLC message (above the
  /// last without a selection, 1 for an empty list).
  int32_t NextPlcNumber() const;
  bool PlaceInPlcList(TOvMessage message);
  bool PlaceInTree(TOvMessage message, size_t at, int16_t depth);
  /// Where the tree's New commands put a child of the selection, and its
  /// depth; none when the selection cannot hold one.
  std::optional<std::pair<size_t, int16_t>> ChildPlace() const;
  bool CheckItem(int item, const MessageFields& fields, TOvMessage& candidate, AddressEntry& entry);

  TOvProject& project_;
  TOvPanel& panel_;
  UserInterface& ui_;
  AddressFieldKind kind_;
  MessageLists lists_;
  MessageSelection selection_;
  MessageFields shown_;
  bool modified_ = false;
  MessageField failed_ = MessageField::None;
  std::vector<Snapshot> undo_;
  std::vector<Snapshot> redo_;
};

}  // namespace orvane
