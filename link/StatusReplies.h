// The status identification replies: a panel's (TOvStatusIdResp) and a
// multiplexer's (TOvMuxStatusIdResp, told apart by its length byte 24), and
// what the two share (TOvDeviceStatusResp).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/TOvXResp.h"

namespace orvane {

/// The panel model code a panel's status reports: 1 Ov200/Ov200V, 2 Ov200L,
/// 3 Ov200P/Ov200PV, 4 Ov400, 5 OvSP, 0 unknown.
///  - family '7' is the set point panel (5); a family other than '3' or '7'
///    is unknown (0);
///  - family '3': variant byte 1 = 1 gives 4, = 3 gives 2, any other non-zero
///    value 5; when it is 0, variant byte 2 = 11 gives 3, = 8 gives 2 when
///    variant byte 3 is 3 and 1 otherwise, any other value 4.
int PanelModelFromStatus(uint8_t family, uint8_t variant1, uint8_t variant2, uint8_t variant3);

/// Model code of the multiplexer.
inline constexpr int kMultiplexerModel = 6;

/// The fields a panel's and a multiplexer's status share: the firmware
/// revision the device runs and the codes of the PLC driver it holds.
class TOvDeviceStatusResp : public TOvXResp {
 public:
  char FirmwareLetter() const { return static_cast<char>(firmwareLetter_); }
  int FirmwareNumber() const { return firmwareNumber_; }
  int DriverManufacturer() const { return driverManufacturer_; }  // 0 = no driver
  int DriverModel() const { return driverModel_; }                // 0 = no driver
  char DriverRevision() const { return static_cast<char>(driverRevision_); }

  /// The driver fields are shown only when both codes are non-zero.
  bool HasDriver() const { return driverManufacturer_ != 0 && driverModel_ != 0; }
  /// "%c.%d": letter and number, for example "B.3".
  std::string FirmwareRevisionText() const;
  /// "%c".
  std::string DriverRevisionText() const;

 protected:
  /// Reads the revision letter and number from firmware_offset on, and the
  /// driver's manufacturer code, model code and revision from driver_offset
  /// on.
  void ReadRevisions(std::span<const uint8_t> frame, size_t firmware_offset, size_t driver_offset);

 private:
  uint8_t firmwareLetter_ = 0;
  uint8_t firmwareNumber_ = 0;
  uint8_t driverManufacturer_ = 0;
  uint8_t driverModel_ = 0;
  uint8_t driverRevision_ = 0;
};

/// A panel's status: offsets 5 to 15 of the reply.
class TOvStatusIdResp : public TOvDeviceStatusResp {
 public:
  explicit TOvStatusIdResp(std::span<const uint8_t> frame);

  uint8_t Family() const { return family_; }  // '3' text panel, '7' set point panel
  uint8_t Variant1() const { return variant1_; }
  uint8_t Variant2() const { return variant2_; }
  uint8_t Variant3() const { return variant3_; }
  int MemoryKilobytes() const { return memoryKilobytes_; }
  uint8_t Byte15() const { return byte15_; }

  /// PanelModelFromStatus of this reply.
  int PanelModel() const;
  /// "%4d KB".
  std::string MemoryText() const;

  /// Whether a frame is long enough for this reply's fields.
  static bool Fits(std::span<const uint8_t> frame);

 private:
  uint8_t family_ = 0;
  uint8_t variant1_ = 0;
  uint8_t variant2_ = 0;
  uint8_t variant3_ = 0;
  uint8_t memoryKilobytes_ = 0;
  uint8_t byte15_ = 0;
};

/// A multiplexer's status (length byte 24): offsets 5 to 21 of the reply.
class TOvMuxStatusIdResp : public TOvDeviceStatusResp {
 public:
  explicit TOvMuxStatusIdResp(std::span<const uint8_t> frame);

  uint8_t Family() const { return family_; }  // '4' for a multiplexer
  /// 6 when the family is '4', else 0.
  int DeviceModel() const { return family_ == '4' ? kMultiplexerModel : 0; }
  uint32_t Value10() const { return value10_; }  // kept as it came
  uint32_t MemoryBytes() const { return memoryBytes_; }

  /// "%4d Bytes".
  std::string MemoryText() const;

 private:
  uint8_t family_ = 0;
  uint32_t value10_ = 0;
  uint32_t memoryBytes_ = 0;
};

}  // namespace orvane
