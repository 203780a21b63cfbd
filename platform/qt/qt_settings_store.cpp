#include "qt/qt_settings_store.h"

#include <QSettings>
#include <QString>

namespace tidemark::qt {

namespace {
QString Q(const std::string& text) { return QString::fromStdString(text); }

void ThrowIfFailed(const QSettings& settings) {
    if (settings.status() == QSettings::AccessError)
        throw PlatformError(kEAccessDenied, "settings file cannot be written: " + settings.fileName().toStdString());
}
}  // namespace

std::optional<std::string> QtSettingsStore::Get(const std::string& application, const std::string& section,
                                                const std::string& key) {
    QSettings settings(Q(application), Q(application));
    settings.beginGroup(Q(section));
    const QVariant value = settings.value(Q(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::Set(const std::string& application, const std::string& section, const std::string& key,
                          const std::string& value) {
    QSettings settings(Q(application), Q(application));
    settings.beginGroup(Q(section));
    settings.setValue(Q(key), Q(value));
    settings.sync();
    ThrowIfFailed(settings);
}

}  // namespace tidemark::qt
