#include "platform/portable/open_file_table.h"

#include <algorithm>

namespace vorna::platform {

namespace {

bool Has(unsigned set, unsigned bit) {
  return (set & bit) != 0;
}

// Windows grants a second open only when each side shares what the other asks for.
bool Compatible(Access oldAccess, Share oldShare, Access newAccess, Share newShare) {
  unsigned oa = static_cast<unsigned>(oldAccess), os = static_cast<unsigned>(oldShare);
  unsigned na = static_cast<unsigned>(newAccess), ns = static_cast<unsigned>(newShare);
  const unsigned read = static_cast<unsigned>(Access::Read);
  const unsigned write = static_cast<unsigned>(Access::Write);
  if (Has(na, read) && !Has(os, read)) return false;
  if (Has(na, write) && !Has(os, write)) return false;
  if (Has(oa, read) && !Has(ns, read)) return false;
  if (Has(oa, write) && !Has(ns, write)) return false;
  return true;
}

}  // namespace

bool OpenFileTable::Allows(const FileKey& key, Access access, Share share) const {
  auto found = open_.find(key);
  if (found == open_.end()) return true;
  for (const Entry& entry : found->second) {
    if (!Compatible(entry.access, entry.share, access, share)) return false;
  }
  return true;
}

bool OpenFileTable::IsOpen(const FileKey& key) const {
  auto found = open_.find(key);
  return found != open_.end() && !found->second.empty();
}

uint64_t OpenFileTable::Add(const FileKey& key, Access access, Share share) {
  uint64_t ticket = nextTicket_++;
  open_[key].push_back(Entry{ticket, access, share});
  return ticket;
}

void OpenFileTable::Remove(const FileKey& key, uint64_t ticket) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = open_.find(key);
  if (found == open_.end()) return;
  std::vector<Entry>& entries = found->second;
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [ticket](const Entry& e) { return e.ticket == ticket; }),
                entries.end());
  if (entries.empty()) open_.erase(found);
}

}  // namespace vorna::platform
