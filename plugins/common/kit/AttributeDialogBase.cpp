#include "plugins/common/kit/AttributeDialogBase.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "plugins/common/kit/AttributeFile.h"
#include "plugins/common/kit/DriverState.h"
#include "plugins/common/kit/HelpViewer.h"

namespace orvane::plugin {

AttributeDialogBase::AttributeDialogBase(CCorvel& corvel, const DriverIdentity& identity,
                                         const QString& title, const std::string& path,
                                         QWidget* parent)
    : QDialog(parent), corvel_(corvel), identity_(identity), path_(path) {
  setWindowTitle(title);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  topForm_ = new QFormLayout;
  form_ = topForm_;
  layout->addLayout(topForm_);

  auto* revision = new QLabel(QString::fromLatin1(identity.revision), this);
  revision->setObjectName("revision");
  form_->addRow(tr("PLC Editor Revision"), revision);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  buttons->setObjectName("buttons");
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &AttributeDialogBase::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &AttributeDialogBase::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &AttributeDialogBase::ShowHelp);
}

QComboBox* AttributeDialogBase::AddList(const char* objectName, const QString& label,
                                        bool enabled) {
  auto* list = new QComboBox(this);
  list->setObjectName(objectName);
  list->setEnabled(enabled);
  form_->addRow(label, list);
  return list;
}

QLineEdit* AttributeDialogBase::AddNumber(const char* objectName, const QString& label, int minimum,
                                          int maximum, const QString& hint) {
  auto* row = new QHBoxLayout;
  auto* edit = new QLineEdit(this);
  edit->setObjectName(objectName);
  edit->setMaxLength(3);
  row->addWidget(edit);
  row->addWidget(new QLabel(hint, this));
  form_->addRow(label, row);
  numbers_.push_back(NumberField{edit, minimum, maximum});
  return edit;
}

void AttributeDialogBase::HideRow(QWidget* field) {
  form_->setRowVisible(field, false);
}

QLabel* AttributeDialogBase::AddNote(const char* objectName, const QString& text) {
  auto* note = new QLabel(text, this);
  note->setObjectName(objectName);
  form_->addRow(note);
  return note;
}

void AttributeDialogBase::BeginGroup(const char* objectName, const QString& title) {
  auto* group = new QGroupBox(title, this);
  group->setObjectName(objectName);
  form_ = new QFormLayout(group);
  topForm_->addRow(group);
}

void AttributeDialogBase::EndGroup() {
  form_ = topForm_;
}

std::optional<std::vector<unsigned char>> AttributeDialogBase::ReadFile(size_t minimumLength) {
  std::vector<unsigned char> bytes;
  switch (ReadAttributeFile(path_, bytes)) {
    case AttributeFileRead::Missing:
      return std::nullopt;
    case AttributeFileRead::Read:
      if (bytes.size() >= minimumLength) {
        return bytes;
      }
      break;
    case AttributeFileRead::Unreadable:
      break;
  }
  corvel_.OvAfxMessageBox("Error M02_5:  Unable to open PLC attributes file (*.atr).",
                          CORVEL_MB_PLAIN, 0);
  return std::nullopt;
}

bool AttributeDialogBase::WriteFile(const std::vector<unsigned char>& bytes) const {
  return WriteAttributeFile(path_, bytes);
}

int AttributeDialogBase::NumberValue(const QLineEdit* field) const {
  return field->text().trimmed().toInt();
}

bool AttributeDialogBase::CheckNumber(const NumberField& field) {
  bool isNumber = false;
  const int value = field.edit->text().trimmed().toInt(&isNumber);
  if (isNumber && value >= field.minimum && value <= field.maximum) {
    return true;
  }
  const std::string text = isNumber ? "Please enter an integer between " +
                                          std::to_string(field.minimum) + " and " +
                                          std::to_string(field.maximum) + "."
                                    : std::string("Please enter an integer.");
  corvel_.OvAfxMessageBox(text.c_str(), CORVEL_MB_ICON_EXCLAMATION, 0);
  field.edit->setFocus();
  field.edit->selectAll();
  return false;
}

void AttributeDialogBase::accept() {
  // Fields are checked in the order they appear; the first bad one keeps
  // the dialog open.
  for (const NumberField& field : numbers_) {
    if (!CheckNumber(field)) {
      return;
    }
  }
  if (!SaveFields()) {
    corvel_.OvAfxMessageBox("Unable to save the attributes", CORVEL_MB_ICON_EXCLAMATION, 0);
  }
  QDialog::accept();
}

void AttributeDialogBase::ShowHelp() {
  OpenHelpFile(corvel_, CurrentState().helpFile);
}

}  // namespace orvane::plugin
