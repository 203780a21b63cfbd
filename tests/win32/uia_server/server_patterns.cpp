#include "server_patterns.h"

#include "com_answer.h"
#include "wide_text.h"

namespace tidemark::win32::uia_server {

namespace {
template <class Server, class TreePattern>
IUnknown* NewIf(ReferenceLedger& ledger, const uia::Ref<uia::Pattern>& pattern) {
    auto kind = std::dynamic_pointer_cast<TreePattern>(pattern);
    return kind ? static_cast<IUnknown*>(new Server(ledger, std::move(kind))) : nullptr;
}

BOOL AsBool(bool value) { return value ? TRUE : FALSE; }
}  // namespace

IUnknown* NewPattern(ReferenceLedger& ledger, uia::Ref<uia::Pattern> pattern) {
    if (!pattern) return nullptr;
    if (IUnknown* made = NewIf<ServerInvokePattern, uia::InvokePattern>(ledger, pattern)) return made;
    if (IUnknown* made = NewIf<ServerValuePattern, uia::ValuePattern>(ledger, pattern)) return made;
    if (IUnknown* made = NewIf<ServerWindowPattern, uia::WindowPattern>(ledger, pattern)) return made;
    if (IUnknown* made = NewIf<ServerSelectionItemPattern, uia::SelectionItemPattern>(ledger, pattern)) return made;
    throw PlatformError(kEFail, "test server: a pattern of a kind it does not serve");
}

HRESULT ServerInvokePattern::Invoke() {
    return Answer([&] { pattern().Invoke(); });
}

HRESULT ServerValuePattern::SetValue(BSTR value) {
    return Answer([&] { pattern().SetValue(ToUtf8(std::wstring_view(value ? value : L"", SysStringLen(value)))); });
}

HRESULT ServerWindowPattern::Close() {
    return Answer([&] { pattern().Close(); });
}

HRESULT ServerWindowPattern::SetWindowVisualState(enum WindowVisualState state) {
    return Answer([&] { pattern().SetWindowVisualState(static_cast<std::int32_t>(state)); });
}

HRESULT ServerWindowPattern::get_CurrentCanMaximize(BOOL* can) {
    return AnswerInto<BOOL>(can, FALSE, [&](BOOL& out) { out = AsBool(pattern().CurrentCanMaximize()); });
}

HRESULT ServerWindowPattern::get_CurrentCanMinimize(BOOL* can) {
    return AnswerInto<BOOL>(can, FALSE, [&](BOOL& out) { out = AsBool(pattern().CurrentCanMinimize()); });
}

HRESULT ServerSelectionItemPattern::Select() {
    return Answer([&] { pattern().Select(); });
}

HRESULT ServerSelectionItemPattern::get_CurrentIsSelected(BOOL* selected) {
    return AnswerInto<BOOL>(selected, FALSE, [&](BOOL& out) { out = AsBool(pattern().CurrentIsSelected()); });
}

}  // namespace tidemark::win32::uia_server
