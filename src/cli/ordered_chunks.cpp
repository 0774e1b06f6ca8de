#include "cli/ordered_chunks.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vemla {
namespace {

// A chunk is full at this many lines or bytes: large enough that handing it
// over costs nothing beside its conversion, small enough to keep memory low.
constexpr size_t kChunkLines = 4096;
constexpr size_t kChunkBytes = 256 * 1024;

struct Chunk {
    long sequence = 0;      // its place among the chunks, from 0
    long first_number = 1;  // the line number of its first line
    size_t line_count = 0;
    std::string lines;
};

// The chunks between the reader and the workers, and whose output is next.
class ChunkQueue {
  public:
    ChunkQueue(std::ostream& out, size_t capacity) : out_(out), capacity_(capacity) {}

    // Hands a chunk to the workers, waiting while the queue is full; false
    // when the run has stopped.
    bool Put(Chunk chunk) {
        {
            std::unique_lock lock(mutex_);
            space_.wait(lock, [&] { return stopped_ || pending_.size() < capacity_; });
            if (stopped_) return false;
            pending_.push_back(std::move(chunk));
        }
        work_.notify_one();
        return true;
    }

    // No chunk waits and none is being converted.
    bool Idle() {
        std::lock_guard lock(mutex_);
        return pending_.empty() && busy_ == 0;
    }

    void EndOfInput() {
        {
            std::lock_guard lock(mutex_);
            input_ended_ = true;
        }
        work_.notify_all();
    }

    // Ends the run at once after a failure; the first exception is kept.
    void Stop(std::exception_ptr error) {
        {
            std::lock_guard lock(mutex_);
            if (!error_) error_ = std::move(error);
            stopped_ = true;
        }
        work_.notify_all();
        space_.notify_all();
        turn_.notify_all();
    }

    // A worker's loop: takes chunks until the input has ended, converts
    // them, and writes each output when all before it have been written.
    // Whatever it throws (a converter, a stream that throws) stops the run.
    void Work(const ChunkConverter& convert) {
        try {
            std::string output;
            for (Chunk chunk; Take(chunk);) {
                output.clear();
                const bool converted = convert(chunk.lines, chunk.first_number, output);
                if (!AwaitTurn(chunk.sequence)) return;
                // Only the worker whose turn it is writes: the stream needs no lock.
                out_.write(output.data(), static_cast<std::streamsize>(output.size()));
                // The results of typed entries show before the next is read.
                out_.flush();
                {
                    std::lock_guard lock(mutex_);
                    ++written_;
                    --busy_;
                    all_converted_ = all_converted_ && converted;
                }
                turn_.notify_all();
            }
        } catch (...) {
            Stop(std::current_exception());
        }
    }

    // True when every line converted; throws what a converter threw.
    bool Result() const {
        if (error_) std::rethrow_exception(error_);
        return all_converted_;
    }

  private:
    bool Take(Chunk& chunk) {
        {
            std::unique_lock lock(mutex_);
            work_.wait(lock, [&] { return stopped_ || input_ended_ || !pending_.empty(); });
            if (stopped_ || pending_.empty()) return false;
            chunk = std::move(pending_.front());
            pending_.pop_front();
            ++busy_;
        }
        space_.notify_one();
        return true;
    }

    bool AwaitTurn(long sequence) {
        std::unique_lock lock(mutex_);
        turn_.wait(lock, [&] { return stopped_ || written_ == sequence; });
        return !stopped_;
    }

    std::ostream& out_;
    const size_t capacity_;
    std::mutex mutex_;
    std::condition_variable work_;   // a chunk waits, the input ended or the run stopped
    std::condition_variable space_;  // a chunk was taken from the queue
    std::condition_variable turn_;   // a chunk's output was written
    std::deque<Chunk> pending_;
    long written_ = 0;  // chunks written so far: the sequence number of the next
    int busy_ = 0;      // chunks taken and not yet written
    bool input_ended_ = false;
    bool stopped_ = false;
    bool all_converted_ = true;
    std::exception_ptr error_;
};

// Reads the lines of `in` into chunks for the queue until the input ends
// or the run stops.
void ReadChunks(std::istream& in, ChunkQueue& queue) {
    Chunk chunk;
    long number = 1;
    for (std::string line; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (chunk.line_count == 0) chunk.first_number = number;
        chunk.lines += line;
        chunk.lines += '\n';
        ++chunk.line_count;
        const bool full = chunk.line_count >= kChunkLines || chunk.lines.size() >= kChunkBytes;
        if (!full && (in.rdbuf()->in_avail() > 0 || !queue.Idle())) continue;
        const long next = chunk.sequence + 1;
        if (!queue.Put(std::move(chunk))) return;
        chunk = Chunk{};
        chunk.sequence = next;
    }
    if (chunk.line_count > 0) queue.Put(std::move(chunk));
}

}  // namespace

bool ConvertInOrderedChunks(std::istream& in, std::ostream& out, int workers,
                            const std::function<ChunkConverter()>& make_converter) {
    workers = std::max(workers, 1);
    std::vector<ChunkConverter> converters;
    for (int i = 0; i < workers; ++i) converters.push_back(make_converter());
    ChunkQueue queue(out, 2 * static_cast<size_t>(workers));
    // Reading must not flush the output (standard input flushes standard
    // output): the workers write it, and flush it after each chunk instead.
    std::ostream* const tied = in.tie(nullptr);
    std::vector<std::jthread> threads;
    try {
        for (const ChunkConverter& convert : converters)
            threads.emplace_back([&queue, &convert] { queue.Work(convert); });
        ReadChunks(in, queue);
    } catch (...) {
        queue.Stop(std::current_exception());
    }
    queue.EndOfInput();
    for (std::jthread& thread : threads) thread.join();
    in.tie(tied);
    return queue.Result();
}

}  // namespace vemla
