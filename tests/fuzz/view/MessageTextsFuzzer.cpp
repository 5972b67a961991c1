// The message texts a user brings in: a message table (CSV) imported into a
// text panel, a message pasted from the clipboard into the message editor's
// PLC list or tree, and a set point entry pasted into the set point setup,
// all on a project bound to a real PLC driver. What is taken in writes
// out to a text that is taken in again to the same text; CSV fields and
// the table's digit-position text read back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/UserInterface.h"
#include "plchost/DriverCatalog.h"
#include "project/PanelModels.h"
#include "project/TOvProject.h"
#include "tests/fuzz/support/SilentUserInterface.h"
#include "tests/fuzz/support/StagedPlugins.h"
#include "view/DocumentBinding.h"
#include "view/MessageEditor.h"
#include "view/MessageTable.h"
#include "view/SetPointSetup.h"

namespace {

using orvane::fuzzing::SilentUserInterface;

SilentUserInterface ui;
std::unique_ptr<orvane::DriverCatalog> catalog;
orvane::TOvProject textProject;
orvane::TOvProject setPointProject;

void Bind(orvane::TOvProject& project, int32_t model) {
  orvane::AddFirstPanel(project, model);
  // Brisko (1:4): the SLC 500 address grammar, "N7:0".
  const auto plc = orvane::FindPlc(catalog->Entries(), 1, 4);
  if (!plc || !orvane::BindNewProject(project, catalog->Entries(), *plc, ui)) {
    std::abort();
  }
}

void CheckCsvAndTableText(const std::string& text) {
  int line = 0;
  if (const auto records = orvane::ParseCsv(text, &line)) {
    // A byte order mark in front, so that a first field starting with one
    // keeps it.
    std::string written = "\xEF\xBB\xBF";
    for (const auto& record : *records) {
      for (size_t i = 0; i < record.fields.size(); ++i) {
        written += (i == 0 ? "" : ",") + orvane::CsvField(record.fields[i]);
      }
      written += "\r\n";
    }
    const auto again = orvane::ParseCsv(written, &line);
    if (!again || again->size() != records->size()) {
      std::abort();
    }
    for (size_t i = 0; i < records->size(); ++i) {
      if ((*again)[i].fields != (*records)[i].fields) {
        std::abort();
      }
    }
  }
  std::string fault;
  if (const auto model = orvane::ModelTextOf(text, &fault)) {
    if (orvane::ModelTextOf(orvane::TableText(*model), &fault) != model) {
      std::abort();
    }
  }
}

void CheckImport(const std::string& csv) {
  orvane::TOvPanel& panel = textProject.panels[0];
  const orvane::MessageTableImport first = orvane::ImportMessageTable(textProject, panel, csv);
  if (!first.lists) {
    return;
  }
  const std::string exported = orvane::ExportMessageTable(textProject, *first.lists);
  const orvane::MessageTableImport second =
      orvane::ImportMessageTable(textProject, panel, exported);
  if (!second.lists || orvane::ExportMessageTable(textProject, *second.lists) != exported) {
    std::abort();
  }
}

void CheckMessagePaste(const std::string& text, orvane::MessageList target) {
  orvane::TOvPanel& panel = textProject.panels[0];
  orvane::MessageEditor editor(textProject, panel, ui);
  if (!editor.Paste(text, target, {}) || editor.Loaded() == nullptr) {
    return;
  }
  const std::string copied = editor.CopyText();
  orvane::MessageEditor other(textProject, panel, ui);
  if (!other.Paste(copied, target, {}) || other.CopyText() != copied) {
    std::abort();
  }
}

void CheckSetPointPaste(const std::string& text) {
  orvane::TOvPanel& panel = setPointProject.panels[0];
  orvane::SetPointSetup setup(setPointProject, panel, ui);
  const auto row = setup.Paste(text, std::nullopt);
  if (!row) {
    return;
  }
  const std::string copied = setup.CopyText(*row);
  orvane::SetPointSetup other(setPointProject, panel, ui);
  const auto again = other.Paste(copied, std::nullopt);
  if (!again || other.CopyText(*again) != copied) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string dir = orvane::fuzzing::UseStagedInstallDir(ORVANE_FUZZ_INSTALL_DIR);
  catalog = std::make_unique<orvane::DriverCatalog>(dir + "/dll");
  catalog->ScanDrivers();
  Bind(textProject, orvane::kModelOv200P);
  Bind(setPointProject, orvane::kModelOvSP);
  return 0;
}

// Input: what to do with the text (import, paste into the PLC list or the
// tree, paste a set point entry), then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  CheckCsvAndTableText(text);
  switch (data[0] % 4) {
    case 0:
      CheckImport(text);
      break;
    case 1:
      CheckMessagePaste(text, orvane::MessageList::Plc);
      break;
    case 2:
      CheckMessagePaste(text, orvane::MessageList::Tree);
      break;
    default:
      CheckSetPointPaste(text);
      break;
  }
  return 0;
}
