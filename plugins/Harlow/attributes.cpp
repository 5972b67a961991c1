// Harlow's attribute file: the DF1 full duplex layout under codes 1 and 9.
#include "plugins/Harlow/Harlow.h"
#include "plugins/common/df1/FullDuplexAttributes.h"

namespace orvane::harlow {

std::vector<unsigned char> DefaultAttributeFile(const CCorvel& corvel) {
  return plugin::DefaultAttributeBytes(corvel, Identity(), df1::FullDuplexLayout());
}

}  // namespace orvane::harlow
