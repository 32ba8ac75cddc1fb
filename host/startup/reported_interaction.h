// Every question of the run reported with its answer: an interaction that
// hands each message box and dialog to the one that really asks (a window,
// the sandbox's transcript, an answers file) and reports what was asked and
// what the answer was to the run's events.
#pragma once

#include "platform/platform.h"

namespace vorna {

class ReportedInteraction : public platform::Interaction {
 public:
  /// Asks through inner and reports to machine's events; both outlive it.
  ReportedInteraction(platform::Interaction& inner, const platform::Platform& machine);

  int MessageBox(platform::Owner owner, const std::string& text, const std::string& caption,
                 unsigned style) override;
  platform::ErrorAnswer ErrorDialog(const platform::ErrorReport& report) override;
  bool OpenFileDialog(platform::FileDialogRecord& record) override;
  bool SaveFileDialog(platform::FileDialogRecord& record) override;
  std::optional<std::string> InputDialog(const std::string& prompt) override;
  int LicenceDialog(const platform::LicenceDialogRequest& request) override;
  int DriveDialog(const platform::DriveDialogRequest& request) override;
  int PathDialog(const platform::PathDialogRequest& request) override;
  int ProgressDialog(const platform::ProgressDialogRequest& request) override;
  bool ConfirmQuit() override;
  void ShowBackdrop(bool visible) override;
  std::string MessageString(platform::InstallString id) override;

 private:
  void Report(const char* kind, const std::string& title, const std::string& text,
              const std::string& answer);
  /// Reports an OK that a dialog refused, with the message it then shows.
  void Refused(const char* kind, const std::string& caption, const platform::OkVerdict& verdict,
               const std::string& answer);

  platform::Interaction& inner_;
  const platform::Platform& machine_;
};

/// The name of a message box button by its id ("OK", "Cancel", ...; the
/// number for an id no box has).
std::string ButtonName(int id);

}  // namespace vorna
