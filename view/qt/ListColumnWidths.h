// The column widths of a report list kept in the user profile ("Width %d"
// in the list's own section), shared by every list that keeps them.
#pragma once

#include <string>

class QTableView;

namespace orvane {

class Settings;

/// The widths the user left last time; a column without a stored width is
/// as wide as its title, and never narrower than the usual 100.
void RestoreColumnWidths(QTableView& list, const Settings& settings, const std::string& section);
/// Stores every column's width (as OK does).
void StoreColumnWidths(const QTableView& list, Settings& settings, const std::string& section);

}  // namespace orvane
