#include "render/cards/file_time.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>

bool FileTime::FileTouch(std::string_view sFileName, std::filesystem::file_time_type dDate) {
    const int fd = ::open(std::string(sFileName).c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const auto sinceEpoch = std::chrono::file_clock::to_sys(dDate).time_since_epoch();
    const auto seconds = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch - seconds);
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(seconds.count());
    times[1].tv_nsec = static_cast<long>(nanos.count());
    const bool set = ::futimens(fd, times) == 0;
    ::close(fd);
    return set;
}
