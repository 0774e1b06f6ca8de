#include "app/state_file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "app/state_file.h"

namespace vemla {

namespace {

FileError ErrorOf(int code) {
    return {code, std::generic_category().message(code)};
}

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

// The file a path names once every symbolic link on it is followed (the
// path itself when it is no link).
std::variant<std::filesystem::path, FileError> FileBehindLinks(const std::filesystem::path& path) {
    std::filesystem::path file = path;
    // As many links as the system itself follows before it gives up (ELOOP).
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(file.c_str(), &status) != 0) {
            if (errno == ENOENT) return file;  // a new file, or a link to one not yet written
            return ErrorOf(errno);
        }
        if (!S_ISLNK(status.st_mode)) return file;
        std::vector<char> target(
            static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1);
        const ssize_t length = ::readlink(file.c_str(), target.data(), target.size());
        if (length < 0) return ErrorOf(errno);
        if (static_cast<std::size_t>(length) >= target.size()) return ErrorOf(ENAMETOOLONG);
        const std::filesystem::path next(
            std::string(target.data(), static_cast<std::size_t>(length)));
        // A relative target is read from the folder that holds the link.
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return ErrorOf(ELOOP);
}

// Removes the temporary files that saves of `path` left behind when they were
// killed.
void RemoveStaleTemporaryFiles(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    const std::string prefix = path.filename().string() + std::string(kTemporarySuffix);
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return;
    const uid_t me = ::geteuid();
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        // mkstemp's six letters and digits after our prefix, nothing else.
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix) continue;
        bool ours = true;
        for (char c : name.substr(prefix.size()))
            if (!std::isalnum(static_cast<unsigned char>(c))) ours = false;
        if (!ours) continue;
        const int fd = ::openat(::dirfd(listing), entry->d_name,
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        Descriptor file(fd);
        struct stat status {};
        // A save still running holds the lock on its file; a killed one
        // released it when its process ended.
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == me &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
    ::closedir(listing);
}

}  // namespace

std::optional<FileError> SaveStateFile(const std::filesystem::path& path, std::string_view text) {
    // A state file that is a symbolic link (kept by a dotfile manager) stays
    // one: the save replaces the file the link leads to, in that file's folder.
    auto behind = FileBehindLinks(path);
    if (auto* error = std::get_if<FileError>(&behind)) return *error;
    const std::filesystem::path file = std::get<std::filesystem::path>(behind);
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    RemoveStaleTemporaryFiles(file);

    std::string name =
        (folder / file.filename()).string() + std::string(kTemporarySuffix) + "XXXXXX";
    std::vector<char> temp_name(name.begin(), name.end());
    temp_name.push_back('\0');

    Descriptor temp(::mkostemp(temp_name.data(), O_CLOEXEC));
    if (temp.Get() < 0) return ErrorOf(errno);
    // Held until the file is renamed or removed: it tells a save in another
    // process that this file is not stale.
    ::flock(temp.Get(), LOCK_EX | LOCK_NB);

    int error = WriteAll(temp.Get(), text);
    if (error == 0 && ::fsync(temp.Get()) != 0) error = errno;
    if (error == 0 && ::rename(temp_name.data(), file.c_str()) != 0) error = errno;
    // Closed only now, so that the lock lasts until the rename; the data is
    // on the disk already, so an error of close no longer matters.
    temp.Close();
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
