// The message editor's text control: one line in the display form, each
// data item's digit positions as coloured digits ("1" red, "2" blue, "3"
// green, the PLC-controlled decimal point a red "."). Every key that edits
// goes to the plain text model (view/ParsedText.h), which decides; the
// control then draws the model again. An edit that reaches the document
// some other way (its context menu) is read back by colour.
#pragma once

#include <QTextEdit>

#include "view/ParsedText.h"

namespace orvane {

/// The colour of a display cell.
QColor ColourOf(TextColour colour);

class CParsedRichEdit final : public QTextEdit {
  Q_OBJECT

 public:
  explicit CParsedRichEdit(QWidget* parent = nullptr);

  /// Loads a model text with its limits (the undo history starts anew).
  void Load(const std::string& modelText, ParsedText::Limits limits);
  const std::string& ModelText() const { return text_.Model(); }
  const ParsedText& Text() const { return text_; }

  /// The PLC-controlled decimal point on or off; false when it cannot be
  /// put in (see ParsedText::SetDecimalPoint).
  bool SetDecimalPoint(bool on);
  /// Replaces the text as a whole (an undoable edit).
  void ReplaceText(const std::string& modelText);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  /// The model text changed.
  void TextEdited();
  /// A digit of data item 1, 2 or 3 was typed.
  void ItemTyped(int item);
  /// Enter: accept the edit.
  void AcceptRequested();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;

 private:
  /// The item a key types (Ctrl+1 to 3, F5 to F7), or 0.
  static int ItemKey(const QKeyEvent* event);
  void Render();
  /// Reads the document back by colour after an edit that bypassed the model.
  void ReadBack();
  void Edited(bool changed);
  std::pair<size_t, size_t> SelectionRange() const;

  ParsedText text_;
  bool rendering_ = false;
};

}  // namespace orvane
