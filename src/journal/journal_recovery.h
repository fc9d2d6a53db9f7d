#pragma once
// Start-up's recovery of the journals that instances which are gone left beside the log: each
// record is appended to the log exactly as its close would have appended it, oldest first, and
// its journal deleted. Nothing is asked of the user; what could not be done is returned.
#include "journal/journal_log.h"

#include <string>
#include <vector>

namespace journal {

// Recovers every orphaned journal of the log; a live instance's journal is left alone. Returns
// one sentence for each journal that was damaged (it is set aside), that could not be read, or
// whose record could not be appended (it stays, with every later one, for the next start).
std::vector<std::string> RecoverJournals(const TLog& log);

} // namespace journal
