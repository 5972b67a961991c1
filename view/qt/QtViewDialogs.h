// The main view's own dialogs in Qt.
#pragma once

#include <QPointer>
#include <QWidget>

#include "view/MainViewDialogs.h"

namespace orvane {

class UserInterface;

class QtViewDialogs final : public MainViewDialogs {
 public:
  /// ui serves the dialogs' own choosers. The dialogs belong to parent, or
  /// to the active window when there is none.
  QtViewDialogs(UserInterface& ui, QWidget* parent = nullptr) : ui_(ui), parent_(parent) {}

  std::optional<int32_t> SelectPanelModel(int32_t preselected) override;
  void ShowAddressConversionLog(const std::vector<std::string>& lines) override;

 private:
  QWidget* Parent() const;

  UserInterface& ui_;
  QPointer<QWidget> parent_;
};

}  // namespace orvane
