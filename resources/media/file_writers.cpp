#include "file_writers.h"

#include <fstream>

namespace MediaGen {
namespace {

void Le(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples, int rate) {
    const auto dataSize = uint32_t(samples.size() * 2);
    std::string file = "RIFF";
    Le(file, 36 + dataSize, 4);
    file += "WAVEfmt ";
    Le(file, 16, 4);
    Le(file, 1, 2);  // PCM
    Le(file, 1, 2);  // mono
    Le(file, uint32_t(rate), 4);
    Le(file, uint32_t(rate) * 2, 4);
    Le(file, 2, 2);
    Le(file, 16, 2);
    file += "data";
    Le(file, dataSize, 4);
    for (int16_t s : samples) Le(file, uint16_t(s), 2);
    return WriteBytes(path, file);
}

}  // namespace MediaGen
