#include "view/OrvaneDocument.h"

#include <sstream>
#include <vector>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/ProjectFile.h"
#include "view/OpenDocument.h"

namespace orvane {
namespace {

// Field n of the document template (fields are separated by line breaks).
std::string TemplateField(size_t n) {
  std::istringstream stream(LoadString(strings::kDocumentTemplate));
  std::string field;
  for (size_t i = 0; i <= n; ++i) {
    if (!std::getline(stream, field)) {
      return {};
    }
  }
  return field;
}

constexpr size_t kFilterNameField = 3;
constexpr size_t kExtensionField = 4;

}  // namespace

std::string DocumentFilter() {
  return TemplateField(kFilterNameField) + "|*" + DocumentExtension() + "|All Files (*.*)|*.*||";
}

std::string DocumentExtension() {
  return TemplateField(kExtensionField);
}

void OrvaneDocument::SetNewPath(std::filesystem::path path) {
  path_ = std::move(path);
  isNew_ = true;
}

bool OrvaneDocument::Open(const std::filesystem::path& path, UserInterface& ui,
                          const DriverLookup& lookup) {
  if (!OpenProjectDocument(path, project_, ui, lookup)) {
    return false;
  }
  path_ = path;
  isNew_ = false;
  modified_ = false;
  return true;
}

bool OrvaneDocument::SaveAs(const std::filesystem::path& path, UserInterface& ui) {
  if (!SaveProjectFile(project_, path, ui)) {
    return false;
  }
  path_ = path;
  modified_ = false;
  return true;
}

bool OrvaneDocument::ConfirmClose(UserInterface& ui) {
  if (!modified_) {
    return true;
  }
  Question question;
  question.text = FormatText(LoadString(strings::kSaveChangesQuestion), Title().c_str());
  question.icon = Icon::Exclamation;
  question.buttons = Buttons::YesNoCancel;
  question.defaultAnswer = Answer::Yes;
  switch (ui.Ask(question)) {
    case Answer::Yes:
      return Save(ui);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace orvane
