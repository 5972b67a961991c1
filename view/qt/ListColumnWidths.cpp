#include "view/qt/ListColumnWidths.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

#include "base/Settings.h"

namespace orvane {

void SetUpReportList(QTableView& list) {
  list.setShowGrid(true);
  list.setSelectionBehavior(QAbstractItemView::SelectRows);
  list.setSelectionMode(QAbstractItemView::SingleSelection);
  list.setEditTriggers(QAbstractItemView::NoEditTriggers);
  list.verticalHeader()->hide();
  list.horizontalHeader()->setStretchLastSection(false);
}

void RestoreColumnWidths(QTableView& list, const Settings& settings, const std::string& section) {
  const int columns = list.horizontalHeader()->count();
  for (int column = 0; column < columns; ++column) {
    const bool stored = settings.UserValue(section, "Width " + std::to_string(column)).has_value();
    const int fitting = std::max(settings::kDefaultColumnWidth,
                                 list.horizontalHeader()->sectionSizeHint(column) + 8);
    list.setColumnWidth(column, stored ? settings.ColumnWidth(section, column) : fitting);
  }
}

void StoreColumnWidths(const QTableView& list, Settings& settings, const std::string& section) {
  const int columns = list.horizontalHeader()->count();
  for (int column = 0; column < columns; ++column) {
    settings.SetColumnWidth(section, column, list.columnWidth(column));
  }
}

}  // namespace orvane
