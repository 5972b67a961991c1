#include "view/qt/EditorDialogs.h"

#include <memory>

#include "base/Settings.h"
#include "project/TOvProject.h"
#include "view/qt/CAnnunciatorDlg.h"
#include "view/qt/CLedDlg.h"
#include "view/qt/CMessageDlg.h"
#include "view/qt/CMsgGeneralDlg.h"
#include "view/qt/CSPConfigDlg.h"
#include "view/qt/CViewAddressDlg.h"

namespace orvane {
namespace {

std::unique_ptr<QDialog> MakeDialog(Editor editor, TOvProject& project, TOvPanel& panel,
                                    UserInterface& ui, QWidget* parent) {
  switch (editor) {
    case Editor::PlcMessageDlg:
      return std::make_unique<CPLCMessageDlg>(project, panel, ui, parent);
    case Editor::TndMessageDlg:
      return std::make_unique<CTNDMessageDlg>(project, panel, ui, parent);
    case Editor::MsgGeneralDlg:
      return std::make_unique<CMsgGeneralDlg>(project, panel, ui, parent);
    case Editor::TndGeneralDlg:
      return std::make_unique<CTNDGeneralDlg>(project, panel, ui, parent);
    case Editor::PlcLedDlg:
      return std::make_unique<CPLCLedDlg>(project, panel, ui, parent);
    case Editor::TndLedDlg:
      return std::make_unique<CTNDLedDlg>(project, panel, ui, parent);
    case Editor::PlcAnnunciatorDlg:
      return std::make_unique<CPLCAnnunciatorDlg>(project, panel, ui, parent);
    case Editor::TndAnnunciatorDlg:
      return std::make_unique<CTNDAnnunciatorDlg>(project, panel, ui, parent);
    case Editor::SpConfigDlg:
      return std::make_unique<CSPConfigDlg>(project, panel, ui, parent);
    case Editor::TndSpConfigDlg:
      return std::make_unique<CTNDSPConfigDlg>(project, panel, ui, parent);
    case Editor::ViewAddressDlg:
      return std::make_unique<CViewAddressDlg>(project, AppSettings(), parent);
    default:
      return nullptr;
  }
}

}  // namespace

bool HasEditorDialog(Editor editor) {
  switch (editor) {
    case Editor::PlcMessageDlg:
    case Editor::TndMessageDlg:
    case Editor::MsgGeneralDlg:
    case Editor::TndGeneralDlg:
    case Editor::PlcLedDlg:
    case Editor::TndLedDlg:
    case Editor::PlcAnnunciatorDlg:
    case Editor::TndAnnunciatorDlg:
    case Editor::SpConfigDlg:
    case Editor::TndSpConfigDlg:
    case Editor::ViewAddressDlg:
      return true;
    default:
      return false;
  }
}

bool RunEditorDialog(Editor editor, TOvProject& project, UserInterface& ui, QWidget* parent) {
  TOvPanel* panel = project.SelectedPanel();
  if (panel == nullptr || !HasEditorDialog(editor)) {
    return false;
  }
  const std::unique_ptr<QDialog> dialog = MakeDialog(editor, project, *panel, ui, parent);
  dialog->exec();
  return true;
}

}  // namespace orvane
