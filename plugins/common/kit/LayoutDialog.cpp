#include "plugins/common/kit/LayoutDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <vector>

#include "plugins/common/kit/AttributeDialogBase.h"
#include "plugins/common/kit/QtCombo.h"

namespace orvane::plugin {
namespace {

class LayoutDialog final : public AttributeDialogBase {
 public:
  LayoutDialog(CCorvel& corvel, const DriverIdentity& identity, const AttributeLayout& layout,
               const DialogSpec& dialogSpec, const std::string& path, QWidget* parent)
      : AttributeDialogBase(corvel, identity, QString::fromStdString(dialogSpec.title), path,
                            parent),
        identity_(identity),
        layout_(layout),
        spec_(dialogSpec),
        values_(layout) {
    const std::optional<std::vector<unsigned char>> bytes = ReadFile(layout.length);
    if (bytes) {
      values_ = DecodeAttributes(Corvel(), layout, *bytes);
    }
    for (const DialogRow& row : dialogSpec.rows) {
      controls_.push_back(AddRow(row));
    }
  }

 private:
  QWidget* AddRow(const DialogRow& row) {
    const QString label = QString::fromStdString(row.label);
    switch (row.kind) {
      case RowKind::List: {
        QComboBox* list = AddList(row.name, label, row.enabled);
        for (const Choice& choice : row.choices) {
          list->addItem(QString::fromLatin1(choice.text));
        }
        // A stored value the list does not offer shows as its first entry.
        list->setCurrentIndex(0);
        for (size_t i = 0; i < row.choices.size(); ++i) {
          if (row.choices[i].value == values_.Get(row.name)) {
            list->setCurrentIndex(static_cast<int>(i));
          }
        }
        return list;
      }
      case RowKind::BaudRate: {
        QComboBox* list = AddList(row.name, label, row.enabled);
        QtCombo baud(*list);
        Corvel().InsertAndSelectBaudrateinCombo(baud,
                                                static_cast<BAUD_ENUM>(values_.Get(row.name)));
        Corvel().RemoveUnwantedBaudRates(baud);
        offers38400_ = list->findText(QStringLiteral("38400")) >= 0;
        return list;
      }
      case RowKind::Number: {
        QLineEdit* edit =
            AddNumber(row.name, label, row.minimum, row.maximum, QString::fromStdString(row.hint));
        edit->setText(QString::number(values_.Get(row.name)));
        return edit;
      }
      case RowKind::Note: {
        const bool shown = !row.onlyWith38400 || offers38400_;
        QLabel* note = AddNote(row.name, shown ? label : QString());
        if (!shown) {
          // An empty note keeps no empty line in the form.
          HideRow(note);
        }
        return note;
      }
      case RowKind::Group:
        BeginGroup(row.name, label);
        return nullptr;
      case RowKind::EndGroup:
        EndGroup();
        return nullptr;
    }
    return nullptr;
  }

  bool SaveFields() override {
    for (size_t i = 0; i < spec_.rows.size(); ++i) {
      const DialogRow& row = spec_.rows[i];
      if (row.kind == RowKind::List && row.enabled) {
        const int index = static_cast<QComboBox*>(controls_[i])->currentIndex();
        if (index >= 0 && static_cast<size_t>(index) < row.choices.size()) {
          values_.Set(row.name, row.choices[static_cast<size_t>(index)].value);
        }
      } else if (row.kind == RowKind::BaudRate && row.enabled) {
        QtCombo baud(*static_cast<QComboBox*>(controls_[i]));
        values_.Set(row.name, Corvel().GetBaudrateFromCombo(baud));
      } else if (row.kind == RowKind::Number) {
        values_.Set(row.name, NumberValue(static_cast<QLineEdit*>(controls_[i])));
      }
    }
    return WriteFile(EncodeAttributes(Corvel(), identity_, layout_, values_));
  }

  const DriverIdentity& identity_;
  const AttributeLayout& layout_;
  const DialogSpec& spec_;
  AttributeValues values_;
  std::vector<QWidget*> controls_;  // one per row; nullptr for group rows
  bool offers38400_ = false;
};

}  // namespace

void RunLayoutDialog(CCorvel& corvel, const DriverIdentity& identity, const AttributeLayout& layout,
                     const DialogSpec& dialogSpec, const std::string& path) {
  LayoutDialog dialog(corvel, identity, layout, dialogSpec, path, QApplication::activeWindow());
  dialog.exec();
}

}  // namespace orvane::plugin
