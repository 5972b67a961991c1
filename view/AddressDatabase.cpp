#include "view/AddressDatabase.h"

#include "base/StringTable.h"
#include "project/TOvPanel.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// The password column of data item 1.
std::string PasswordText(const TOvReadWriteTag& item) {
  if (!item.passwordProtected) {
    return "N/A";
  }
  return item.passwordIsLocal ? "LOCAL" : "PLC";
}

}  // namespace

AddressDatabase::AddressDatabase(const TOvProject& project)
    : project_(project), panel_(project.SelectedPanel()) {}

std::vector<std::string> AddressDatabase::Headings() const {
  std::vector<std::string> headings = {LoadString(strings::kItemNo), LoadString(strings::kAddress),
                                       LoadString(strings::kUsedInMessage),
                                       LoadString(strings::kFunction),
                                       LoadString(strings::kAccessType)};
  if (panel_ != nullptr && panel_->panelModel == kModelOv200P) {
    headings.push_back(LoadString(strings::kPassword));
  }
  return headings;
}

std::vector<AddressRow> AddressDatabase::Rows() const {
  std::vector<AddressRow> rows;
  if (panel_ == nullptr) {
    return rows;
  }
  const bool passwords = panel_->panelModel == kModelOv200P;
  for (const TOvMessage& message : panel_->messages) {
    const std::string used =
        message.isPlcMessage != 0 ? FormatText("%d", message.number) : std::string("Local");
    const auto add = [&](const TOvTag& tag, const char* function, const std::string& password) {
      if (tag.addressText.empty()) {
        return;
      }
      rows.push_back({FormatText("%zu", rows.size() + 1), tag.addressText, used, function,
                      tag.AccessText(), passwords ? password : std::string()});
    };
    add(message.item1, "Data 1", PasswordText(message.item1));
    add(message.item1.decimalPointRegister, "Decimal Point", "N/A");
    add(message.item2, "Data 2", "N/A");
    add(message.item3, "Data 3", "N/A");
  }
  return rows;
}

std::vector<SystemAddressShown> AddressDatabase::SystemAddresses() const {
  std::vector<SystemAddressShown> fields;
  if (panel_ == nullptr) {
    return fields;
  }
  const bool setPoint = panel_->panelModel == kModelOvSP;
  const bool passwords = panel_->panelModel == kModelOv200P;
  const size_t lines = setPoint ? 1 : panel_->lineRegisters.size();
  for (size_t line = 0; line < lines; ++line) {
    const bool used = line < panel_->LineRegistersInUse();
    fields.push_back({FormatText("Line %zu:", line + 1),
                      used ? panel_->lineRegisters[line].addressText : std::string(), used});
  }
  if (setPoint) {
    return fields;
  }
  fields.push_back({"Bit Write (Buttons)", panel_->keysLeds.buttonWord.addressText, true});
  fields.push_back({"Bit Read (LED's)", panel_->keysLeds.ledWord.addressText, true});
  const auto passwordsOnly = [passwords](const std::string& value) {
    return passwords ? value : std::string();
  };
  fields.push_back({"Bit Read (Annunciator Lights)",
                    passwordsOnly(panel_->annunciatorWord.addressText), passwords});
  fields.push_back(
      {"PLC Password Register:", passwordsOnly(panel_->passwordRegister.addressText), passwords});
  fields.push_back(
      {"Local password:", passwordsOnly(FormatText("%u", panel_->localPassword)), passwords});
  return fields;
}

std::string AddressDatabase::MessageCount() const {
  return FormatText("%3zu", panel_ != nullptr ? panel_->messages.size() : size_t{0});
}

std::string AddressDatabase::PlcName() const {
  return project_.plc.name;
}

std::string AddressDatabase::ProjectName() const {
  return project_.projectName;
}

std::vector<PrintedField> AddressDatabase::PrintedFields() const {
  std::vector<PrintedField> fields = {{"Project Name : ", ProjectName()},
                                      {"Project PLC(s)/Controller(s) : ", PlcName()}};
  if (panel_ == nullptr) {
    return fields;
  }
  for (size_t line = 0; line < panel_->lineRegisters.size(); ++line) {
    fields.push_back({FormatText("Line %zu :", line + 1), panel_->lineRegisters[line].addressText});
  }
  fields.push_back({"Bit Write(Button's) :", panel_->keysLeds.buttonWord.addressText});
  fields.push_back({"Bit Read(LED's) :", panel_->keysLeds.ledWord.addressText});
  fields.push_back({"Bit Read (Annunciator Lights) :", panel_->annunciatorWord.addressText});
  fields.push_back({"PLC Register :", panel_->passwordRegister.addressText});
  fields.push_back({"Local Password :", FormatText("%u", panel_->localPassword)});
  return fields;
}

}  // namespace orvane
