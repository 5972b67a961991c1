#include "view/qt/CParsedRichEdit.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

#include "view/qt/AddressFields.h"

namespace orvane {

QColor ColourOf(TextColour colour) {
  switch (colour) {
    case TextColour::Red:
      return QColor(Qt::red);
    case TextColour::Blue:
      return QColor(Qt::blue);
    case TextColour::Green:
      return QColor(0, 128, 0);
    case TextColour::Black:
      break;
  }
  return QColor(Qt::black);
}

namespace {

TextColour ColourFrom(const QColor& colour) {
  for (const TextColour candidate : {TextColour::Red, TextColour::Blue, TextColour::Green}) {
    if (colour == ColourOf(candidate)) {
      return candidate;
    }
  }
  return TextColour::Black;
}

}  // namespace

CParsedRichEdit::CParsedRichEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setUndoRedoEnabled(false);
  setAcceptDrops(false);
  setTabChangesFocus(true);
  setLineWrapMode(QTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(font.pointSizeF() * 1.3);
  setFont(font);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(document(), &QTextDocument::contentsChanged, this, [this] {
    if (!rendering_) {
      ReadBack();
    }
  });
}

QSize CParsedRichEdit::sizeHint() const {
  const QFontMetrics metrics(font());
  const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + 4;
  return {metrics.horizontalAdvance(QLatin1Char('M')) * 21 + margins, metrics.height() + margins};
}

void CParsedRichEdit::Load(const std::string& modelText, ParsedText::Limits limits) {
  text_.Load(modelText, limits);
  Render();
}

bool CParsedRichEdit::SetDecimalPoint(bool on) {
  const std::string before = text_.Model();
  const bool done = text_.SetDecimalPoint(on);
  Edited(text_.Model() != before);
  return done;
}

void CParsedRichEdit::ReplaceText(const std::string& modelText) {
  Edited(text_.Replace(modelText));
}

void CParsedRichEdit::Render() {
  rendering_ = true;
  QTextCursor cursor(document());
  cursor.select(QTextCursor::Document);
  cursor.removeSelectedText();
  for (const DisplayCell& cell : text_.Display()) {
    QTextCharFormat format;
    format.setForeground(ColourOf(cell.colour));
    cursor.insertText(QString(QChar(static_cast<unsigned char>(cell.character))), format);
  }
  cursor.setPosition(static_cast<int>(std::min(text_.Caret(), text_.Length())));
  setTextCursor(cursor);
  rendering_ = false;
}

void CParsedRichEdit::ReadBack() {
  std::vector<DisplayCell> display;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const TextColour colour = ColourFrom(fragment.charFormat().foreground().color());
      const std::string characters = ToBytes(fragment.text());
      for (const char c : characters) {
        display.push_back({c, colour});
      }
    }
  }
  const std::string before = text_.Model();
  text_.Replace(ModelOf(display));
  Render();
  if (text_.Model() != before) {
    emit TextEdited();
  }
}

void CParsedRichEdit::Edited(bool changed) {
  Render();
  if (changed) {
    emit TextEdited();
  }
}

std::pair<size_t, size_t> CParsedRichEdit::SelectionRange() const {
  const QTextCursor cursor = textCursor();
  return {static_cast<size_t>(cursor.selectionStart()), static_cast<size_t>(cursor.selectionEnd())};
}

int CParsedRichEdit::ItemKey(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F5:
      return 1;
    case Qt::Key_F6:
      return 2;
    case Qt::Key_F7:
      return 3;
    default:
      break;
  }
  if (event->modifiers() & Qt::ControlModifier) {
    switch (event->key()) {
      case Qt::Key_1:
        return 1;
      case Qt::Key_2:
        return 2;
      case Qt::Key_3:
        return 3;
      default:
        break;
    }
  }
  return 0;
}

bool CParsedRichEdit::event(QEvent* event) {
  // The control's own keys come before the dialog's shortcuts (undo and
  // redo of the lists).
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (ItemKey(key) != 0 || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)) {
      event->accept();
      return true;
    }
  }
  return QTextEdit::event(event);
}

void CParsedRichEdit::keyPressEvent(QKeyEvent* event) {
  const auto [from, to] = SelectionRange();
  if (const int item = ItemKey(event); item != 0) {
    if (text_.TypeItem(item, from, to)) {
      Edited(true);
      emit ItemTyped(item);
    }
    return;
  }
  if (event->matches(QKeySequence::Undo)) {
    Edited(text_.Undo());
    return;
  }
  if (event->matches(QKeySequence::Redo)) {
    Edited(text_.Redo());
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    if (from != to) {
      copy();
      Edited(text_.Erase(from, to));
    }
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    insertFromMimeData(QGuiApplication::clipboard()->mimeData());
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit AcceptRequested();
      return;
    case Qt::Key_Backspace:
      Edited(from != to ? text_.Erase(from, to) : from > 0 && text_.Erase(from - 1, from));
      return;
    case Qt::Key_Delete:
      Edited(text_.Erase(from, from != to ? to : to + 1));
      return;
    default:
      break;
  }
  const bool control = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
  if (!control && !event->text().isEmpty() && event->text().at(0).isPrint()) {
    Edited(text_.Type(ToBytes(event->text()), from, to));
    return;
  }
  // Moving the caret, selecting and copying stay the control's; Ctrl with
  // any other key types nothing.
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll) ||
      event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
      event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
    QTextEdit::keyPressEvent(event);
    return;
  }
  event->ignore();
}

bool CParsedRichEdit::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void CParsedRichEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) {
    return;
  }
  // Pasted text is ordinary characters: a line of it, up to the limit.
  QString text = source->text();
  text = text.left(text.indexOf(QLatin1Char('\n')) < 0 ? text.size()
                                                       : text.indexOf(QLatin1Char('\n')));
  const auto [from, to] = SelectionRange();
  Edited(text_.Type(ToBytes(text), from, to));
}

}  // namespace orvane
