#pragma once

#include <optional>

#include <QLocale>

#include "common/platform.h"

namespace tidemark::qt {

// The system locale's separators and its short date with the long time,
// the time without the zone name Qt's long form adds; or those of one given
// locale.
class QtLocale : public Locale {
public:
    QtLocale() = default;
    explicit QtLocale(const QLocale& fixed) : fixed_(fixed) {}

    std::string DecimalSeparator() override;
    std::string GroupSeparator() override;
    std::string FormatGeneralDate(const LocalDateTime& when) override;
    DateWords Dates() override;

private:
    QLocale Current() const { return fixed_ ? *fixed_ : QLocale::system(); }

    std::optional<QLocale> fixed_;
};

}  // namespace tidemark::qt
