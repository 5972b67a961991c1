#include "plchost/CorvelLibrary.h"

#include "base/InstallDir.h"
#include "base/StringTable.h"
#include "corvel/CorvelExports.h"

namespace orvane {
namespace {

Icon IconOfStyle(unsigned style) {
  switch (style & CORVEL_MB_ICON_MASK) {
    case CORVEL_MB_ICON_STOP:
      return Icon::Stop;
    case CORVEL_MB_ICON_QUESTION:
      return Icon::Question;
    case CORVEL_MB_ICON_EXCLAMATION:
      return Icon::Exclamation;
    case CORVEL_MB_ICON_INFORMATION:
      return Icon::Information;
    default:
      return Icon::None;
  }
}

int ForwardToUserInterface(const char* text, unsigned style, unsigned helpId, void* context) {
  auto* ui = static_cast<UserInterface*>(context);
  Message message;
  message.text = text != nullptr ? text : "";
  message.icon = IconOfStyle(style);
  message.helpContext = static_cast<int>(helpId);
  ui->ShowMessage(message);
  // Corvel's and the drivers' boxes have an OK button only.
  return CORVEL_IDOK;
}

}  // namespace

CorvelLibrary::~CorvelLibrary() {
  if (sinkInstalled_) {
    if (auto setSink = library_.Function<CorvelSetMessageSinkFn>(CORVEL_SYM_SET_MESSAGE_SINK)) {
      setSink(nullptr, nullptr);
    }
  }
}

bool CorvelLibrary::Open() {
  return library_.Open(InstallLibraryPath("corvel").string());
}

bool CorvelLibrary::InstallMessageSink(UserInterface& ui) {
  const auto setSink = library_.Function<CorvelSetMessageSinkFn>(CORVEL_SYM_SET_MESSAGE_SINK);
  if (setSink == nullptr) {
    return false;
  }
  setSink(&ForwardToUserInterface, &ui);
  sinkInstalled_ = true;
  return true;
}

bool CorvelLibrary::CheckConvertible(UserInterface& ui, int newManufacturer, int newModel,
                                     int currentManufacturer, int currentModel) {
  CorvelLibrary corvel;
  if (!corvel.Open()) {
    ui.Show(LoadString(strings::kP002), Icon::Exclamation);
    return false;
  }
  const auto isConvertible =
      corvel.library_.Function<IsConvertiblePLCFn>(CORVEL_SYM_IS_CONVERTIBLE);
  return isConvertible != nullptr &&
         isConvertible(newManufacturer, newModel, currentManufacturer, currentModel) != 0;
}

}  // namespace orvane
