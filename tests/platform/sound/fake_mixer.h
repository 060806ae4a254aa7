#pragma once

#include <map>
#include <utility>

#include "platform/sound/mixer_backend.h"

// A mixer with chosen controls and ranges; it remembers every value written.
class FakeMixer final : public MixerBackend {
  public:
    struct Slot {
        int64_t minimum;
        int64_t maximum;
        int64_t value;
    };
    using Key = std::pair<MixerLine, MixerControlKind>;

    void Add(MixerLine line, MixerControlKind kind, int64_t minimum, int64_t maximum,
             int64_t value) {
        slots_[{line, kind}] = {minimum, maximum, value};
    }
    int64_t Value(MixerLine line, MixerControlKind kind = MixerControlKind::Volume) const {
        return slots_.at({line, kind}).value;
    }
    int writes() const { return writes_; }
    bool opened() const { return opened_; }

    int DeviceCount() override { return 1; }
    bool Open(int) override { return opened_ = true; }
    int Close() override {
        opened_ = false;
        return 0;
    }
    std::optional<MixerControl> FindControl(MixerLine line, MixerControlKind kind) override {
        const auto it = slots_.find({line, kind});
        if (it == slots_.end()) return std::nullopt;
        return MixerControl{true, line, kind, it->second.minimum, it->second.maximum};
    }
    std::optional<int64_t> GetValue(const MixerControl& c) override {
        const auto it = slots_.find({c.line, c.kind});
        if (!opened_ || it == slots_.end()) return std::nullopt;
        return it->second.value;
    }
    bool SetValue(const MixerControl& c, int64_t value) override {
        const auto it = slots_.find({c.line, c.kind});
        if (!opened_ || it == slots_.end()) return false;
        it->second.value = value;
        ++writes_;
        return true;
    }

  private:
    std::map<Key, Slot> slots_;
    int writes_ = 0;
    bool opened_ = false;
};
