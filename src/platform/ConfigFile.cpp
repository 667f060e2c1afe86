#include "platform/ConfigFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/TextRoom.h"

namespace netloom {

namespace {

const char kNotARegularFile[] = "It is not a regular file.";

std::string SystemReason(int error) {
    return std::strerror(error);
}

std::string TooLarge() {
    return "The file is larger than " + std::to_string(kMaxConfigurationFileSize / (1024 * 1024)) +
           " MB.";
}

// Why a file of this type cannot be a configuration file; empty for a regular file. A directory
// is refused with the reason the system gives for reading one; pipes and devices have none.
std::string Refusal(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return SystemReason(EISDIR);
    if (!S_ISREG(st.st_mode)) return kNotARegularFile;
    return std::string();
}

// Closes fd on every way out of a scope; a failure to close after reading loses nothing.
class CDescriptor {
  public:
    explicit CDescriptor(int fd) : m_fd(fd) {}
    ~CDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Hands the descriptor over to the caller.
    int Release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now; the system's error number, or 0.
    int Close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int m_fd;
};

}  // namespace

namespace {

// Opens a regular file of at most the size limit for reading; -1 with the reason otherwise.
int OpenConfigurationFile(const std::string& path, struct stat& st, std::string& reason) {
    // The type is known before opening: opening a device may already act on it, and opening a
    // pipe for reading waits for a writer.
    if (::stat(path.c_str(), &st) != 0) {
        reason = SystemReason(errno);
        return -1;
    }
    reason = Refusal(st);
    if (!reason.empty()) return -1;
    CDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0) {
        reason = SystemReason(errno);
        return -1;
    }
    // The path may have been replaced in between.
    if (::fstat(file.Get(), &st) != 0) {
        reason = SystemReason(errno);
        return -1;
    }
    reason = Refusal(st);
    if (!reason.empty()) return -1;
    if (st.st_size > kMaxConfigurationFileSize) {
        reason = TooLarge();
        return -1;
    }
    return file.Release();
}

}  // namespace

CConfigFileReader::~CConfigFileReader() {
    if (m_fd >= 0) ::close(m_fd);
}

bool CConfigFileReader::Open(const std::string& path, std::string& reason) {
    if (m_fd >= 0) ::close(m_fd);
    m_nRead = 0;
    struct stat st {};
    m_fd = OpenConfigurationFile(path, st, reason);
    return m_fd >= 0;
}

bool CConfigFileReader::ReadMore(std::string& bytes, std::string& reason) {
    reason.clear();
    if (m_fd < 0) return false;
    constexpr size_t kPiece = 1 << 20;
    const size_t start = bytes.size();
    bytes.resize(start + kPiece);
    ssize_t n = 0;
    do {
        n = ::read(m_fd, &bytes[start], kPiece);
    } while (n < 0 && errno == EINTR);
    if (n < 0) reason = SystemReason(errno);
    bytes.resize(start + static_cast<size_t>(n > 0 ? n : 0));
    if (n > 0) m_nRead += n;
    if (m_nRead > kMaxConfigurationFileSize) reason = TooLarge();
    if (n <= 0 || !reason.empty()) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

bool ReadConfigurationFile(const std::string& path, std::string& bytes, std::string& reason) {
    struct stat st {};
    CDescriptor file(OpenConfigurationFile(path, st, reason));
    if (file.Get() < 0) return false;
    // Read straight into the result, sized for the whole file and one byte more, so that the
    // end shows without a second buffer. A file that grows meanwhile is read on to its new end.
    MakeTextRoom(bytes, static_cast<size_t>(st.st_size) + 1);
    bytes.resize(static_cast<size_t>(st.st_size) + 1);
    size_t done = 0;
    for (;;) {
        const ssize_t n = ::read(file.Get(), &bytes[done], bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            reason = SystemReason(errno);
            bytes.clear();
            return false;
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
        if (done > static_cast<size_t>(kMaxConfigurationFileSize)) {
            reason = TooLarge();
            bytes.clear();
            return false;
        }
        if (done == bytes.size()) bytes.resize(bytes.size() + bytes.size() / 2 + 4096);
    }
    bytes.resize(done);
    return true;
}

namespace {

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a save to path writes: the end of its chain of symbolic links, which need not exist
// yet (a link to a file still to be created). False with the reason in error when the chain
// cannot be followed.
bool SaveTarget(const std::string& path, std::string& target, int& error) {
    // As many links as the system itself follows in one path.
    constexpr int kMaxLinks = 40;
    target = path;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            error = errno;
            return error == ENOENT && !target.empty();
        }
        if (!S_ISLNK(st.st_mode)) return true;
        if (links == kMaxLinks) {
            error = ELOOP;
            return false;
        }
        char link[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), link, sizeof link);
        if (n < 0 || static_cast<size_t>(n) == sizeof link) {
            error = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        const std::string next(link, static_cast<size_t>(n));
        target = next[0] == '/' ? next : DirectoryOf(target) + '/' + next;
    }
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Creates a new, empty temporary file in directory; its descriptor, or -1 with the reason in
// error. Created with mode, under the process's umask and the directory's default permissions,
// as the file itself would be. O_EXCL never opens what is there already, a planted link
// included, so the name need only be free, not unguessable.
int CreateTemporary(const std::string& directory, mode_t mode, std::string& name, int& error) {
    static std::atomic<unsigned> s_count{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name =
            directory + "/.netloom-" + std::to_string(::getpid()) + '-' + std::to_string(s_count++);
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    error = errno;
    return -1;
}

}  // namespace

bool WriteConfigurationFile(const std::string& path, std::string_view bytes, std::string& reason) {
    int error = 0;
    std::string target;
    if (!SaveTarget(path, target, error)) {
        reason = SystemReason(error);
        return false;
    }
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed) {
        reason = Refusal(old);
        if (!reason.empty()) return false;
        // Renaming over a file would replace it even where it may not be written.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            reason = SystemReason(errno);
            return false;
        }
    }
    std::string temporary;
    CDescriptor file(CreateTemporary(DirectoryOf(target), existed ? 0600 : 0666, temporary, error));
    if (file.Get() < 0) {
        reason = SystemReason(error);
        return false;
    }
    bool written = WriteAll(file.Get(), bytes, error);
    // The whole mode, set-group-ID and sticky bits too: the temporary file is the user's own.
    if (written && existed && ::fchmod(file.Get(), old.st_mode & 07777) != 0) {
        error = errno;
        written = false;
    }
    if (written && ::fsync(file.Get()) != 0) {
        error = errno;
        written = false;
    }
    const int closed = file.Close();
    if (written && closed != 0) {
        error = closed;
        written = false;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        written = false;
    }
    if (!written) {
        // Nothing more can be done about a temporary file that cannot be removed either.
        static_cast<void>(::unlink(temporary.c_str()));
        reason = SystemReason(error);
        return false;
    }
    return true;
}

}  // namespace netloom
