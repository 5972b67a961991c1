#include "link/StatusReplies.h"

#include "base/StringTable.h"

namespace orvane {

int PanelModelFromStatus(uint8_t family, uint8_t variant1, uint8_t variant2, uint8_t variant3) {
  if (family == '7') {
    return 5;
  }
  if (family != '3') {
    return 0;
  }
  if (variant1 == 1) {
    return 4;
  }
  if (variant1 == 3) {
    return 2;
  }
  if (variant1 != 0) {
    return 5;
  }
  if (variant2 == 11) {
    return 3;
  }
  if (variant2 == 8) {
    return variant3 == 3 ? 2 : 1;
  }
  return 4;
}

void TOvDeviceStatusResp::ReadRevisions(std::span<const uint8_t> frame, size_t firmware_offset,
                                        size_t driver_offset) {
  firmwareLetter_ = ByteAt(frame, firmware_offset);
  firmwareNumber_ = ByteAt(frame, firmware_offset + 1);
  driverManufacturer_ = ByteAt(frame, driver_offset);
  driverModel_ = ByteAt(frame, driver_offset + 1);
  driverRevision_ = ByteAt(frame, driver_offset + 2);
}

std::string TOvDeviceStatusResp::FirmwareRevisionText() const {
  return FormatText("%c.%d", firmwareLetter_, int{firmwareNumber_});
}

std::string TOvDeviceStatusResp::DriverRevisionText() const {
  return FormatText("%c", driverRevision_);
}

TOvStatusIdResp::TOvStatusIdResp(std::span<const uint8_t> frame) {
  Parse(frame);
  family_ = ByteAt(frame, 5);
  variant1_ = ByteAt(frame, 6);
  variant2_ = ByteAt(frame, 7);
  variant3_ = ByteAt(frame, 8);
  ReadRevisions(frame, 9, 12);
  memoryKilobytes_ = ByteAt(frame, 11);
  byte15_ = ByteAt(frame, 15);
}

bool TOvStatusIdResp::Fits(std::span<const uint8_t> frame) {
  return Carries(frame, 15);
}

int TOvStatusIdResp::PanelModel() const {
  return PanelModelFromStatus(family_, variant1_, variant2_, variant3_);
}

std::string TOvStatusIdResp::MemoryText() const {
  return FormatText("%4d KB", int{memoryKilobytes_});
}

TOvMuxStatusIdResp::TOvMuxStatusIdResp(std::span<const uint8_t> frame) {
  Parse(frame);
  family_ = ByteAt(frame, 5);
  ReadRevisions(frame, 8, 18);
  value10_ = LittleEndian32(frame, 10);
  memoryBytes_ = LittleEndian32(frame, 14);
}

std::string TOvMuxStatusIdResp::MemoryText() const {
  // Unsigned, so that a size beyond 2 GB does not show as negative; the same
  // text as "%4d Bytes" for every size a multiplexer has.
  return FormatText("%4u Bytes", memoryBytes_);
}

}  // namespace orvane
