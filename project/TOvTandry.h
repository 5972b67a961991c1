// The Think & Do tag map check: compares every address of a project with the
// project's tag map and reports (mode 0) or repairs (mode 1) what no longer
// fits.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "project/TOvTagMap.h"

namespace orvane {

class TOvProject;
class TOvTag;

class TOvTandry {
 public:
  static constexpr int kCheck = 0;  // log only
  static constexpr int kApply = 1;  // rename or clear the addresses

  /// Builds the reverse index (map remainder to tag names) from the table
  /// of the selected panel's model: the set point table for the set point
  /// model, the text model table otherwise. Mode 0, empty log. The project
  /// must outlive this object; the index keeps the table as it was now.
  explicit TOvTandry(TOvProject& project);
  virtual ~TOvTandry() = default;

  void SetMode(int mode) { mode_ = mode; }
  int Mode() const { return mode_; }

  /// Visits every set address of every panel. An address whose tag name is
  /// in the table is left alone. Otherwise its address text is looked up
  /// among the map remainders: no name has it (61632; mode 1 resets the
  /// address), one name has it (61635; mode 1 takes that name), several have
  /// it (61633 and one "\t%s\n" line per name; mode 1 resets the address).
  void Reconcile();

  /// The log lines, each ending in a line break.
  const std::vector<std::string>& Log() const { return log_; }
  size_t LogLineCount() const { return log_.size(); }

 private:
  void Visit(TOvTag& tag, bool bitWord = false);

  std::multimap<std::string, std::string> reverseIndex_;
  const TOvTagMap* table_ = nullptr;
  TOvProject* project_ = nullptr;
  int mode_ = kCheck;
  std::vector<std::string> log_;
};

}  // namespace orvane
