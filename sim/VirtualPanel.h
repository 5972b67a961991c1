// The panel at run time: what it holds, read by its own decoders, running
// against a mock PLC. The PLC selects messages through the line registers;
// data items show their registers; the operator browses the local messages
// with the keys, enters values (after a password where one is asked for)
// and presses the function keys; the LEDs and the annunciator lamps follow
// their words. The set point panel shows one entry at a time, its value and
// its description, and sends a changed value within its limits to the PLC.
// The rules are written down in docs/virtual-panel.md.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/DeviceMemory.h"
#include "sim/FunctionKeys.h"
#include "sim/MessageRecords.h"
#include "sim/MockPlc.h"
#include "sim/PanelKeys.h"
#include "sim/RecordFields.h"
#include "sim/SystemAttributes.h"
#include "sim/TagList.h"

namespace orvane::sim {

struct DisplayCursor {
  int line = 0;
  int column = 0;
};

/// What the panel shows at one moment.
struct PanelView {
  int model = 1;
  /// The display's lines in its own character set: 20 characters a line on
  /// the text panels; on the set point panel the 16-character description
  /// and the 8-digit value.
  std::vector<std::string> lines;
  std::optional<DisplayCursor> cursor;
  /// LEDs 1..5 (none on the set point panel).
  std::vector<LampState> leds;
  /// Annunciator lamps 1..3 (model 3 only).
  std::vector<LampState> lamps;
  /// Tag list entry -> the register bits the panel last wrote there.
  std::map<uint16_t, uint32_t> writes;
  /// Whether the operator is entering a value or a password.
  bool editing = false;
};

class VirtualPanel {
 public:
  explicit VirtualPanel(int model);

  /// Reads what the panel holds and starts its display again; the PLC's
  /// registers stay. Records it cannot read are left out and said in
  /// Problems().
  void Load(const PanelMemory& memory, bool behind_multiplexer);
  const std::vector<std::string>& Problems() const { return problems_; }

  int Model() const { return model_; }
  int LineCount() const;
  const TagList& Tags() const { return tags_; }
  const std::optional<SystemAttributes>& System() const { return system_; }
  /// What the panel uses an entry for: "line 1", "button word", "LED word",
  /// "annunciator word", "password register", "set point 5", "message 7
  /// item 2", "message 7 decimal point", joined by ", ".
  std::string TagRole(uint16_t tag) const;

  /// Sets a register to a value of the entry's type (BCD digits for a BCD
  /// entry); an error text when the entry does not exist or the value does
  /// not fit, else empty.
  std::string SetRegister(uint16_t tag, uint32_t value);
  /// Sets a register's bits as they are.
  std::string SetRegisterBits(uint16_t tag, uint32_t bits);
  uint32_t RegisterBits(uint16_t tag) const;
  std::optional<uint32_t> RegisterValue(uint16_t tag) const;

  /// A key goes down or up; an error text for a key the model does not have.
  std::string Press(Key key);
  std::string Release(Key key);

  PanelView View() const;

 private:
  enum class Mode { Browse, Entry, Password };

  // The message or entry whose item 1 the operator changes.
  struct Edit {
    uint16_t number = 0;
    int line = 0;
    uint32_t value = 0;
    int cursor = 0;  // digit position from the units
    std::string password;
  };

  const TagEntry* Entry(uint16_t tag) const { return tags_.Entry(tag); }
  uint16_t LedWord() const;
  uint16_t AnnunciatorWord() const;
  void WriteRegister(uint16_t tag, uint32_t bits);
  void PublishButtonWord();
  void AfterRegisterChange();

  // Text panels.
  std::optional<uint32_t> LineRegisterValue(int line) const;
  bool PlcDisplayActive() const;
  const TextMessageRecord* PlcMessage(uint32_t number) const;
  std::string RenderMessage(const TextMessageRecord& message, const Edit* edit) const;
  std::string SystemText(uint16_t number) const;
  std::optional<uint32_t> ItemValue(const TextMessageRecord& message, int item) const;
  int ItemDecimals(uint16_t decimal_point_tag) const;
  std::vector<std::string> BrowseLines() const;
  void TextKey(Key key);
  void BrowseLocal(Key key);
  void BeginEdit(uint16_t number, int line);
  void StartEntry();
  void EntryKey(Key key);
  void PasswordKey(Key key);
  const TextMessageRecord* EditedMessage() const;

  // Local message tree.
  int Depth(size_t index) const;
  std::optional<size_t> NextSibling(size_t index) const;
  std::optional<size_t> PreviousSibling(size_t index) const;
  std::optional<size_t> Parent(size_t index) const;

  // The set point panel.
  const SetPointEntryRecord* ShownEntry() const;
  void SetPointKey(Key key);
  PanelView SetPointView() const;

  // What the edited item holds: its tag, digits, limits and type.
  struct EditTarget {
    uint16_t tag = kNoTagIndex;
    int digits = 0;
    const ItemOneOptions* options = nullptr;
    uint8_t password = 0;
  };
  std::optional<EditTarget> Target() const;
  std::optional<uint32_t> TargetValue(const EditTarget& target) const;
  void Commit();

  int model_;
  std::vector<std::string> problems_;
  std::optional<SystemAttributes> system_;
  std::map<uint16_t, TextMessageRecord> messages_;
  std::map<uint16_t, SetPointEntryRecord> entries_;
  TagList tags_;
  std::vector<uint16_t> locals_;  // local message numbers in tree order

  MockPlc plc_;
  FunctionKeys keys_;
  std::map<uint16_t, uint32_t> writes_;
  std::map<uint16_t, uint32_t> written_;  // values of write-only items
  uint16_t publishedButtonWord_ = 0;

  Mode mode_ = Mode::Browse;
  std::optional<uint16_t> notice_;  // a system message shown until a key
  size_t selected_ = 0;             // in locals_, or in the entries
  Edit edit_;
};

/// The system messages the panel shows for refusals, by number: 257 "READ
/// ONLY VALUE", 258 "INVALID", 259 the password entry, 263 "OUT OF RANGE".
inline constexpr uint16_t kReadOnlyMessage = 257;
inline constexpr uint16_t kInvalidMessage = 258;
inline constexpr uint16_t kPasswordMessage = 259;
inline constexpr uint16_t kOutOfRangeMessage = 263;

}  // namespace orvane::sim
