// Projects for the virtual panel's tests, written line by line as the
// project file holds them, and written into a simulated panel through
// orvane-cli panel write.
#pragma once

#include <filesystem>
#include <string>

namespace orvane::sim::testing {

// The lines of a project file, written as the project file holds them.
class ProjectLines {
 public:
  ProjectLines& Line(const std::string& line) {
    text_ += line + "\n";
    return *this;
  }
  ProjectLines& Number(long value) { return Line(std::to_string(value)); }
  ProjectLines& Lines(const std::string& lines) {
    text_ += lines;
    return *this;
  }
  /// An address section: filler, data type, address and tag name.
  ProjectLines& Address(int data_type, const std::string& address = "") {
    return Line("not used").Number(data_type).Line(address + "\t");
  }
  /// A data item 1 section: no password, the PLC's decimal point register
  /// or none, limits when minimum <= maximum, the access, the address.
  ProjectLines& ItemOne(int data_type, const std::string& address, int access = 0, long minimum = 1,
                        long maximum = 0, const std::string& point = "", int fixed_point = -1,
                        int password = 0) {
    Number(password != 0 ? 1 : 0);
    if (password != 0) {
      Number(password == 1 ? 1 : 0);
    }
    Number(point.empty() ? 0 : 1);
    if (point.empty()) {
      Number(fixed_point);
    } else {
      Address(0, point);
    }
    Number(minimum <= maximum ? 1 : 0);
    if (minimum <= maximum) {
      Number(maximum).Number(minimum);
    }
    return Number(access).Address(data_type, address);
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

/// A model 1 panel: PLC message 1 with three data items (line registers
/// N7:0 and N7:1), the local folder SETUP with SPEED and TEMP, and ABOUT;
/// keys and LEDs on N7:50 and N7:51.
std::string TextPanel();
/// A model 3 panel: PLC message 1 "PRESSURE" with a password-protected
/// value (local password 4321), the annunciator word N7:60.
std::string PasswordPanel();
/// A set point panel: FEED RATE (N7:70, two fixed decimals, 100..5000) and
/// BATCH COUNT (N7:72, read only).
std::string SetPointPanel();

/// The whole project file for a panel section of the model, with the SLC
/// 500 driver's PLC section, saved in dir as project.ovx.
std::filesystem::path SaveProject(const std::filesystem::path& dir, int model,
                                  const std::string& panel_section);

}  // namespace orvane::sim::testing
