#include "tests/plugins/DriverUnderTest.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/TestPaths.h"

namespace orvane::testing {

DriverUnderTest::DriverUnderTest(const std::string& name) {
  // Corvel first, as the host opens it, so the sink is in place before the
  // driver runs; the driver then finds the same Corvel already loaded.
  const std::string corvelPath = (StagedInstallDir() / "libcorvel.so").string();
  EXPECT_TRUE(corvel_.Open(corvelPath)) << corvel_.Error();
  setSink_ = corvel_.Function<CorvelSetMessageSinkFn>(CORVEL_SYM_SET_MESSAGE_SINK);
  EXPECT_NE(setSink_, nullptr);
  if (setSink_ != nullptr) {
    setSink_(&Receive, this);
  }
  const std::string path = (StagedInstallDir() / "dll" / (name + ".so")).string();
  EXPECT_TRUE(driver_.Open(path)) << driver_.Error();
}

DriverUnderTest::~DriverUnderTest() {
  if (setSink_ != nullptr) {
    setSink_(nullptr, nullptr);
  }
}

void* DriverUnderTest::Symbol(const char* name) const {
  void* symbol = driver_.Symbol(name);
  EXPECT_NE(symbol, nullptr) << "missing export " << name;
  return symbol;
}

int DriverUnderTest::Receive(const char* text, unsigned style, unsigned /*helpId*/, void* context) {
  static_cast<DriverUnderTest*>(context)->messages.push_back(ShownMessage{text, style});
  return CORVEL_IDOK;
}

std::vector<std::string> DriverUnderTest::TakeTexts() {
  std::vector<std::string> texts;
  for (const ShownMessage& message : messages) {
    texts.push_back(message.text);
  }
  messages.clear();
  return texts;
}

bool DriverUnderTest::Validate(const std::string& text, PlcAddress& out, int access, int dataType) {
  return ValidateWith(text, out, access, dataType, false, false);
}

bool DriverUnderTest::ValidateWith(const std::string& text, PlcAddress& out, int access,
                                   int dataType, bool checkAccess, bool checkDataType) {
  const auto validate = Export<PlcValidateFn>(PLC_SYM_VALIDATE);
  return validate != nullptr && validate(&out, text.c_str(), access, dataType, checkAccess ? 1 : 0,
                                         checkDataType ? 1 : 0) != 0;
}

size_t DriverUnderTest::MapLength() {
  PlcDetailsInfo details{};
  Export<PlcDetailsFn>(PLC_SYM_DETAILS)(&details);
  return static_cast<size_t>(details.mapLength);
}

void DriverUnderTest::SetApplicationType(int type) {
  Export<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE)(type);
}

std::vector<unsigned char> DriverUnderTest::TakeMap(PlcAddress& record, size_t length) {
  if (record.mapString == nullptr) {
    ADD_FAILURE() << "no map string";
    return {};
  }
  std::vector<unsigned char> map(record.mapString, record.mapString + length);
  Export<PlcReleaseMapStringFn>(PLC_SYM_RELEASE_MAP)(record.mapString);
  record.mapString = nullptr;
  return map;
}

std::string DriverUnderTest::Rebuild(std::vector<unsigned char> map, bool& ok, PlcAddress* record) {
  PlcAddress local = SentinelRecord();
  PlcAddress& address = record != nullptr ? *record : local;
  address.mapString = map.data();
  char text[PLC_ADDRESS_TEXT_CAPACITY];
  char reserved[PLC_ADDRESS_TEXT_CAPACITY];
  std::memset(text, 0, sizeof text);
  std::memset(reserved, '#', sizeof reserved);
  ok = Export<PlcRebuildFn>(PLC_SYM_REBUILD)(&address, text, reserved) != 0;
  EXPECT_EQ(reserved[0], '#') << "the second buffer takes no part";
  address.mapString = nullptr;
  return text;
}

PlcAddress SentinelRecord() {
  PlcAddress record{};
  record.mapString = nullptr;
  record.access = 77;
  record.isBit = 77;
  record.valid = 77;
  record.type = 77;
  record.fileNumber = 7777;
  record.wordNumber = 7777;
  record.bit = 77;
  return record;
}

bool IsSentinel(const PlcAddress& record) {
  return record.mapString == nullptr && record.access == 77 && record.isBit == 77 &&
         record.valid == 77 && record.type == 77 && record.fileNumber == 7777 &&
         record.wordNumber == 7777 && record.bit == 77;
}

}  // namespace orvane::testing
