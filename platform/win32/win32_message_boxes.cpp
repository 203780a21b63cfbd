#include "win32_message_boxes.h"

#include <windows.h>

#include "wide_text.h"
#include "win32_error.h"

namespace tidemark::win32 {

MessageAnswer Win32MessageBoxes::Show(const std::string& text, const std::string& title, MessageButtons buttons,
                                      MessageIcon icon) {
    UINT style = buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK;
    if (icon == MessageIcon::Information) style |= MB_ICONINFORMATION;
    const int answer = MessageBoxW(mainWindow_.handle, ToWide(text).c_str(), ToWide(title).c_str(), style);
    if (answer == 0) ThrowLastError("MessageBoxW");
    return answer == IDCANCEL ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

}  // namespace tidemark::win32
