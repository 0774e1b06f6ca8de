#include "app/state_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "app/state_file.h"

namespace vemla {

namespace {

FileError ErrorOf(int code) { return {code, std::generic_category().message(code)}; }

// Closes a descriptor when it goes out of scope, unless released.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now and reports the error of close, 0 when none.
    int Close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// 0, or the error number of the first failing write.
int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Makes a rename in the folder durable. A failure here is not reported: the
// new file is already in place and complete.
void SyncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<FileError> SaveStateFile(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = (folder / path.filename()).string() + ".tmp-XXXXXX";
    std::vector<char> temp_name(name.begin(), name.end());
    temp_name.push_back('\0');

    Descriptor file(::mkostemp(temp_name.data(), O_CLOEXEC));
    if (file.Get() < 0) return ErrorOf(errno);

    int error = WriteAll(file.Get(), text);
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    if (int close_error = file.Close(); error == 0) error = close_error;
    if (error == 0 && ::rename(temp_name.data(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp_name.data());
        return ErrorOf(error);
    }
    SyncFolder(folder);
    return std::nullopt;
}

std::variant<std::string, FileError> ReadStateFile(const std::filesystem::path& path) {
    // Non-blocking, so that a named pipe in place of the file cannot hang the
    // program; it is refused below like any other special file.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0) return ErrorOf(errno);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) return ErrorOf(errno);
    if (S_ISDIR(status.st_mode)) return ErrorOf(EISDIR);
    if (!S_ISREG(status.st_mode)) return ErrorOf(EINVAL);
    if (status.st_size > static_cast<off_t>(kMaxStateFileSize)) return ErrorOf(EFBIG);

    // The file may grow while it is read: read one byte beyond the limit to
    // notice that.
    std::string text(kMaxStateFileSize + 1, '\0');
    std::size_t size = 0;
    while (size < text.size()) {
        ssize_t got = ::read(file.Get(), text.data() + size, text.size() - size);
        if (got < 0) {
            if (errno == EINTR) continue;
            return ErrorOf(errno);
        }
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
    }
    if (size > kMaxStateFileSize) return ErrorOf(EFBIG);
    text.resize(size);
    return text;
}

}  // namespace vemla
