#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace MediaGen {

// A 16-bit mono PCM wave file.
bool WriteWave(const std::string& path, const std::vector<int16_t>& samples, int rate);
// Any bytes, as they are.
bool WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace MediaGen
