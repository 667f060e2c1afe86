#pragma once
// Physical memory and free disk space, as the About box shows them. All figures are 64-bit so
// that machines and disks beyond 4 GB are shown correctly.

#include <cstdint>
#include <string>
#include <string_view>

namespace netloom {

// The installed physical memory in bytes; false when it cannot be learned.
bool GetPhysicalMemoryBytes(uint64_t& bytes);

struct DiskFreeSpace {
    uint64_t freeKilobytes = 0;  // space an unprivileged user may still fill
    std::string mountPoint;      // where the file system that holds the path is mounted
};

// The free space of the file system that holds path; false when it cannot be learned.
bool GetDiskFreeSpace(const std::string& path, DiskFreeSpace& out);

// blocks * blockSize / 1024 without overflowing for any file system size.
uint64_t KilobytesOf(uint64_t blocks, uint64_t blockSize);

// The mount point, among the lines of /proc/self/mountinfo in text, that holds the absolute
// path canonicalPath (the longest matching one, the last mounted on a tie); "/" when none does.
std::string MountPointFromMountInfo(std::string_view text, const std::string& canonicalPath);

}  // namespace netloom
