// One panel of a project: its model, its port, its messages and the PLC
// addresses of its system functions.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/PanelModels.h"
#include "project/TOvKeyLedConfig.h"
#include "project/TOvMessage.h"
#include "project/TOvTag.h"

namespace orvane {

class TOvProject;
class UserInterface;

inline constexpr int kLineRegisterCount = 4;

/// Where an address a panel receives sits, named as the user knows it.
struct AddressPlace {
  const TOvMessage* message = nullptr;  // nullptr: one of the panel's system addresses
  std::string field;                    // "data item 1 address", "line register 2", ...
};

class TOvPanel {
 public:
  explicit TOvPanel(TOvProject* owner = nullptr, int32_t model = kModelOv200);

  /// Deep copies. The messages of a copy belong to the copy; its addresses
  /// keep the source's project until the copy is attached elsewhere
  /// (TOvProject::PutPanel and AppendPanel do that).
  TOvPanel(const TOvPanel& other);
  TOvPanel& operator=(const TOvPanel& other);
  TOvPanel(TOvPanel&& other) noexcept;
  TOvPanel& operator=(TOvPanel&& other) noexcept;
  ~TOvPanel() = default;

  int32_t portNumber = 1;  // multiplexer port 1 to 5; 1 in a single panel system
  int32_t panelModel = kModelOv200;
  /// PLC messages in ascending number, then local messages in tree order.
  /// A message put into this list from elsewhere must be attached
  /// (AddMessage, or AttachTo after editing the list directly).
  std::vector<TOvMessage> messages;
  TOvKeyLedConfig keysLeds;  // not used by the set point model
  TOvTag annunciatorWord;    // model 3 only; a Binary 16 word
  /// Text models: one past the highest PLC message number (1 without PLC
  /// messages). Set point model: the lowest entry number.
  int32_t firstMessageNumber = 0;
  /// Line register k at [k - 1]; the first LineCount() are in use. The set
  /// point model uses line 1 as its message selection address.
  std::array<TOvTag, kLineRegisterCount> lineRegisters;
  uint32_t localPassword = 0;     // model 3 only
  TOvTag passwordRegister;        // model 3 only
  TOvProject* project = nullptr;  // non-owning
  bool beeperEnabled = true;
  bool plcMessageDelay = true;
  bool cursorOnPlcMessage = true;

  /// Fills this newly created panel of a new model from the panel it
  /// replaces: everything carries over between two text models (password
  /// options only onto model 3), nothing of the content between a text
  /// model and the set point model.
  void ConvertFrom(const TOvPanel& oldPanel);
  /// No messages, LED modes and button actions 0, annunciator word reset,
  /// the three flags true.
  void Reset();

  int LineCount() const { return PanelModel(panelModel).lines; }
  /// How many of the four line registers the model uses.
  size_t LineRegistersInUse() const;
  int CharactersPerLine() const { return PanelModel(panelModel).charactersPerLine; }
  std::string ModelName() const { return PanelModel(panelModel).name; }
  uint32_t KindMaximum(uint32_t dataType) const;
  bool IsSetPoint() const { return panelModel == kModelOvSP; }
  bool HasPasswords() const { return panelModel == kModelOv200P; }
  bool HasLocalMessage() const;

  /// The comparison Verify uses (port numbers are compared by the project).
  bool Equals(const TOvPanel& other) const;

  /// Appends a message and attaches it to this panel.
  TOvMessage& AddMessage(TOvMessage message);
  /// Points this panel at owner and every message and address it holds at
  /// this panel and owner.
  void AttachTo(TOvProject* owner);

  /// Resets every address of the panel; the LED, button and annunciator
  /// words stay Binary 16 words.
  void ClearAllAddresses();
  /// Calls fn on every address in the order the PLC change and the address
  /// conversion visit them.
  void ForEachAddress(const std::function<void(TOvTag&)>& fn);

  // The tag table (TOvPanelTagTable.cpp).

  /// Gives every address sent to the panel its tag index and appends it;
  /// every other address of the panel (one without text, one the model
  /// does not use) is marked as not in the table, so no index of an
  /// earlier write or read goes out with it.
  void BuildTagTable(TOvTagTable& table);
  /// Calls fn on every address the tag table offers, in the table's order:
  /// the messages' data items in use (item 1 with its decimal point
  /// register when that is PLC controlled), the annunciator word on model
  /// 3, the LED and button words unless the model is 5, the line registers
  /// the model uses, the password register.
  void ForEachSentAddress(const std::function<void(TOvTag&, const AddressPlace&)>& fn);
  /// Takes the addresses back from a table read from a panel, by the tag
  /// indices the panel reported.
  void ResolveTagTable(const TOvTagTable& table);
  /// The number of tag table entries the 300 limit applies to.
  int AddressCount() const;
  /// AddressCount() as it would be once candidate is stored: appended, or in
  /// place of the message at index replacing.
  int AddressCountWith(const TOvMessage& candidate,
                       std::optional<size_t> replacing = std::nullopt) const;
  /// Whether storing candidate keeps the panel within kMaxTagTableEntries.
  bool AllowsMessage(const TOvMessage& candidate,
                     std::optional<size_t> replacing = std::nullopt) const;

 private:
  template <typename Source>
  void AssignFields(Source&& other);
  int AddressCountOver(const TOvMessage* replacement, std::optional<size_t> replacing,
                       const TOvMessage* appended) const;
};

/// Tells the user that an address cannot be added (T001, plain message box
/// with OK).
void ReportAddressLimit(UserInterface& ui);

}  // namespace orvane
