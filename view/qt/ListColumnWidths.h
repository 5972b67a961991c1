// The report lists of the dialogs: read-only tables with full-row
// selection and grid lines, whose column widths are kept in the user
// profile ("Width %d" in the list's own section).
#pragma once

#include <string>

class QTableView;

namespace orvane {

class Settings;

/// Grid lines, one whole row selected at a time, no editing, no row
/// numbers; the last column keeps its width.
void SetUpReportList(QTableView& list);

/// The widths the user left last time; a column without a stored width is
/// as wide as its title, and never narrower than the usual 100.
void RestoreColumnWidths(QTableView& list, const Settings& settings, const std::string& section);
/// Stores every column's width (as OK does).
void StoreColumnWidths(const QTableView& list, Settings& settings, const std::string& section);

}  // namespace orvane
