// Lets Corvel fill and read a Qt list box through its combo interface.
#pragma once

#include <QComboBox>

#include "corvel/CorvelCombo.h"

namespace orvane::plugin {

/// Adapts a QComboBox to CCorvelCombo. Like the list controls Corvel was
/// made for, appending to an empty list selects nothing (Qt would select the
/// first entry).
class QtCombo final : public CCorvelCombo {
 public:
  explicit QtCombo(QComboBox& box) : box_(box) {}

  int AddString(const char* text) override;
  void ResetContent() override;
  int SelectString(const char* text) override;
  int SetCurSel(int index) override;
  int GetCurSel() const override;
  std::string GetLBText(int index) const override;
  int GetCount() const override;

 private:
  QComboBox& box_;
};

}  // namespace orvane::plugin
