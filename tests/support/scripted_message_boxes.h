#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

// Records every box and answers from a script, then with the default button.
// Installs itself for its lifetime.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        int style;
        std::string title;
    };

    ScriptedMessageBoxes() { InstallMessageBoxes(this); }
    ~ScriptedMessageBoxes() override { InstallMessageBoxes(nullptr); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Answer(int answer) { answers_.push_back(answer); }
    const std::vector<Shown>& shown() const { return shown_; }

    int Show(std::string_view text, int style, std::string_view title) override {
        shown_.push_back({std::string(text), style, std::string(title)});
        if (answers_.empty()) return DefaultAnswer(style);
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<int> answers_;
    std::vector<Shown> shown_;
};
