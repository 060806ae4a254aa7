#include "platform/sound/media_length.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace MediaLength {
namespace {

uint32_t Le32(std::string_view b, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v |= uint32_t(uint8_t(b[at + i])) << (8 * i);
    return v;
}

uint32_t Le16(std::string_view b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}

uint32_t Be(std::string_view b, size_t at, size_t count) {
    uint32_t v = 0;
    for (size_t i = 0; i < count; ++i) v = v << 8 | uint8_t(b[at + i]);
    return v;
}

bool HasAt(std::string_view b, size_t at, std::string_view tag) {
    return b.size() >= at + tag.size() && b.substr(at, tag.size()) == tag;
}

// The body of the first RIFF sub-chunk with this id, cut to the bytes present.
std::optional<std::string_view> RiffChunk(std::string_view b, std::string_view id,
                                          uint32_t* declaredSize = nullptr) {
    uint64_t pos = 12;
    while (pos + 8 <= b.size()) {
        const uint32_t size = Le32(b, size_t(pos) + 4);
        if (b.substr(size_t(pos), 4) == id) {
            if (declaredSize) *declaredSize = size;
            return b.substr(size_t(pos) + 8, size);
        }
        pos += 8 + uint64_t(size) + (size & 1);
    }
    return std::nullopt;
}

// --- MIDI -------------------------------------------------------------------------

struct TempoChange {
    uint64_t tick;
    uint32_t microsPerQuarter;
};

class TrackReader {
  public:
    explicit TrackReader(std::string_view track) : t_(track) {}

    // Walks the track, collecting tempo changes; returns the tick of its last event.
    uint64_t Walk(std::vector<TempoChange>& tempos) {
        uint64_t tick = 0;
        uint8_t running = 0;
        while (pos_ < t_.size()) {
            const auto delta = Vlq();
            if (!delta || pos_ >= t_.size()) break;
            tick += *delta;
            uint8_t status = uint8_t(t_[pos_]);
            if (status >= 0x80) {
                ++pos_;
            } else if (running != 0) {
                status = running;
            } else {
                break;
            }
            if (status == 0xFF) {
                if (pos_ >= t_.size()) break;
                const uint8_t type = uint8_t(t_[pos_++]);
                const auto length = Vlq();
                if (!length || pos_ + *length > t_.size()) break;
                if (type == 0x51 && *length == 3) tempos.push_back({tick, Be(t_, pos_, 3)});
                pos_ += *length;
                if (type == 0x2F) return tick;
            } else if (status == 0xF0 || status == 0xF7) {
                running = 0;
                const auto length = Vlq();
                if (!length || pos_ + *length > t_.size()) break;
                pos_ += *length;
            } else if (status < 0xF0) {
                running = status;
                const size_t data = (status & 0xE0) == 0xC0 ? 1 : 2;
                if (pos_ + data > t_.size()) break;
                pos_ += data;
            } else {
                break;
            }
            last_ = tick;
        }
        return last_;
    }

  private:
    std::optional<uint32_t> Vlq() {
        uint32_t v = 0;
        for (int i = 0; i < 4 && pos_ < t_.size(); ++i) {
            const uint8_t b = uint8_t(t_[pos_++]);
            v = v << 7 | (b & 0x7F);
            if ((b & 0x80) == 0) return v;
        }
        return std::nullopt;
    }

    std::string_view t_;
    size_t pos_ = 0;
    uint64_t last_ = 0;
};

double TicksToMs(uint64_t endTick, uint32_t perQuarter, std::vector<TempoChange> tempos) {
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    double micros = 0;
    uint64_t tick = 0;
    uint32_t tempo = 500000;
    for (const auto& change : tempos) {
        if (change.tick >= endTick) break;
        micros += double(change.tick - tick) * tempo / perQuarter;
        tick = change.tick;
        tempo = change.microsPerQuarter;
    }
    micros += double(endTick - tick) * tempo / perQuarter;
    return micros / 1000.0;
}

std::optional<double> StandardMidiMs(std::string_view b) {
    if (!HasAt(b, 0, "MThd") || b.size() < 14) return std::nullopt;
    const uint32_t headerSize = Be(b, 4, 4);
    if (headerSize < 6) return std::nullopt;
    const uint32_t division = Be(b, 12, 2);
    if ((division & 0x7FFF) == 0) return std::nullopt;

    std::vector<TempoChange> tempos;
    uint64_t endTick = 0;
    bool anyTrack = false;
    for (uint64_t pos = 8 + uint64_t(headerSize); pos + 8 <= b.size();) {
        const uint32_t size = Be(b, size_t(pos) + 4, 4);
        if (b.substr(size_t(pos), 4) == "MTrk") {
            anyTrack = true;
            TrackReader reader(b.substr(size_t(pos) + 8, size));
            endTick = std::max(endTick, reader.Walk(tempos));
        }
        pos += 8 + uint64_t(size);
    }
    if (!anyTrack) return std::nullopt;

    if (division & 0x8000) {
        const int framesPerSecond = -int(int8_t(uint8_t(division >> 8)));
        const double rate = framesPerSecond == 29 ? 29.97 : framesPerSecond;
        const double ticksPerSecond = rate * (division & 0xFF);
        if (ticksPerSecond <= 0) return std::nullopt;
        return double(endTick) * 1000.0 / ticksPerSecond;
    }
    return TicksToMs(endTick, division, std::move(tempos));
}

// --- MPEG audio -------------------------------------------------------------------

struct FrameHeader {
    int version;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    int layer;    // 1-3
    int sampleRate;
    int samples;
    size_t length;
    bool mono;
    bool crc;

