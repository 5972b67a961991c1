// "Annunciator Setup" (dialog 141; the Think & Do variant CTNDAnnunciatorDlg
// is dialog 248): the PLC word whose bit pairs drive the three lamps, with
// the four states of each pair.
#pragma once

#include <QDialog>

#include "view/AnnunciatorSetup.h"

namespace orvane {

class AddressField;
class TOvPanel;
class TOvProject;
class UserInterface;

class CAnnunciatorDlg : public QDialog {
  Q_OBJECT

 public:
  /// OK: closes only when the word is taken; otherwise its field has the
  /// focus.
  void accept() override;

 protected:
  /// project, panel (one of the project's) and ui must outlive the dialog.
  CAnnunciatorDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                  const QString& objectName, QWidget* parent);

 private:
  AnnunciatorSetup setup_;
  const TOvProject& project_;
  UserInterface& ui_;
  AddressField* word_ = nullptr;
};

/// The variant for PLCs addressed by free text (dialog 141).
class CPLCAnnunciatorDlg final : public CAnnunciatorDlg {
  Q_OBJECT

 public:
  CPLCAnnunciatorDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                     QWidget* parent = nullptr)
      : CAnnunciatorDlg(project, panel, ui, QStringLiteral("dlg_141"), parent) {}
};

/// The Think & Do variant (dialog 248).
class CTNDAnnunciatorDlg final : public CAnnunciatorDlg {
  Q_OBJECT

 public:
  CTNDAnnunciatorDlg(TOvProject& project, TOvPanel& panel, UserInterface& ui,
                     QWidget* parent = nullptr)
      : CAnnunciatorDlg(project, panel, ui, QStringLiteral("dlg_248"), parent) {}
};

}  // namespace orvane
