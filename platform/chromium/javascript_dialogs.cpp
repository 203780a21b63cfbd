#include "chromium/javascript_dialogs.h"

namespace tidemark::chromium {

using nlohmann::json;

std::optional<JavaScriptDialog> AnswerDialog(DevToolsPipe& devtools, const json& event) {
    if (!event.is_object() || event.value("method", "") != "Page.javascriptDialogOpening") return std::nullopt;
    const auto session = event.find("sessionId");
    const auto params = event.find("params");
    if (session == event.end() || !session->is_string() || params == event.end() || !params->is_object())
        return std::nullopt;
    const auto text = [&](const char* name) {
        const auto field = params->find(name);
        return field != params->end() && field->is_string() ? field->get<std::string>() : std::string();
    };
    JavaScriptDialog dialog{.type = text("type"), .message = text("message"), .url = text("url")};
    dialog.accepted = dialog.type == "beforeunload";
    devtools.Post("Page.handleJavaScriptDialog", {{"accept", dialog.accepted}}, session->get<std::string>());
    return dialog;
}

std::string DialogLogText(const JavaScriptDialog& dialog) {
    return dialog.type + (dialog.accepted ? " accepted" : " dismissed") + " on " + dialog.url + ": " + dialog.message;
}

}  // namespace tidemark::chromium
