// The printed panel PLC address database: its pages as report pages (the
// documentation report's page model), drawn by the same painter. The first
// page carries the project, the PLC and the panel's system addresses, each
// a label with its value; then the list of the addresses the messages use,
// continued on as many pages as it needs, its headings on each.
#pragma once

#include <vector>

#include "view/TOvReport.h"

namespace orvane {

class AddressDatabase;

inline constexpr const char* kAddressDatabaseTitle = "Panel PLC Address Database";

/// Lays out the database's pages on paper; measure gives text widths as
/// they print.
std::vector<ReportPage> LayOutAddressDatabase(const AddressDatabase& database,
                                              const ReportPaper& paper,
                                              const ReportMeasure& measure);

}  // namespace orvane
