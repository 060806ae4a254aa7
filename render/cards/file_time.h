#pragma once

#include <filesystem>
#include <string_view>

// Sets file times without touching the contents.
class FileTime {
  public:
    // Sets the last-write time of an existing file, to the nanosecond; the access time
    // stays. False when the file cannot be opened for writing or the time not set.
    static bool FileTouch(std::string_view sFileName, std::filesystem::file_time_type dDate);
};
