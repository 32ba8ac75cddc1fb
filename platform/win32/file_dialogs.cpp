// The Open and Save As common dialogs, given the file dialog object's record
// as the 76-byte ANSI dialog record.
#include <cstddef>

#include "platform/win32/win32_interaction.h"
#include "platform/win32/window_state.h"
#include "platform/win32/windows_api.h"  // with the common dialogs

namespace vorna::platform {

namespace {

static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == kFileDialogRecordSize,
              "the dialog record is the 76-byte ANSI form");

/// The Windows record for ours: the same fields, the program's instance, no
/// custom data, hook or template.
OPENFILENAMEA ToWindowsRecord(const FileDialogRecord& record) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = record.structSize;
  dialog.hwndOwner = record.owner == Owner::Backdrop ? BackdropWindow() : nullptr;
  dialog.hInstance = Instance();
  dialog.lpstrFilter = record.filter;
  dialog.lpstrCustomFilter = record.customFilter;
  dialog.nMaxCustFilter = record.maxCustomFilter;
  dialog.nFilterIndex = record.filterIndex;
  dialog.lpstrFile = record.file;
  dialog.nMaxFile = record.maxFile;
  dialog.lpstrFileTitle = record.fileTitle;
  dialog.nMaxFileTitle = record.maxFileTitle;
  dialog.lpstrInitialDir = record.initialDir;
  dialog.lpstrTitle = record.title;
  dialog.Flags = record.flags;
  dialog.lpstrDefExt = record.defaultExtension;
  return dialog;
}

/// Copies back what the dialog wrote outside the text buffers.
void TakeResults(const OPENFILENAMEA& dialog, FileDialogRecord& record) {
  record.flags = dialog.Flags;
  record.filterIndex = dialog.nFilterIndex;
  record.fileOffset = dialog.nFileOffset;
  record.fileExtension = dialog.nFileExtension;
}

}  // namespace

bool Win32Interaction::OpenFileDialog(FileDialogRecord& record) {
  OPENFILENAMEA dialog = ToWindowsRecord(record);
  BOOL chosen = GetOpenFileNameA(&dialog);
  TakeResults(dialog, record);
  return chosen == TRUE;
}

bool Win32Interaction::SaveFileDialog(FileDialogRecord& record) {
  OPENFILENAMEA dialog = ToWindowsRecord(record);
  BOOL chosen = GetSaveFileNameA(&dialog);
  TakeResults(dialog, record);
  return chosen == TRUE;
}

}  // namespace vorna::platform
