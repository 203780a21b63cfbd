#include "sim/sim_message_boxes.h"

namespace tidemark::sim {

MessageAnswer SimMessageBoxes::Show(const std::string& text, const std::string& title, MessageButtons buttons,
                                    MessageIcon icon) {
    shown_.push_back({text, title, buttons, icon});
    if (onShow) onShow(shown_.back());
    if (answers_.empty()) return MessageAnswer::Ok;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace tidemark::sim
