#include "transfer/WriteChecks.h"

#include <algorithm>
#include <fstream>

#include "base/StringTable.h"
#include "link/MessageText.h"
#include "link/MuxTagList.h"
#include "link/PlcAttributeRecords.h"
#include "link/TOvExec.h"
#include "link/TOvMuxExec.h"
#include "link/TagMapStream.h"
#include "link/TagStreamCollector.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"
#include "transfer/ImageFiles.h"

namespace orvane {
namespace {

class ProblemList {
 public:
  explicit ProblemList(std::vector<WriteProblem>& out) : out_(out) {}

  void Add(WriteProblem problem) {
    // The same reason twice (two forms of one attribute block) is one problem.
    if (std::find(out_.begin(), out_.end(), problem) == out_.end()) {
      out_.push_back(std::move(problem));
    }
  }
  void AddProject(std::string field, std::string text, bool routed = true) {
    Add(WriteProblem{0, false, 0, false, std::move(field), std::move(text), routed});
  }
  void AddPanel(const TOvPanel& panel, std::string field, std::string text) {
    Add(WriteProblem{panel.portNumber, false, 0, false, std::move(field), std::move(text), true});
  }
  void AddMessage(const TOvPanel& panel, const TOvMessage& message, std::string field,
                  std::string text) {
    Add(WriteProblem{panel.portNumber, true, message.number, message.isPlcMessage == 0,
                     std::move(field), std::move(text), true});
  }

