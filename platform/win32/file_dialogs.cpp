// The Open and Save As common dialogs, given the file dialog object's record
// as the ANSI dialog record without its Windows 2000 extension (76 bytes on
// 32-bit Windows).
#include <cstddef>

#include "platform/win32/win32_interaction.h"
#include "platform/win32/window_state.h"
#include "platform/win32/windows_api.h"  // with the common dialogs

namespace vorna::platform {

namespace {

// The Windows record up to its template name, in this platform's own layout.
// The object's record describes the 32-bit one; a 64-bit build (pointers of
// eight bytes) passes the same fields in its wider record.
constexpr DWORD kWindowsRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(kWindowsRecordSize == kFileDialogRecordSize,
              "the dialog record is the 76-byte ANSI form");
#endif

/// The Windows record for ours: the same fields, the program's instance, no
/// custom data, hook or template.
OPENFILENAMEA ToWindowsRecord(const FileDialogRecord& record) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = kWindowsRecordSize;
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
