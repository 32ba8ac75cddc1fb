// Everything that asks the user: message boxes and the modal dialogs.
//
// Dialogs are plain operations with inputs and outputs; the Windows
// implementation runs real dialog resources, the portable one asks on the
// terminal or takes answers from an answers file.
#pragma once

#include <optional>
#include <string>

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

class Interaction {
 public:
  virtual ~Interaction() = default;
  /// Shows a message box; answers the id of the button pressed (0 if it failed).
  virtual int MessageBox(Owner owner, const std::string& text, const std::string& caption,
                         unsigned style) = 0;
  virtual ErrorAnswer ErrorDialog(const ErrorReport& report) = 0;
  /// Runs the "User Input Needed" dialog with prompt; answers the text entered
  /// (at most kInputAnswerLength characters), nullopt when the user cancelled.
  /// A platform that has no user to ask answers as if cancelled.
  virtual std::optional<std::string> InputDialog(const std::string& prompt);
};

/// The longest answer the input dialog hands back.
constexpr size_t kInputAnswerLength = 2048;

}  // namespace vorna::platform
