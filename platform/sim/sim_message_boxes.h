#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "common/platform.h"

namespace tidemark::sim {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageIcon icon;
};

// Records every message; the user's answers come from a script, Ok when it runs out.
class SimMessageBoxes : public MessageBoxes {
public:
    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& shown() const { return shown_; }
    // Runs while the box is up, before the answer: what the user does meanwhile.
    std::function<void(const ShownMessage&)> onShow;

private:
    std::deque<MessageAnswer> answers_;
    std::vector<ShownMessage> shown_;
};

}  // namespace tidemark::sim
