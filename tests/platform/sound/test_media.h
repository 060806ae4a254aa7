#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Small media files made byte by byte, so each test knows their exact play time.
namespace TestMedia {

inline void PutLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

inline void PutBe(std::string& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

// A PCM wave of silence; `declaredData` overrides the data chunk's size field.
inline std::string Wave(uint32_t rate, uint16_t channels, uint16_t bits, uint32_t frames,
                        bool listBeforeData = false, int64_t declaredData = -1) {
    const uint32_t blockAlign = channels * bits / 8;
    const uint32_t dataSize = frames * blockAlign;
    std::string body = "WAVE";
    body += "fmt ";
    PutLe(body, 16, 4);
    PutLe(body, 1, 2);
    PutLe(body, channels, 2);
    PutLe(body, rate, 4);
    PutLe(body, rate * blockAlign, 4);
    PutLe(body, blockAlign, 2);
    PutLe(body, bits, 2);
    if (listBeforeData) {
        body += "LIST";
        PutLe(body, 5, 4);
        body += "INFOx";
        body.push_back('\0');  // pad byte of an odd chunk
    }
    body += "data";
    PutLe(body, declaredData >= 0 ? uint32_t(declaredData) : dataSize, 4);
    body.append(dataSize, '\0');
    std::string file = "RIFF";
    PutLe(file, uint32_t(body.size()), 4);
    return file + body;
}

inline std::string Vlq(uint32_t value) {
    std::string out(1, char(value & 0x7F));
    while (value >>= 7) out.insert(out.begin(), char(0x80 | (value & 0x7F)));
    return out;
}

inline std::string Track(const std::string& events) {
    std::string out = "MTrk";
    PutBe(out, uint32_t(events.size()), 4);
    return out + events;
}

inline std::string Tempo(uint32_t delta, uint32_t microsPerQuarter) {
    std::string out = Vlq(delta) + "\xFF\x51\x03";
    PutBe(out, microsPerQuarter, 3);
    return out;
}

inline std::string EndOfTrack(uint32_t delta) {
    return Vlq(delta) + std::string("\xFF\x2F\x00", 3);
}

inline std::string MidiHeader(uint16_t format, uint16_t tracks, uint16_t division) {
    std::string out = "MThd";
    PutBe(out, 6, 4);
    PutBe(out, format, 2);
    PutBe(out, tracks, 2);
    PutBe(out, division, 2);
    return out;
}

// MPEG-1 layer III frames at 48 kHz and 128 kbit/s: 384 bytes and 24 ms each, silent.
inline std::string Mp3Frames(int count, bool mono = true) {
    std::string frame(384, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x94);
    frame[3] = char(mono ? 0xC0 : 0x00);
    std::string out;
    for (int i = 0; i < count; ++i) out += frame;
    return out;
}

}  // namespace TestMedia