 private:
  std::vector<WriteProblem>& out_;
};

void CheckMessages(const TOvPanel& panel, ProblemList& problems) {
  const auto width = static_cast<size_t>(std::max(panel.CharactersPerLine(), 0));
  for (const TOvMessage& message : panel.messages) {
    // A folder shows a "+" in front of its text.
    const size_t length = message.text.size() + (message.isFolder != 0 ? 1 : 0);
    if (length > width) {
      problems.AddMessage(panel, message, "text",
                          FormatText("%zu characters%s, where the %s shows %zu", length,
                                     message.isFolder != 0 ? " with the folder's +" : "",
                                     panel.ModelName().c_str(), width));
    }
    if (!panel.IsSetPoint()) {
      if (const int item = DataItemOverDigitLimit(message); item != 0) {
        problems.AddMessage(panel, message, FormatText("data item %d", item),
                            DataItemDigitLimitText(message));
      }
    }
  }
}

void CheckAddresses(TOvPanel& panel, PlcDriver& driver, const std::string& plcName,
                    ProblemList& problems) {
  panel.ForEachSentAddress([&](TOvTag& tag, const AddressPlace& place) {
    if (tag.addressText.empty()) {
      return;
    }
    const AddressCheck check = CheckAddress(driver, tag);
    if (check == AddressCheck::Valid) {
      return;
    }
    const std::string text =
        check == AddressCheck::Refused
            ? FormatText("\"%s\" is not an address %s accepts", tag.addressText.c_str(),
                         plcName.c_str())
            : FormatText(
                  "\"%s\" is stored in another form than %s gives it; open the project "
                  "again",
                  tag.addressText.c_str(), plcName.c_str());
    if (place.message != nullptr) {
      problems.AddMessage(panel, *place.message, place.field, text);
    } else {
      problems.AddPanel(panel, place.field, text);
    }
  });
}

// A panel's tag list: within the limit a panel reads back, and a stream
// that can be built (full form, or index form against the merged list).
void CheckTagList(TOvPanel& panel, const TOvProject& project, const TOvTagTable* merged,
                  ProblemList& problems) {
  TOvTagTable table;
  panel.BuildTagTable(table);
  if (table.size() > kPanelTagListLimit) {
    problems.AddPanel(panel, "tag list",
                      FormatText("%s (%zu addresses, at most %zu)", LoadString(strings::kT001),
                                 table.size(), kPanelTagListLimit));
  }
  const EncodedStream stream = merged == nullptr ? BuildTagMapStream(table, project.plc.mapLength)
                                                 : BuildIndexedTagMapStream(table, *merged);
  if (!stream.Ok()) {
    problems.AddPanel(panel, "tag list", stream.error);
  }
}

// An image the write downloads: it must be named, open and be valid.
template <typename Image>
void CheckImage(bool located, const std::string& path, uint32_t start, ProblemList& problems) {
  if (!located) {
    problems.AddProject("panel-side driver image", LoadString(strings::kC002));
    return;
  }
  std::ifstream file;
  std::string error;
  if (!OpenImageFile(path, file, error)) {
    problems.AddProject(path, error, false);
    return;
  }
  if (!Image(file, start).IsValid()) {
    problems.AddProject(path, LoadString(strings::kZ003));
  }
}

void CheckPlcAttributes(const TOvPlcInfo& plc, bool multiPanel, ProblemList& problems) {
  const std::vector<PlcAttributeForm> forms =
      multiPanel
          ? std::vector<PlcAttributeForm>{PlcAttributeForm::MuxStream, PlcAttributeForm::MultiPanel}
          : std::vector<PlcAttributeForm>{PlcAttributeForm::SinglePanel};
  for (const PlcAttributeForm form : forms) {
    const EncodedStream record = EncodePlcAttributes(plc, form);
    if (!record.Ok()) {
      problems.AddProject("PLC attributes", record.error);
    }
  }
}

std::string Place(const WriteProblem& problem) {
  if (problem.port == 0) {
    return problem.field;
  }
  std::string place = FormatText("Port %d", problem.port);
  if (problem.inMessage) {
    place += FormatText(problem.localMessage ? ", local message %d" : ", message %d",
                        problem.messageNumber);
  }
  return place + ", " + problem.field;
}

}  // namespace

TOvTagTable MergedTagList(TOvProject& project, UserInterface* ui) {
  const PlcDriver driver = project.Driver(ui);
  const auto mapLength =
      static_cast<size_t>(std::clamp<int32_t>(project.plc.mapLength, 0, PLC_MAP_STRING_CAPACITY));
  const MapStringCompare compare = [&driver, mapLength](const unsigned char* a,
                                                        const unsigned char* b) {
    DriverAddress left;
    DriverAddress right;
    left.mapLength = right.mapLength = static_cast<int>(mapLength);
    std::copy_n(a, mapLength, left.map.begin());
    std::copy_n(b, mapLength, right.map.begin());
    return static_cast<int32_t>(driver.CompareAddresses(left, right));
  };
  return BuildMuxTagList(project, compare);
}

std::vector<WriteProblem> FindWriteProblems(TOvProject& project) {
  std::vector<WriteProblem> found;
  ProblemList problems(found);
  const bool multiPanel = project.systemMode == kMultiPanelSystem;
  PlcDriver driver = project.Driver();
  const TOvTagTable merged =
      multiPanel && driver.IsAttached() ? MergedTagList(project, nullptr) : TOvTagTable{};
  for (TOvPanel& panel : project.panels) {
    CheckMessages(panel, problems);
    if (driver.IsAttached()) {
      CheckAddresses(panel, driver, project.plc.name, problems);
      CheckTagList(panel, project, multiPanel ? &merged : nullptr, problems);
    }
  }
  if (multiPanel && driver.IsAttached()) {
    const EncodedStream stream = BuildTagMapStream(merged, project.plc.mapLength);
    if (!stream.Ok()) {
      problems.AddProject("multiplexer tag list", stream.error);
    } else if (merged.size() > kMuxTagListLimit) {
      problems.AddProject("multiplexer tag list",
                          FormatText("%s (%zu addresses, at most %zu)", LoadString(strings::kT001),
                                     merged.size(), kMuxTagListLimit));
    }
  }
  CheckPlcAttributes(project.plc, multiPanel, problems);
  std::string path;
  if (multiPanel) {
    const bool located = PanelDriverPath(project, kSRecordImageKind, path);
    CheckImage<TOvMuxExec>(located, path, TOvMuxExec::kPlcDriverStart, problems);
    if (!project.panels.empty()) {
      const bool panelsLocated = MultiplexerDriverPath(project, path);
      CheckImage<TOvExec>(panelsLocated, path, TOvExec::kPlcDriverStart, problems);
    }
  } else {
    const bool located = PanelDriverPath(project, kHexImageKind, path);
    CheckImage<TOvExec>(located, path, TOvExec::kPlcDriverStart, problems);
  }
  return found;
}

std::string DescribeWriteProblem(const WriteProblem& problem) {
  return Place(problem) + ": " + problem.text;
}

std::string WriteProblemsText(const std::vector<WriteProblem>& problems, bool multiPanel) {
  if (problems.size() == 1 && problems.front().port == 0) {
    return problems.front().text;
  }
  std::string text =
      FormatText("The project cannot be written: %zu problem%s found, nothing was sent to the %s.",
                 problems.size(), problems.size() == 1 ? "" : "s",
                 multiPanel ? "multiplexer and its panels" : "panel");
  for (const WriteProblem& problem : problems) {
    text += "\n" + DescribeWriteProblem(problem);
  }
  return text;
}

std::string WriteProblemsHelp(bool multiPanel) {
  return std::string("Correct the project and write it again; ") +
         (multiPanel ? "the multiplexer and its panels still hold the programs they had."
                     : "the panel still holds the program it had.");
}

}  // namespace orvane
