// One PLC address of a panel: its data type, the text the user typed, the
// Think & Do tag name, its place in the panel's tag table and the parsed form
// the PLC driver returned for it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "plchost/PlcContract.h"
#include "project/ModelLimits.h"

namespace orvane {

class LineReader;
class LineWriter;
class TOvProject;
class TOvTag;
class UserInterface;

/// A panel's tag table: the addresses sent to the panel, entry k (1-based)
/// being the address whose tagIndex is k.
using TOvTagTable = std::vector<TOvTag>;

class TOvTag {
 public:
  TOvTag() = default;
  explicit TOvTag(TOvProject* owner) : project(owner) {}
  virtual ~TOvTag() = default;
  TOvTag(const TOvTag&) = default;
  TOvTag& operator=(const TOvTag&) = default;
  TOvTag(TOvTag&&) = default;
  TOvTag& operator=(TOvTag&&) = default;

  int32_t tagIndex = kNoTagIndex;  // 1-based place in the tag table
  uint32_t dataType = kDataTypeBcd16;
  std::string addressText;  // empty: the address is not set
  std::string tagName;      // Think & Do tag name; empty for other PLCs
  /// Non-owning: the project gives the map length. Owners re-point it when
  /// they are copied or moved (TOvPanel::AttachTo, TOvProject).
  TOvProject* project = nullptr;

  // Virtual operations.

  /// Data type 0, empty address text and tag name; the tag index and the
  /// parsed address stay.
  virtual void Reset();
  /// Appends the text form: "not used", the data type, then the address
  /// text, a TAB and the tag name, each line ending with a newline.
  virtual void AppendTo(std::string& text) const;
  virtual void Save(LineWriter& out) const;
  /// Reads the text form from the front of text and removes what it read.
  /// Throws TOvException for a data type outside 0 to 3. false when the
  /// load fails after telling the user why.
  virtual bool LoadFromText(std::string& text, UserInterface& ui);
  /// Reads the text form from three lines; the same failures as above.
  virtual bool Load(LineReader& in, UserInterface& ui);
  /// The access letters lists show: "R" for a plain address.
  virtual std::string AccessText() const;

  /// Equal when both address texts are empty, or when the data types are
  /// equal and the map strings are equal over the project's map length.
  /// Address text and tag name are not compared.
  bool Equals(const TOvTag& other) const;

  // The parsed address (the driver's PlcAddress record). Its map string is
  // stored inside this object; MapLength() bytes of it are in use.

  /// The record with mapString pointing at this object's own map string,
  /// valid while this object lives. Drivers only read through it.
  PlcAddress plcAddress() const;
  /// Takes the record's fields and copies MapLength() bytes of its map
  /// string (none when it has no map string); the rest of the storage is
  /// cleared.
  void SetPlcAddress(const PlcAddress& record);
  /// Copies at most MapLength() bytes of a map string, e.g. one read back
  /// from a panel.
  void SetMapString(const unsigned char* bytes, size_t length);
  const unsigned char* MapString() const { return mapString_.data(); }
  /// The project's map length, limited to the storage (0 without project).
  size_t MapLength() const;

  // The tag table.

  /// An address with text gets the next index and a copy of it is appended;
  /// an address without text gets kNoTagIndex and adds nothing.
  void AddToTable(TOvTagTable& table);
  /// Copies entry tagIndex of the table into this address (every field but
  /// the owning project); an index outside the table leaves it unchanged.
  void TakeFromTable(const TOvTagTable& table);

 protected:
  void AppendBaseTo(std::string& text) const;
  void SaveBase(LineWriter& out) const;
  void LoadBaseFromText(std::string& text);
  void LoadBase(LineReader& in);

 private:
  void TakeDataType(int32_t value);
  void TakeAddressLine(const std::string& line);

  PlcAddress record_{};  // mapString stays null here; see plcAddress()
  std::array<unsigned char, PLC_MAP_STRING_CAPACITY> mapString_{};
};

/// Takes one line from the front of text up to the next newline and removes
/// it with the newline. Without a newline the line is empty and the text
/// stays as it is.
std::string TakeLine(std::string& text);

}  // namespace orvane
