#include "plchost/TOvPlcManager2.h"

namespace orvane {

TOvPlcManager2::TOvPlcManager2(const std::string& path, UserInterface* ui) : driver_(ui) {
  if (library_.Open(path)) {
    driver_.Attach(&library_);
  }
}

}  // namespace orvane
