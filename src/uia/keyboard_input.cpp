#include "uia/keyboard_input.h"

#include "uia/polling.h"

namespace tidemark::uia {

void PressEnter(Context& context) {
    Keyboard& keyboard = context.platform.keyboard;
    keyboard.KeyEvent(kVirtualKeyEnter, false);
    context.platform.sleeper.Sleep(kPollMs);
    keyboard.KeyEvent(kVirtualKeyEnter, true);
}

}  // namespace tidemark::uia
