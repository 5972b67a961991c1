// Everything a write can know is wrong before it sends anything: addresses
// the PLC driver does not accept, texts longer than the panel shows, data
// items with more digits than their data type has, tag lists and PLC
// attribute blocks that cannot be built, driver images that are missing or
// invalid. A write finds them before its first frame, and orvane-cli
// project check lists the same.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/TOvTag.h"

namespace orvane {

class TOvProject;
class UserInterface;

struct WriteProblem {
  /// The panel's port; 0 for what belongs to the project as a whole (the
  /// PLC attributes, a driver image, the multiplexer's tag list).
  int32_t port = 0;
  /// A problem of one message: its number and kind.
  bool inMessage = false;
  int32_t messageNumber = 0;
  bool localMessage = false;
  /// What is wrong there: "text", "data item 1 address", "tag list", a
  /// driver image's path, ...
  std::string field;
  /// Why, for a person.
  std::string text;
  /// As the only problem, the text goes out with the route prefix ("ERROR On
  /// COM Port. "); false for the platform's own reason a file did not open.
  bool routed = true;

  bool operator==(const WriteProblem&) const = default;
};

/// "Port 1, message 3, data item 1 address: ..." or "PLC attributes: ...".
std::string DescribeWriteProblem(const WriteProblem& problem);

/// Every problem a write of the project would meet, panel by panel and then
/// for the project as a whole; empty for a project that can be written.
/// Addresses are judged by the project's driver, quietly (a project without
/// driver gets "Cannot Locate the Driver File" and no address is judged).
/// Building the tag lists gives the panels' addresses their tag indices, as
/// a write does.
std::vector<WriteProblem> FindWriteProblems(TOvProject& project);

/// The error a refused write reports: the problems one a line under a
/// headline; a single problem of the whole project is its text alone.
std::string WriteProblemsText(const std::vector<WriteProblem>& problems, bool multiPanel);
/// What the user can do about it (the error's details).
std::string WriteProblemsHelp(bool multiPanel);

/// The multiplexer's merged tag list of the project, ordered by the
/// project's driver (BuildMuxTagList).
TOvTagTable MergedTagList(TOvProject& project, UserInterface* ui);

}  // namespace orvane
