// The Modbus reference check on the internal library: the forms no Think &
// Do address converts to (bits, input registers, six digits) included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/common/modbus/ModbusReference.h"
#include "tests/corvel/CorvelTestSupport.h"

namespace orvane::testing {
namespace {

struct Case {
  const char* text;
  const char* message;  // empty: accepted
  unsigned char slave = 255;
  unsigned char table = 0;
  uint16_t number = 0;
  bool hasBit = false;
  unsigned char bit = 0;
};

TEST(ModbusReference, ChecksEveryRule) {
  const Case cases[] = {
      {"1-44107", "", 1, 3, 4107},
      {"0-00001", "", 0, 0, 1},
      {"1", "", 255, 0, 1},
      {"40001/3", "", 255, 3, 1, true, 3},
      {"30005/15", "", 255, 2, 5, true, 15},
      {"410000", "", 255, 3, 10000},
      {"18192", "", 255, 1, 8192},
      {"00001/1", "Error T02_4:  Invalid bit address"},
      {"10001/1", "Error T02_4:  Invalid bit address"},
      {"40001/16", "Error T02_4:  Invalid bit address"},
      {"40001/123", "Error T02_4:  Invalid bit address"},
      {"40001/", "Error T02_4:  Invalid bit address"},
      {"4000011/3", "Error T02_4:  Invalid Address"},
      {"310000", "Error T02_2:  Invalid Address Type"},
      {"4100001", "Error T02_3:  Invalid address"},
      {"4x001", "Error T02_3:  Invalid address"},
      {"470000", "Error T02_3:  Invalid address"},
      {"18193", "Error T02_3:  Invalid address"},
      {"40000", "Error T02_3:  Invalid address"},
      {"20001", "Error T02_3:  Invalid Address"},
      {"1234-40001", "Error T02_1:  Invalid station number"},
      {"248-40001", "Error T02_1:  Invalid Station Number"},
  };
  SinkCapture sink;
  CCorvel corvel;
  for (const Case& c : cases) {
    modbus::ModbusReference reference;
    reference.number = 7777;
    const bool valid = modbus::ReadModbusReference(corvel, c.text, reference);
    EXPECT_EQ(valid, *c.message == '\0') << c.text;
    if (valid) {
      EXPECT_EQ(reference.slave, c.slave) << c.text;
      EXPECT_EQ(reference.table, c.table) << c.text;
      EXPECT_EQ(reference.number, c.number) << c.text;
      EXPECT_EQ(reference.hasBit, c.hasBit) << c.text;
      EXPECT_EQ(reference.bit, c.bit) << c.text;
      EXPECT_TRUE(sink.messages.empty());
    } else {
      EXPECT_EQ(reference.number, 7777) << "a refused text leaves the reference alone";
      EXPECT_EQ(sink.TakeTexts(), std::vector<std::string>{c.message}) << c.text;
    }
  }
}

}  // namespace
}  // namespace orvane::testing
