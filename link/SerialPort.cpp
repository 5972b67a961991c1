#include "link/SerialPort.h"

#include <mutex>

#include "link/QtSerialPort.h"

namespace orvane {
namespace {

std::mutex& FactoryMutex() {
  static std::mutex mutex;
  return mutex;
}

SerialPortFactory& Factory() {
  static SerialPortFactory factory;
  return factory;
}

}  // namespace

std::unique_ptr<SerialPort> CreateSerialPort() {
  SerialPortFactory factory;
  {
    std::lock_guard<std::mutex> lock(FactoryMutex());
    factory = Factory();
  }
  if (factory) {
    return factory();
  }
  return std::make_unique<QtSerialPort>();
}

SerialPortFactory SetSerialPortFactoryForTest(SerialPortFactory factory) {
  std::lock_guard<std::mutex> lock(FactoryMutex());
  SerialPortFactory previous = std::move(Factory());
  Factory() = std::move(factory);
  return previous;
}

}  // namespace orvane
