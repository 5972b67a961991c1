// The combo box operations Corvel needs. Corvel never touches a widget: a
// plug-in's dialog hands it an adapter over its own list control.
#pragma once

#include <string>

#include "corvel/CorvelApi.h"

class CORVEL_API CCorvelCombo {
 public:
  /// The result of a failed look-up or selection.
  static constexpr int kError = -1;

  virtual ~CCorvelCombo();

  /// Appends an entry; returns its index.
  virtual int AddString(const char* text) = 0;
  /// Removes every entry; nothing is selected afterwards.
  virtual void ResetContent() = 0;
  /// Selects the first entry whose text equals text exactly; returns its
  /// index, or kError (the selection is then unchanged).
  virtual int SelectString(const char* text) = 0;
  /// Selects the entry at index; kError when there is no such entry.
  virtual int SetCurSel(int index) = 0;
  /// The selected index, or kError when nothing is selected.
  virtual int GetCurSel() const = 0;
  /// The text of the entry at index; empty when there is no such entry.
  virtual std::string GetLBText(int index) const = 0;
  virtual int GetCount() const = 0;
};
