// Lines converted in chunks on several threads: the output keeps the input's
// order and line numbers across the chunks' borders, one failed line fails
// the run, and a converter's exception reaches the caller.
#include "cli/ordered_chunks.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace vemla {
namespace {

// Writes "number text" a line; fails line `bad`, throws at line -`bad`.
std::function<ChunkConverter()> Echo(long bad) {
    return [bad]() -> ChunkConverter {
        return [bad](std::string_view lines, long number, std::string& out) {
            bool converted = true;
            for (size_t start = 0; start < lines.size(); ++number) {
                const size_t end = lines.find('\n', start);
                if (number == -bad) throw std::runtime_error("converter");
                out += std::to_string(number) + ' ';
                out.append(lines.substr(start, end - start)) += '\n';
                converted = converted && number != bad;
                start = end + 1;
            }
            return converted;
        };
    };
}

TEST(OrderedChunks, OrderLineNumbersAndFailureAcrossChunkBorders) {
    std::string input, expected;
    for (int i = 1; i <= 20000; ++i) {
        input += std::to_string(i * 7) + (i % 3 ? "\r\n" : "\n");
        expected += std::to_string(i) + ' ' + std::to_string(i * 7) + '\n';
    }
    input.pop_back();  // the last line without its end
    for (long bad : {0L, 4096L, 4097L, 20000L}) {
        std::istringstream in(input);
        std::ostringstream out;
        EXPECT_EQ(ConvertInOrderedChunks(in, out, 4, Echo(bad)), bad == 0) << bad;
        EXPECT_TRUE(out.str() == expected) << bad;  // too long to print
    }
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_THROW(ConvertInOrderedChunks(in, out, 2, Echo(-9000)), std::runtime_error);
}

}  // namespace
}  // namespace vemla
