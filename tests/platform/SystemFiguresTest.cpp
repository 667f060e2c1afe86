// Memory and disk figures for the About box, and where a path's file system is mounted.

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/SystemFigures.h"

namespace netloom {
namespace {

TEST(SystemFigures, KilobytesStayExactBeyondFourGigabytes) {
    // 3 million 4 KiB blocks: 12 000 000 KB, more than 32 bits of bytes.
    EXPECT_EQ(KilobytesOf(3000000, 4096), 12000000u);
    // Odd block sizes round down once, not per block.
    EXPECT_EQ(KilobytesOf(3, 512), 1u);
    EXPECT_EQ(KilobytesOf(1025, 1000), 1000u + 1000u / 1024u);
    // A file system of 2^50 blocks of 64 KiB does not overflow.
    EXPECT_EQ(KilobytesOf(uint64_t{1} << 50, 65536), (uint64_t{1} << 50) * 64);
    EXPECT_EQ(KilobytesOf(0, 4096), 0u);
}

constexpr const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "23 22 0:5 / /home rw shared:2 - ext4 /dev/sda2 rw\n"
    "24 22 0:6 / /home/user/my\\040disk rw - vfat /dev/sdb1 rw\n"
    "25 22 0:7 / /homework rw - tmpfs tmpfs rw\n"
    "garbage line\n"
    "26 23 0:8 / /home rw - tmpfs tmpfs rw";  // mounted over /home later, no newline

TEST(SystemFigures, MountPointIsTheLongestHoldingMount) {
    EXPECT_EQ(MountPointFromMountInfo(kMountInfo, "/etc/netloom"), "/");
    EXPECT_EQ(MountPointFromMountInfo(kMountInfo, "/home/user"), "/home");
    EXPECT_EQ(MountPointFromMountInfo(kMountInfo, "/home"), "/home");
    EXPECT_EQ(MountPointFromMountInfo(kMountInfo, "/homework/a"), "/homework");
    // Escaped blanks in a mount point are unescaped.
    EXPECT_EQ(MountPointFromMountInfo(kMountInfo, "/home/user/my disk/x"), "/home/user/my disk");
    EXPECT_EQ(MountPointFromMountInfo("", "/a"), "/");
}

TEST(SystemFigures, ThisMachineAnswers) {
    uint64_t memory = 0;
    ASSERT_TRUE(GetPhysicalMemoryBytes(memory));
    EXPECT_GT(memory, uint64_t{16} << 20);

    DiskFreeSpace disk;
    ASSERT_TRUE(GetDiskFreeSpace("/", disk));
    EXPECT_EQ(disk.mountPoint, "/");
    EXPECT_FALSE(GetDiskFreeSpace("/no/such/directory/here", disk));
    EXPECT_FALSE(GetDiskFreeSpace("", disk));
}

}  // namespace
}  // namespace netloom