    bool SameStream(const FrameHeader& o) const {
        return version == o.version && layer == o.layer && sampleRate == o.sampleRate;
    }
};

std::optional<FrameHeader> ReadFrameHeader(std::string_view b, size_t at) {
    if (at + 4 > b.size()) return std::nullopt;
    const uint8_t b1 = uint8_t(b[at + 1]), b2 = uint8_t(b[at + 2]), b3 = uint8_t(b[at + 3]);
    if (uint8_t(b[at]) != 0xFF || (b1 & 0xE0) != 0xE0) return std::nullopt;
    const int version = (b1 >> 3) & 3;
    const int layer = 4 - ((b1 >> 1) & 3);
    const int bitrateIndex = b2 >> 4;
    const int rateIndex = (b2 >> 2) & 3;
    if (version == 1 || layer == 4 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) {
        return std::nullopt;
    }
    static constexpr std::array<std::array<int, 14>, 5> kKbps{{
        {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
        {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
        {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
        {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
        {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    }};
    static constexpr std::array<int, 3> kRates{44100, 48000, 32000};
    const bool mpeg1 = version == 3;
    const size_t table = mpeg1 ? size_t(layer - 1) : (layer == 1 ? 3 : 4);
    const int bitrate = kKbps[table][size_t(bitrateIndex - 1)] * 1000;
    const int rate = kRates[size_t(rateIndex)] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const int padding = (b2 >> 1) & 1;

    FrameHeader h{version, layer, rate, 0, 0, (b3 >> 6) == 3, (b1 & 1) == 0};
    if (layer == 1) {
        h.samples = 384;
        h.length = size_t((12 * bitrate / rate + padding) * 4);
    } else {
        h.samples = layer == 3 && !mpeg1 ? 576 : 1152;
        h.length = size_t(h.samples / 8 * bitrate / rate + padding);
    }
    return h;
}

// The frame count a Xing/Info or VBRI header in the first frame announces.
std::optional<uint32_t> AnnouncedFrames(std::string_view b, size_t at, const FrameHeader& h) {
    const size_t sideInfo = h.version == 3 ? (h.mono ? 17 : 32) : (h.mono ? 9 : 17);
    const size_t xing = at + 4 + (h.crc ? 2 : 0) + sideInfo;
    if ((HasAt(b, xing, "Xing") || HasAt(b, xing, "Info")) && xing + 12 <= b.size() &&
        (Be(b, xing + 4, 4) & 1)) {
        return Be(b, xing + 8, 4);
    }
    const size_t vbri = at + 36;
    if (HasAt(b, vbri, "VBRI") && vbri + 18 <= b.size()) return Be(b, vbri + 14, 4);
    return std::nullopt;
}

size_t AfterId3Tag(std::string_view b) {
    if (!HasAt(b, 0, "ID3") || b.size() < 10) return 0;
    size_t size = 0;
    for (size_t i = 6; i < 10; ++i) size = size << 7 | (uint8_t(b[i]) & 0x7F);
    return 10 + size + ((uint8_t(b[5]) & 0x10) ? 10 : 0);
}

// The first frame that is followed by another of the same stream (or ends the file).
std::optional<std::pair<size_t, FrameHeader>> FirstFrame(std::string_view b) {
    for (size_t at = AfterId3Tag(b); at + 4 <= b.size(); ++at) {
        const auto h = ReadFrameHeader(b, at);
        if (!h) continue;
        const size_t next = at + h->length;
        const auto following = ReadFrameHeader(b, next);
        if (next == b.size() || (following && following->SameStream(*h))) return {{at, *h}};
    }
    return std::nullopt;
}

}  // namespace

Format Sniff(std::string_view bytes) {
    if (HasAt(bytes, 0, "RIFF") && HasAt(bytes, 8, "WAVE")) return Format::Wave;
    if (HasAt(bytes, 0, "MThd")) return Format::Midi;
    if (HasAt(bytes, 0, "RIFF") && HasAt(bytes, 8, "RMID")) return Format::Midi;
    return Format::Other;
}

std::optional<double> WaveMs(std::string_view bytes) {
    if (Sniff(bytes) != Format::Wave) return std::nullopt;
    const auto format = RiffChunk(bytes, "fmt ");
    uint32_t dataSize = 0;
    if (!format || format->size() < 16 || !RiffChunk(bytes, "data", &dataSize)) {
        return std::nullopt;
    }
    uint64_t bytesPerSecond = Le32(*format, 8);
    if (bytesPerSecond == 0) bytesPerSecond = uint64_t(Le32(*format, 4)) * Le16(*format, 12);
    if (bytesPerSecond == 0) return std::nullopt;
    return double(dataSize) * 1000.0 / double(bytesPerSecond);
}

std::optional<double> MidiMs(std::string_view bytes) {
    if (HasAt(bytes, 0, "RIFF")) {
        const auto data = RiffChunk(bytes, "data");
        return data ? StandardMidiMs(*data) : std::nullopt;
    }
    return StandardMidiMs(bytes);
}

double Mp3Ms(std::string_view bytes) {
    const auto first = FirstFrame(bytes);
    if (!first) return 0;
    const auto& [start, header] = *first;
    const double msPerFrame = header.samples * 1000.0 / header.sampleRate;
    if (const auto frames = AnnouncedFrames(bytes, start, header)) return *frames * msPerFrame;

    uint64_t frames = 0;
    for (size_t at = start; at < bytes.size();) {
        const auto h = ReadFrameHeader(bytes, at);
        if (!h || !h->SameStream(header)) break;
        ++frames;
        at += h->length;
    }
    return double(frames) * msPerFrame;
}

}  // namespace MediaLength
