#include "platform/SystemFigures.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace netloom {

namespace {

// mountinfo escapes blanks, tabs, newlines and backslashes as three octal digits.
std::string Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out += static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// True when mountPoint is path itself or one of its parent directories.
bool Holds(const std::string& mountPoint, const std::string& path) {
    if (mountPoint == "/") return !path.empty() && path[0] == '/';
    if (path.compare(0, mountPoint.size(), mountPoint) != 0) return false;
    return path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}

std::string CanonicalPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

}  // namespace

bool GetPhysicalMemoryBytes(uint64_t& bytes) {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return false;
    const uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
    bytes = static_cast<uint64_t>(info.totalram) * unit;
    return true;
}

uint64_t KilobytesOf(uint64_t blocks, uint64_t blockSize) {
    return blocks / 1024 * blockSize + blocks % 1024 * blockSize / 1024;
}

std::string MountPointFromMountInfo(std::string_view text, const std::string& canonicalPath) {
    std::string best = "/";
    size_t bestLength = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::istringstream line{std::string(text.substr(start, end - start))};
        start = end + 1;
        // Fields: mount id, parent id, major:minor, root, mount point, ...
        std::string id, parent, device, root, mountPoint;
        if (!(line >> id >> parent >> device >> root >> mountPoint)) continue;
        const std::string point = Unescape(mountPoint);
        if (point.empty() || point[0] != '/' || !Holds(point, canonicalPath)) continue;
        if (point.size() >= bestLength) {
            best = point;
            bestLength = point.size();
        }
    }
    return best;
}

bool GetDiskFreeSpace(const std::string& path, DiskFreeSpace& out) {
    struct statvfs fs {};
    if (path.empty() || statvfs(path.c_str(), &fs) != 0) return false;
    const uint64_t blockSize = fs.f_frsize != 0 ? fs.f_frsize : fs.f_bsize;
    out.freeKilobytes = KilobytesOf(static_cast<uint64_t>(fs.f_bavail), blockSize);
    const std::string canonical = CanonicalPath(path);
    std::ifstream mountinfo("/proc/self/mountinfo");
    const std::string text((std::istreambuf_iterator<char>(mountinfo)),
                           std::istreambuf_iterator<char>());
    out.mountPoint = MountPointFromMountInfo(text, canonical.empty() ? path : canonical);
    return true;
}

}  // namespace netloom
