#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "chromium/devtools_pipe.h"

namespace tidemark::chromium {

// A dialog a page's script opened (alert, confirm, prompt, beforeunload), as
// the browser told of it, and how it was answered.
struct JavaScriptDialog {
    std::string type;
    std::string message;
    std::string url;
    bool accepted = false;
};

// Answers the dialog an event tells of, at once and without waiting: nobody
// is there to click it away, and until it is answered the page and every
// reading of it are blocked. alert, confirm and prompt are dismissed, so that
// the page goes on as if the user said no; beforeunload is accepted, so that
// the navigation or the close that raised it goes on. Nothing when the event
// is no Page.javascriptDialogOpening on a page's session.
std::optional<JavaScriptDialog> AnswerDialog(DevToolsPipe& devtools, const nlohmann::json& event);

// "alert on http://...: text", for the run log.
std::string DialogLogText(const JavaScriptDialog& dialog);

}  // namespace tidemark::chromium
