// Lines of a stream converted in chunks on several threads and written in
// the order they came in. The reader holds only a few chunks at a time, so
// memory stays flat however long the input is.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace vemla {

// Converts one chunk: `lines` holds whole lines, each ended by '\n' (a
// carriage return before it already dropped), the first of them line number
// `first_number`; the results are appended to `out`. True when every line
// converted, false when any failed.
using ChunkConverter =
    std::function<bool(std::string_view lines, long first_number, std::string& out)>;

// Reads `in` on the calling thread and hands its lines in chunks to
// `workers` threads, each with its own converter made by `make_converter`
// (called on the calling thread before any work starts). The outputs are
// written to `out` strictly in input order. A chunk is handed over when it
// is full, or early when no more input is at hand and every worker is idle,
// so that entries typed one by one get their results at once. True when
// every line converted. An exception thrown by a converter stops the run
// and is thrown again here.
bool ConvertInOrderedChunks(std::istream& in, std::ostream& out, int workers,
                            const std::function<ChunkConverter()>& make_converter);

}  // namespace vemla
