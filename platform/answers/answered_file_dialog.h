// The Open and Save As dialogs answered without a window: a question whose
// answer is the chosen path (or Cancel), written into the dialog record the
// way the Windows dialog fills it.
#pragma once

#include <string>

#include "platform/answers/answer_source.h"
#include "platform/interaction.h"

namespace vorna::platform {

/// Which of the two file dialogs is asked.
enum class FileDialogKind { Open, Save };

/// Asks for a path with the record's title, filter, folder and file name as
/// the question's text; true when a path was chosen and fits the record. OK
/// with an empty path counts as cancelled. Throws AnswersError as
/// AnswerSource::AskText does.
bool AskFileDialog(AnswerSource& answers, FileDialogKind kind, FileDialogRecord& record);

/// Writes a chosen path into the record as the dialog does: a relative path
/// is taken in the initial folder, a name without an extension gets the
/// default extension, and the file, file title and the two offsets are set.
/// False (the record unchanged) when the path does not fit the file buffer.
bool FillFileDialogRecord(FileDialogRecord& record, std::string path);

/// The filter pairs list ("Text\0*.TXT\0\0") as one transcript line
/// ("Text (*.TXT), ..."); the empty text for an empty list.
std::string DescribeFilter(const char* filter);

}  // namespace vorna::platform
