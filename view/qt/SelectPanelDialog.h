// "Select Panel" (dialog 102): the five panel models by name, with the
// picture and the description of the one selected.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QListWidget;

namespace orvane {

class PanelPicture;

class SelectPanelDialog final : public QDialog {
  Q_OBJECT

 public:
  SelectPanelDialog(QWidget* parent, int32_t preselected);

  /// The selected model code (1 to 5).
  int32_t Model() const;

 private:
  void ShowSelected();

  QListWidget* list_ = nullptr;
  PanelPicture* picture_ = nullptr;
  QLabel* description_ = nullptr;
};

}  // namespace orvane
