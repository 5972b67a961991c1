// The "Allen Bradley SLC 500 (Full Duplex)" dialog.
#include "plugins/Harlow/Harlow.h"
#include "plugins/common/df1/FullDuplexAttributes.h"
#include "plugins/common/kit/LayoutDialog.h"

namespace orvane::harlow {

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  plugin::RunLayoutDialog(corvel, Identity(), Layout(),
                          df1::FullDuplexDialog("Allen Bradley SLC 500 (Full Duplex)"), path);
}

}  // namespace orvane::harlow
