#include "statements/open_flags.h"

#include "script/activation.h"
#include "script/file_slots.h"
#include "script/keywords.h"
#include "values/errors.h"

namespace vorna {

namespace {

/// The keyword at the cursor, which must be there ("Illegal Use" otherwise).
const Keyword& RequireKeyword(StatementCursor& cursor) {
  cursor.SkipBlanks();
  const Keyword* keyword = cursor.ReadKeyword();
  if (keyword == nullptr) Raise(errorNumbers::IllegalUse);
  return *keyword;
}

// FOR mode
uint32_t ReadModeClause(StatementCursor& cursor) {
  switch (RequireKeyword(cursor).id) {
    case KeywordId::Append:
      return fileMode::Append;
    case KeywordId::Binary:
      return fileMode::Binary;
    case KeywordId::Input:
      return fileMode::Input;
    case KeywordId::Output:
      return fileMode::Output;
    case KeywordId::Random:
      return fileMode::Random;
    default:
      Raise(errorNumbers::InvalidUseOfKeyword);
  }
}

// ACCESS READ | ACCESS WRITE | ACCESS READ WRITE; another keyword grants nothing.
uint32_t ReadAccessClause(StatementCursor& cursor) {
  KeywordId id = RequireKeyword(cursor).id;
  if (id == KeywordId::Read) {
    bool alsoWrite = cursor.MatchKeyword(KeywordId::Write, Prefix::NotAllowed);
    return fileMode::AccessRead | (alsoWrite ? fileMode::AccessWrite : 0);
  }
  return id == KeywordId::Write ? fileMode::AccessWrite : 0;
}

// LOCK READ | LOCK WRITE | LOCK READ WRITE
uint32_t ReadLockClause(StatementCursor& cursor) {
  if (cursor.MatchKeyword(KeywordId::Read, Prefix::NotAllowed)) {
    bool alsoWrite = cursor.MatchKeyword(KeywordId::Write, Prefix::NotAllowed);
    return fileMode::LockRead | (alsoWrite ? fileMode::LockWrite : 0);
  }
  return cursor.MatchKeyword(KeywordId::Write, Prefix::NotAllowed) ? fileMode::LockWrite : 0;
}

}  // namespace

uint32_t ReadOpenFlags(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  uint32_t flags = 0;
  if (cursor.MatchKeyword(KeywordId::For, Prefix::NotAllowed)) flags |= ReadModeClause(cursor);
  if (cursor.MatchKeyword(KeywordId::Access, Prefix::NotAllowed)) flags |= ReadAccessClause(cursor);
  if (cursor.MatchKeyword(KeywordId::Shared, Prefix::NotAllowed)) {
    flags |= fileMode::Shared;
  } else if (cursor.MatchKeyword(KeywordId::Lock, Prefix::NotAllowed)) {
    flags |= ReadLockClause(cursor);
  } else {
    flags |= fileMode::Shared;
  }
  return flags;
}

OpenRequest MapOpenFlags(uint32_t flags) {
  unsigned access = 0;
  if (flags & (fileMode::Input | fileMode::AccessRead)) access |= unsigned(platform::Access::Read);
  if (flags & (fileMode::Output | fileMode::AccessWrite)) {
    access |= unsigned(platform::Access::Write);
  }
  unsigned share = unsigned(platform::Share::ReadWrite);
  if (!(flags & fileMode::Shared)) {
    share = 0;
    if (!(flags & fileMode::LockWrite)) share |= unsigned(platform::Share::Write);
    if (!(flags & fileMode::LockRead)) share |= unsigned(platform::Share::Read);
  }
  constexpr uint32_t kCreating =
      fileMode::Append | fileMode::Binary | fileMode::Output | fileMode::Random;
  platform::Creation creation =
      (flags & kCreating) ? platform::Creation::OpenAlways : platform::Creation::OpenExisting;
  return {platform::Access(access), platform::Share(share), creation};
}

}  // namespace vorna
