// The "Allen Bradley MicroLogix DF1 (Full Duplex)" dialog.
#include "plugins/Merrow/Merrow.h"
#include "plugins/common/df1/FullDuplexAttributes.h"
#include "plugins/common/kit/LayoutDialog.h"

namespace orvane::merrow {

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  plugin::RunLayoutDialog(corvel, Identity(), Layout(),
                          df1::FullDuplexDialog("Allen Bradley MicroLogix DF1 (Full Duplex)"),
                          path);
}

}  // namespace orvane::merrow
