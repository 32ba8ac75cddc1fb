#include "host/startup/record_sink.h"

namespace vorna {

namespace {

using namespace platform::event;

RecordEntry Entry(EntryKind kind, const std::string& name) {
  RecordEntry entry;
  entry.kind = kind;
  entry.name = name;
  return entry;
}

/// The record entry of a change event; nullopt for any other event.
std::optional<RecordEntry> EntryOf(const platform::InstallEvent& event) {
  if (const auto* file = std::get_if<FileWritten>(&event)) {
    RecordEntry entry = Entry(EntryKind::File, file->path);
    entry.origin =
        file->change == platform::FileChange::New ? FileOrigin::New : FileOrigin::Replaced;
    entry.size = file->size;
    entry.lastWrite = file->lastWrite;
    return entry;
  }
  if (const auto* folder = std::get_if<FolderCreated>(&event)) {
    return Entry(EntryKind::Folder, folder->path);
  }
  if (const auto* shortcut = std::get_if<ShortcutMade>(&event)) {
    return Entry(EntryKind::Shortcut, shortcut->path);
  }
  if (const auto* key = std::get_if<RegistryKeyCreated>(&event)) {
    return Entry(EntryKind::Key, key->key);
  }
  if (const auto* value = std::get_if<RegistryValueWritten>(&event)) {
    RecordEntry entry = Entry(EntryKind::Value, value->key);
    entry.valueName = value->name;
    return entry;
  }
  return std::nullopt;
}

}  // namespace

void RecordSink::Receive(const platform::InstallEvent& event) {
  if (std::optional<RecordEntry> entry = EntryOf(event)) {
    writer_.Note(*entry);
  } else if (const auto* library = std::get_if<LibraryRegistration>(&event)) {
    if (!library->succeeded) return;
    if (library->action == platform::LibraryAction::Register) {
      writer_.Note(Entry(EntryKind::Library, library->path));
    } else {
      writer_.ForgetLibrary(library->path);
    }
  } else if (const auto* started = std::get_if<UninstallRecordStarted>(&event)) {
    writer_.Start(started->record, started->product);
  }
}

}  // namespace vorna
