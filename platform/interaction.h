// Everything that asks the user: message boxes and the modal dialogs.
//
// Dialogs are plain operations with inputs and outputs; the Windows
// implementation runs real dialog resources, the portable one asks on the
// terminal or takes answers from an answers file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/install_dialogs.h"

namespace vorna::platform {

/// Message box styles and answers use the Windows numbers, because scripts pass
/// and test them as numbers (MB_OK = 0, MB_OKCANCEL = 1, ..., IDOK = 1, ...).
namespace mb {
constexpr unsigned Ok = 0x0;
constexpr unsigned OkCancel = 0x1;
constexpr unsigned IconHand = 0x10;
constexpr unsigned IconExclamation = 0x30;
}  // namespace mb
namespace id {
constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}  // namespace id

/// The kinds of question, by the word that names them in answers files and logs.
namespace question {
constexpr const char* kMessageBox = "msgbox";
constexpr const char* kErrorDialog = "error";
constexpr const char* kLicence = "license";
constexpr const char* kDrive = "drive";
constexpr const char* kPath = "path";
constexpr const char* kQuit = "quit";
constexpr const char* kProgress = "progress";
constexpr const char* kInputDialog = "input";
constexpr const char* kOpenFile = "open";
constexpr const char* kSaveFile = "save";
}  // namespace question

/// Whose window owns a box: none (a start-up message) or the backdrop.
enum class Owner { None, Backdrop };

/// What the error dialog shows.
struct ErrorReport {
  std::string module;
  std::string procedure;
  std::string message;
  std::string statement;
  bool debugEnabled = false;
};

/// The error dialog's answers, numbered as its buttons.
enum class ErrorAnswer { Failed = 0, Abort = 1, Ignore = 2, Retry = 3, Debug = 4 };

/// Size of the Windows ANSI common-dialog record the file dialogs are given.
constexpr uint32_t kFileDialogRecordSize = 76;
/// The flags of a fresh file dialog record: the Explorer-style dialog.
constexpr uint32_t kExplorerDialogFlag = 0x80000;

/// The common file dialog's record as a file dialog object keeps it: the
/// fields of the Windows ANSI record in their order, its texts pointing at
/// buffers the object owns. A dialog reads the record and fills in place the
/// file and file-title buffers (never beyond maxFile and maxFileTitle bytes),
/// the flags, the filter index and the two offsets into the file text. The
/// module instance, custom data, hook and template of the Windows record are
/// the implementation's: the program's own instance and none.
struct FileDialogRecord {
  uint32_t structSize = kFileDialogRecordSize;
  Owner owner = Owner::None;
  const char* filter = nullptr;  // description/pattern pairs, ended by two NULs
  char* customFilter = nullptr;
  uint32_t maxCustomFilter = 0;
  uint32_t filterIndex = 0;
  char* file = nullptr;  // in: the initial name; out: the chosen path
  uint32_t maxFile = 0;
  char* fileTitle = nullptr;  // out: the chosen name without its folder
  uint32_t maxFileTitle = 0;
  const char* initialDir = nullptr;
  const char* title = nullptr;  // empty: the dialog's own caption
  uint32_t flags = kExplorerDialogFlag;
  uint16_t fileOffset = 0;     // out: where the name starts in file
  uint16_t fileExtension = 0;  // out: where the extension starts in file (0: none)
  const char* defaultExtension = nullptr;
};

class Interaction {
 public:
  virtual ~Interaction() = default;
  /// Shows a message box; answers the id of the button pressed (0 if it failed).
  virtual int MessageBox(Owner owner, const std::string& text, const std::string& caption,
                         unsigned style) = 0;
  virtual ErrorAnswer ErrorDialog(const ErrorReport& report) = 0;
  /// Shows the Open dialog for record; true when the user chose a file (the
  /// record then holds it). An interaction without file dialogs (a tool that
  /// never runs scripts) answers false, as a cancelled dialog does.
  virtual bool OpenFileDialog(FileDialogRecord& record);
  /// Shows the Save As dialog for record; answers as OpenFileDialog.
  virtual bool SaveFileDialog(FileDialogRecord& record);
  /// Runs the "User Input Needed" dialog with prompt; answers the text entered
  /// (at most kInputAnswerLength characters), nullopt when the user cancelled.
  /// A platform that has no user to ask answers as if cancelled.
  virtual std::optional<std::string> InputDialog(const std::string& prompt);

  // The install dialogs (install_dialogs.h). An interaction without them (a
  // tool that never installs) answers as if the user had quit.
  /// Shows the licence agreement; kDialogAccepted when the user agreed.
  virtual int LicenceDialog(const LicenceDialogRequest& request);
  /// Shows the drive list; kDialogAccepted when OK was accepted.
  virtual int DriveDialog(const DriveDialogRequest& request);
  /// Shows the destination path; kDialogAccepted when OK was accepted.
  virtual int PathDialog(const PathDialogRequest& request);
  /// Runs the copy job with the progress dialog; kDialogAccepted when it ended.
  virtual int ProgressDialog(const ProgressDialogRequest& request);
  /// Asks the quit question; true when the user chose Yes.
  virtual bool ConfirmQuit();
  /// Shows or hides the backdrop window.
  virtual void ShowBackdrop(bool visible);
  /// A message string of the install dialogs.
  virtual std::string MessageString(InstallString id);
};

/// The longest answer the input dialog hands back.
constexpr size_t kInputAnswerLength = 2048;

inline bool Interaction::OpenFileDialog(FileDialogRecord&) {
  return false;
}
inline bool Interaction::SaveFileDialog(FileDialogRecord&) {
  return false;
}

}  // namespace vorna::platform
