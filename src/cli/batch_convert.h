// Batch conversion: one entry a line (any form the date box takes,
// optionally followed by a tab and a time), one result a line. The input is
// streamed, so memory stays flat however long it is.
#pragma once

#include <istream>
#include <string>

#include "cli/session.h"

namespace vemla {

enum class BatchFormat { kTsv, kJson };

// Converts every line of `in`. A bad line gives an error record with its
// line number and the run goes on; kExitRefused when any line failed.
// `defaults` holds the time (of lines without one), element and animal.
int ConvertBatch(Session& session, std::istream& in, BatchFormat format,
                 const EntryOptions& defaults);

}  // namespace vemla
