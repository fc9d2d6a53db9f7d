#pragma once
// The error a failed file operation raises, with the system's error code and the program's text
// for it; the journal's file work and the log's (app/log_file.h) report alike.
#include "ui/exception.h"

namespace journal {

ui::EInOutError FileError(unsigned long errorCode);

} // namespace journal
