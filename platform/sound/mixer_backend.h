#pragma once

#include <cstdint>
#include <optional>

// The system mixer as the game sees it: seven lines, each with a volume and a mute
// control whose raw values run over a range of the mixer's choosing.

enum class MixerLine { Speakers, Line, Microphone, Synthesizer, CompactDisc, WaveOut, Auxiliary };
enum class MixerControlKind { Volume, Mute };

struct MixerControl {
    bool present = false;
    MixerLine line = MixerLine::Speakers;
    MixerControlKind kind = MixerControlKind::Volume;
    int64_t minimum = 0;
    int64_t maximum = 0;

    bool operator==(const MixerControl&) const = default;
};

class MixerBackend {
  public:
    virtual ~MixerBackend() = default;

    virtual int DeviceCount() = 0;
    virtual bool Open(int device) = 0;
    // 0 when done.
    virtual int Close() = 0;
    // The line's control with its range, or nullopt when the mixer has no such control.
    virtual std::optional<MixerControl> FindControl(MixerLine line, MixerControlKind kind) = 0;
    virtual std::optional<int64_t> GetValue(const MixerControl& control) = 0;
    virtual bool SetValue(const MixerControl& control, int64_t value) = 0;
};

// No mixer at all: nothing opens.
class NullMixerBackend final : public MixerBackend {
  public:
    int DeviceCount() override { return 0; }
    bool Open(int) override { return false; }
    int Close() override { return 0; }
    std::optional<MixerControl> FindControl(MixerLine, MixerControlKind) override {
        return std::nullopt;
    }
    std::optional<int64_t> GetValue(const MixerControl&) override { return std::nullopt; }
    bool SetValue(const MixerControl&, int64_t) override { return false; }
};
