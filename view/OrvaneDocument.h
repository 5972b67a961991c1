// One open project file as the desktop program's document holds it: the
// project, the file it lives in, whether it is new, and whether it has
// changes that are not saved yet.
#pragma once

#include <filesystem>
#include <string>

#include "project/ProjectReader.h"
#include "project/TOvProject.h"

namespace orvane {

class UserInterface;

/// The document type's filter for the open and new-project choosers, made
/// from the document template's filter name and extension ("*.ovx"), with
/// all files after it.
std::string DocumentFilter();
/// The document type's extension, with the dot.
std::string DocumentExtension();

class OrvaneDocument {
 public:
  OrvaneDocument() = default;
  OrvaneDocument(const OrvaneDocument&) = delete;
  OrvaneDocument& operator=(const OrvaneDocument&) = delete;

  TOvProject& Project() { return project_; }
  const TOvProject& Project() const { return project_; }

  /// The file's full path; empty until the document has one.
  const std::filesystem::path& Path() const { return path_; }
  /// The file name without its folder, as the window and the project name
  /// show it.
  std::string Title() const { return path_.filename().string(); }
  /// true from creation until the document is opened from a file: a new
  /// document gets its first panel when its view is first shown.
  bool IsNew() const { return isNew_; }

  bool IsModified() const { return modified_; }
  void SetModified(bool modified = true) { modified_ = modified; }

  /// A new project that will live at path (File New); nothing is written
  /// yet.
  void SetNewPath(std::filesystem::path path);
  /// Opens the file: the project file, then the Think & Do check after it
  /// (OpenProjectDocument). false after the reasons have been shown; the
  /// document is then unchanged.
  bool Open(const std::filesystem::path& path, UserInterface& ui, const DriverLookup& lookup);
  /// Saves to path (Save As, and the first save of a new project): on
  /// success the document lives at path and has no unsaved changes.
  bool SaveAs(const std::filesystem::path& path, UserInterface& ui);
  /// Saves to the document's own path.
  bool Save(UserInterface& ui) { return SaveAs(path_, ui); }

  /// Whether the document may be closed: with unsaved changes the user is
  /// asked "Save changes to %s?" (Yes, No, Cancel); Yes saves first and a
  /// save that fails keeps the document open, Cancel keeps it open.
  bool ConfirmClose(UserInterface& ui);

 private:
  TOvProject project_;
  std::filesystem::path path_;
  bool isNew_ = true;
  bool modified_ = false;
};

}  // namespace orvane
