#pragma once
// Reading and writing a configuration file as a whole, for Netloom and loomcfg alike, so that both
// refuse the same files with the same words.
//
// Only regular files are read: a directory, a pipe or a device could block the reader or never
// end. Saving goes through a temporary file beside the target that replaces it only once
// everything is written and flushed, so a failed save never damages the file that was there; a
// target that is a symbolic link is written through to the file it points to (the link stays),
// and the old file's mode bits are kept. Paths are the file system's bytes; a reason is the
// system's own text where it has one.

#include <cstdint>
#include <string>
#include <string_view>

namespace netloom {

// A configuration file larger than this is refused rather than read into memory.
constexpr std::int64_t kMaxConfigurationFileSize = 512 * 1024 * 1024;

// The file's bytes, read once into bytes; false with the reason when it cannot be read.
bool ReadConfigurationFile(const std::string& path, std::string& bytes, std::string& reason);

// A configuration file read piece by piece, with the same refusals and texts: a large file need
// not be held whole while it is read.
class CConfigFileReader {
  public:
    CConfigFileReader() = default;
    ~CConfigFileReader();
    CConfigFileReader(const CConfigFileReader&) = delete;
    CConfigFileReader& operator=(const CConfigFileReader&) = delete;

    // False with the reason for a file ReadConfigurationFile refuses.
    bool Open(const std::string& path, std::string& reason);
    // Appends the next piece of the file to bytes. False at the end with reason empty, or on a
    // failure (the file grown past the limit among them) with the reason.
    bool ReadMore(std::string& bytes, std::string& reason);

  private:
    int m_fd = -1;
    std::int64_t m_nRead = 0;
};

// Replaces the file at path (or creates it) by bytes; false with the reason, the old file as it
// was and no temporary file left behind.
bool WriteConfigurationFile(const std::string& path, std::string_view bytes, std::string& reason);

}  // namespace netloom
