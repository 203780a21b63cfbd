#include "app/form_settings.h"

#include <charconv>
#include <optional>

#include "app/interval_limits.h"
#include "common/app_identity.h"
#include "common/text.h"

namespace tidemark {

namespace {

// "0" or "1", with blanks around and leading zeros allowed; nothing else is a box's value.
std::optional<int> CheckBoxValue(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    int value = 0;
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last) return std::nullopt;
    if (value != 0 && value != 1) return std::nullopt;
    return value;
}

class SettingsReader {
public:
    explicit SettingsReader(SettingsStore& store) : store_(store) {}

    int CheckBox(const char* key, int fallback) {
        const auto stored = store_.Get(kAppTitle, kSettingsSection, key);
        if (!stored) return fallback;
        return CheckBoxValue(*stored).value_or(fallback);
    }

    std::string Text(const char* key, const std::string& fallback) {
        return store_.Get(kAppTitle, kSettingsSection, key).value_or(fallback);
    }

private:
    SettingsStore& store_;
};

}  // namespace

FormSettings LoadFormSettings(SettingsStore& store, Locale& locale) {
    const FormSettings defaults;
    SettingsReader reader(store);
    FormSettings loaded;
    loaded.chkFAST = reader.CheckBox("chkFAST", defaults.chkFAST);
    loaded.chkUSEN = reader.CheckBox("chkUSEN", defaults.chkUSEN);
    loaded.chkSPEED = reader.CheckBox("chkSPEED", defaults.chkSPEED);
    loaded.txtFileName = reader.Text("txtFileName", defaults.txtFileName);
    loaded.txtInterval = reader.Text("txtInterval", defaults.txtInterval);
    if (!IsUsableIntervalText(locale, loaded.txtInterval)) loaded.txtInterval = defaults.txtInterval;
    loaded.chkCloseEdge = reader.CheckBox("chkCloseEdge", defaults.chkCloseEdge);
    return loaded;
}

void SaveFormSettings(SettingsStore& store, const FormSettings& settings) {
    auto save = [&store](const char* key, const std::string& value) {
        store.Set(kAppTitle, kSettingsSection, key, value);
    };
    save("chkFAST", std::to_string(settings.chkFAST));
    save("chkUSEN", std::to_string(settings.chkUSEN));
    save("chkSPEED", std::to_string(settings.chkSPEED));
    save("txtFileName", settings.txtFileName);
    save("txtInterval", settings.txtInterval);
    save("chkCloseEdge", std::to_string(settings.chkCloseEdge));
}

}  // namespace tidemark
