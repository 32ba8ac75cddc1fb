// The install dialogs as the platform shows them: the licence agreement, the
// drive list, the destination path, the copy progress and the quit question.
//
// The core decides what a dialog shows and how it judges the user's OK (the
// free-space rule, the folder test); the platform only presents it. Each
// request therefore carries the texts to show and a callback for OK, which
// answers whether the dialog ends or shows a message and stays.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "resources/install_strings.h"

namespace vorna::platform {

/// The question every Cancel asks before a dialog gives up.
constexpr const char* kQuitText = "If you quit now this process will not complete.  Are you sure?";
constexpr const char* kQuitCaption = "Vorna";
/// The licence dialog keeps the caption of its template.
constexpr const char* kLicenceCaption = "License Agreement";

/// Ids of the message strings of the install dialogs.
enum class InstallString {
  SpaceNote = IDS_SPACE_NOTE,
  NoSpace = IDS_NO_SPACE,
  NoFolder = IDS_NO_FOLDER
};

/// The built-in text of a message string (the same text the resources carry).
inline std::string BuiltInString(InstallString id) {
  switch (id) {
    case InstallString::SpaceNote:
      return IDS_SPACE_NOTE_TEXT;
    case InstallString::NoSpace:
      return IDS_NO_SPACE_TEXT;
    case InstallString::NoFolder:
      return IDS_NO_FOLDER_TEXT;
  }
  return std::string();
}

/// How a dialog judges OK: accepted ends it with 1; otherwise message is shown
/// in a box (caption = the dialog's caption, one OK button) and it stays.
struct OkVerdict {
  bool accepted = false;
  std::string message;
};

/// One line of the drive list.
struct DriveLine {
  char letter = 'C';
  std::string text;  // "C:\tLABEL\t12 MEG"
};

struct DriveDialogRequest {
  std::string caption;      // the install name
  std::string programName;  // first line
  std::string copyright;    // second line
  std::string spaceNote;    // below the list
  std::vector<DriveLine> drives;
  int preselected = -1;  // index into drives, -1 for none
  std::function<OkVerdict(char letter)> onOk;
};

struct PathDialogRequest {
  std::string caption;  // the install name
  std::string path;     // the edit control's first text
  size_t maxLength = 63;
  std::function<OkVerdict(const std::string& path)> onOk;
};

struct LicenceDialogRequest {
  std::string text;
};

/// The copy that the progress dialog runs and watches. Start runs it on a
/// worker thread of its own; Pause and Stop take effect at the worker's next
/// safe point (between blocks of output), so no file is torn by a question.
class CopyJob {
 public:
  virtual ~CopyJob() = default;
  /// Clears the current-file text and starts the worker.
  virtual void Start() = 0;
  /// True once the current-file text carries the end mark "*".
  virtual bool Ended() const = 0;
  /// The destination path of the file being copied.
  virtual std::string CurrentFile() const = 0;
  /// Bytes copied so far divided by the set total, 0 to 1.
  virtual double Progress() const = 0;
  /// Bytes copied so far; they grow as a file's data is written.
  virtual double BytesCopied() const = 0;
  /// The bytes of the whole set.
  virtual double TotalBytes() const = 0;
  /// Holds the worker at its next safe point (before its first file when the
  /// job has not started yet).
  virtual void Pause() = 0;
  /// Lets a held worker go on.
  virtual void Resume() = 0;
  /// Ends the worker at its next safe point and waits for it.
  virtual void Stop() = 0;
};

struct ProgressDialogRequest {
  std::string caption;  // the install name
  CopyJob* job = nullptr;
};

/// How the dialogs end: 1 accepted (OK, Agree, copy finished), 0 quit.
constexpr int kDialogAccepted = 1;
constexpr int kDialogQuit = 0;

}  // namespace vorna::platform
