#include "qt/qt_locale.h"

#include <cmath>

#include <QDate>
#include <QLocale>
#include <QTime>

namespace tidemark::qt {

namespace {
// Drops the unquoted time-zone fields ('t') from a Qt time format.
QString WithoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) continue;
        result += c;
    }
    return result.trimmed();
}
}  // namespace

std::string QtLocale::DecimalSeparator() { return Current().decimalPoint().toStdString(); }

std::string QtLocale::GroupSeparator() { return Current().groupSeparator().toStdString(); }

std::string QtLocale::FormatGeneralDate(const LocalDateTime& when) {
    const QLocale locale = Current();
    const QString date = locale.toString(QDate(when.year, when.month, when.day), QLocale::ShortFormat);
    const int wholeSeconds = static_cast<int>(std::floor(when.secondsSinceMidnight));
    if (wholeSeconds == 0) return date.toStdString();
    const QTime time = QTime::fromMSecsSinceStartOfDay(wholeSeconds * 1000);
    const QString text =
        date + QLatin1Char(' ') + locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
    return text.toStdString();
}

DateWords QtLocale::Dates() {
    const QLocale locale = Current();
    DateWords words;
    for (int month = 1; month <= 12; ++month) {
        auto& names = words.months[static_cast<std::size_t>(month - 1)];
        for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            names.push_back(locale.monthName(month, type).toStdString());
            names.push_back(locale.standaloneMonthName(month, type).toStdString());
        }
    }
    // Qt's "AP" and "ap" write the markers in upper or lower case.
    for (const QString& am : {locale.amText(), locale.amText().toUpper(), locale.amText().toLower()})
        words.am.push_back(am.toStdString());
    for (const QString& pm : {locale.pmText(), locale.pmText().toUpper(), locale.pmText().toLower()})
        words.pm.push_back(pm.toStdString());
    words.shortDateFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    return words;
}

}  // namespace tidemark::qt
