#include "project/ProjectFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/LineReader.h"
#include "project/LineWriter.h"
#include "project/ProjectWriter.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

constexpr const char* kErrorCaption = "Error";
constexpr const char* kBackupCaption = "Backup Project";

bool Replace(const std::filesystem::path& path, const std::string& text, UserInterface& ui,
             const FileWriteFunction& writeSome, const char* what) {
  std::string error;
  const bool written = writeSome ? WriteFileAtomically(path, text, &error, writeSome)
                                 : WriteFileAtomically(path, text, &error);
  if (!written) {
    ui.Show(std::string("Unable to write the ") + what + " " + path.string() + ".\n" + error,
            Icon::Stop, kErrorCaption);
  }
  return written;
}

// The copy of a previous-version file that the user asked for: every line
// as read, each followed by a line break.
void WriteBackup(std::istream& in, UserInterface& ui) {
  FileRequest request;
  request.filter = kProjectFileFilter;
  request.defaultExtension = kProjectFileExtension;
  request.overwritePrompt = true;
  const std::optional<std::string> target = ui.ChooseSaveFile(request);
  if (!target) {
    return;
  }
  in.clear();
  in.seekg(0, std::ios::beg);
  LineReader lines(in);
  std::string copy;
  std::string line;
  while (lines.Next(line)) {
    copy += line;
    copy += '\n';
  }
  Replace(*target, copy, ui, nullptr, "backup copy");
}

void OfferBackup(std::istream& in, UserInterface& ui) {
  Question question;
  question.text = LoadString(strings::kBackupPreviousVersionQuestion);
  question.caption = kBackupCaption;
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNo;
  question.defaultAnswer = Answer::Yes;
  if (ui.Ask(question) == Answer::Yes) {
    WriteBackup(in, ui);
  }
}

// Project and tag map files are read only from regular files: a device or
// a pipe could feed an endless line.
bool IsReadableFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// The tag map named in the file; when it is gone, the user may pick another.
bool LoadFileTagMap(TOvProject& project, UserInterface& ui) {
  if (IsReadableFile(project.tagMapPath)) {
    std::ifstream probe(project.tagMapPath, std::ios::binary);
    if (probe) {
      probe.close();
      return project.LoadTagMap(project.tagMapPath, ui);
    }
  }
  Question question;
  question.text = FormatText(LoadString(strings::kT004), project.tagMapPath.c_str());
  question.caption = kErrorCaption;
  question.icon = Icon::Information;
  question.buttons = Buttons::OkCancel;
  question.defaultAnswer = Answer::Ok;
  if (ui.Ask(question) != Answer::Ok) {
    return false;
  }
  const std::optional<std::string> chosen = ChooseTagMapFile(ui);
  if (!chosen) {
    return false;
  }
  project.tagMapPath = *chosen;
  return project.LoadTagMap(*chosen, ui);
}

// Reads the file into project; on failure where says where and why (the
// details of Z002).
bool LoadInto(const std::filesystem::path& path, TOvProject& project, UserInterface& ui,
              const DriverLookup& lookup, std::string& where) {
  const std::string name = path.string();
  std::error_code code;
  if (!std::filesystem::exists(path, code)) {
    where = name + ": no such file";
    return false;
  }
  if (!IsReadableFile(path)) {
    where = name + ": not a file (a folder or a device)";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    where = name + ": " + std::strerror(errno);
    return false;
  }
  std::string magic;
  LineReader(in).Next(magic);
  const FileVersion version = VersionOfMagic(magic);
  if (version == FileVersion::Unknown) {
    where = ProjectFilePlace(name, 1) +
            ": the first line is not the first line of an Orvane project file";
    return false;
  }
  if (version == FileVersion::Previous) {
    OfferBackup(in, ui);
  }
  in.clear();
  in.seekg(0, std::ios::beg);
  ProjectReadFailure failure;
  if (!ReadProject(in, project, ui, lookup, name, &failure)) {
    // A reason shown as a message of its own is not repeated.
    where = ProjectFilePlace(name, failure.line) + (failure.shown ? "." : ": " + failure.reason);
    return false;
  }
  if (project.tagMapInUse && !LoadFileTagMap(project, ui)) {
    where = name + ": its tag map " + project.tagMapPath + " was not loaded";
    return false;
  }
  return true;
}

// The chooser of a Think & Do tag map file.
constexpr const char* kTagMapChooserTitle = "Open Tag Map File";
constexpr const char* kTagMapFilter = "Think & Do Map Files (*.map)|*.map|All Files (*.*)|*.*||";

}  // namespace

std::optional<std::string> ChooseTagMapFile(UserInterface& ui) {
  FileRequest request;
  request.title = kTagMapChooserTitle;
  request.filter = kTagMapFilter;
  return ui.ChooseOpenFile(request);
}

bool LoadProjectFile(const std::filesystem::path& path, TOvProject& project, UserInterface& ui,
                     const DriverLookup& lookup) {
  TOvProject loaded;
  std::string where;
  if (!LoadInto(path, loaded, ui, lookup, where)) {
    ui.ShowMessage(Message{LoadString(strings::kZ002), kErrorCaption, Icon::Stop, where, 0});
    return false;
  }
  project = std::move(loaded);
  return true;
}

std::string ProjectFileText(const TOvProject& project) {
  std::ostringstream text;
  LineWriter writer(text);
  WriteProject(project, writer);
  return text.str();
}

bool SaveProjectFile(TOvProject& project, const std::filesystem::path& path, UserInterface& ui,
                     const FileWriteFunction& writeSome) {
  if (!Replace(path, ProjectFileText(project), ui, writeSome, "project file")) {
    return false;
  }
  project.projectName = path.filename().string();
  return true;
}

bool ExportPanelFile(const TOvProject& project, const std::filesystem::path& path,
                     UserInterface& ui) {
  if (project.SelectedPanel() == nullptr) {
    return false;
  }
  // Written from a copy, as the view writes from its working project: the
  // copy drops what the panel's model does not use (line registers beyond
  // its lines, the annunciator word and the password options on models
  // other than 3).
  const TOvProject copy(project);
  std::ostringstream text;
  LineWriter writer(text);
  WriteSinglePanelProject(copy, *copy.SelectedPanel(), writer);
  return Replace(path, text.str(), ui, nullptr, "project file");
}

}  // namespace orvane
