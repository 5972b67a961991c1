// Arbitrary bytes as PLC attribute files and blocks. A driver's layout reads
// any file to values that write a file reading back to the same values;
// the program's three encodings of a block are taken by the simulated
// devices, which get the block back; a record a device takes encodes again
// to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "link/PlcAttributeRecords.h"
#include "plugins/Calden/Calden.h"
#include "plugins/Dunmore/Dunmore.h"
#include "plugins/Pellam/Pellam.h"
#include "plugins/common/df1/FullDuplexAttributes.h"
#include "plugins/common/modbus/ModbusAttributes.h"
#include "sim/PlcAttributeRecords.h"

namespace {

using orvane::plugin::AttributeLayout;

const AttributeLayout* const kLayouts[] = {
    &orvane::calden::Layout(), &orvane::dunmore::Layout(), &orvane::pellam::Layout(),
    &orvane::modbus::ModbusLayout(), &orvane::df1::FullDuplexLayout()};

void CheckLayout(const AttributeLayout& layout, const std::vector<unsigned char>& file) {
  const CCorvel corvel;
  const orvane::plugin::DriverIdentity identity{.manufacturerCode = 7, .modelCode = 9};
  const auto values = orvane::plugin::DecodeAttributes(corvel, layout, file);
  const auto written = orvane::plugin::EncodeAttributes(corvel, identity, layout, values);
  const auto again = orvane::plugin::DecodeAttributes(corvel, layout, written);
  if (written.size() != layout.length || written[0] != 7 || written[1] != 9 ||
      orvane::plugin::EncodeAttributes(corvel, identity, layout, again) != written) {
    std::abort();
  }
  for (const auto& field : layout.fields) {
    if (again.Get(field.name) != values.Get(field.name) &&
        field.coding != orvane::plugin::AttributeCoding::Fixed) {
      std::abort();
    }
  }
}

void CheckBlock(std::span<const uint8_t> block) {
  using orvane::PlcAttributeForm;
  using orvane::sim::PlcRecordForm;
  std::vector<uint8_t> expected(block.begin(), block.end());
  if (expected.size() >= 2) {
    expected[0] = static_cast<uint8_t>(expected.size() & 0xFF);
    expected[1] = static_cast<uint8_t>(expected.size() >> 8);
  }
  for (const auto& [form, record] :
       {std::pair{PlcAttributeForm::SinglePanel, PlcRecordForm::SinglePanel},
        std::pair{PlcAttributeForm::MultiPanel, PlcRecordForm::MultiPanel}}) {
    const orvane::EncodedStream encoded = orvane::EncodePlcAttributes(block, form);
    if (encoded.Ok() && (orvane::sim::CheckPlcRecord(encoded.bytes, record) != 0 ||
                         orvane::sim::PlcBlockFromRecord(encoded.bytes, record) != expected)) {
      std::abort();
    }
    // The input as a record a device received: a frame's payload, at most
    // 249 bytes.
    if (block.size() <= 249 && orvane::sim::CheckPlcRecord(block, record) == 0) {
      const auto taken = orvane::sim::PlcBlockFromRecord(block, record);
      const orvane::EncodedStream again = orvane::EncodePlcAttributes(taken, form);
      if (!again.Ok() ||
          !std::equal(block.begin(), block.end(), again.bytes.begin(), again.bytes.end())) {
        std::abort();
      }
    }
  }
  const orvane::EncodedStream stream =
      orvane::EncodePlcAttributes(block, PlcAttributeForm::MuxStream);
  if (stream.Ok()) {
    const std::span<const uint8_t> stored =
        std::span<const uint8_t>(stream.bytes).first(stream.bytes.size() - 2);
    if (orvane::sim::CheckMultiplexerPlcStream(stream.bytes) != 0 ||
        orvane::sim::PlcBlockFromStoredStream(stored) != expected) {
      std::abort();
    }
  }
}

}  // namespace

// Input: the layout, then the bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::span<const uint8_t> bytes(data + 1, size - 1);
  CheckLayout(*kLayouts[data[0] % std::size(kLayouts)], {bytes.begin(), bytes.end()});
  CheckBlock(bytes);
  return 0;
}
