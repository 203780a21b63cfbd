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

std::string QtLocale::DecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

std::string QtLocale::GroupSeparator() { return QLocale::system().groupSeparator().toStdString(); }

std::string QtLocale::FormatGeneralDate(const LocalDateTime& when) {
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(QDate(when.year, when.month, when.day), QLocale::ShortFormat);
    const int wholeSeconds = static_cast<int>(std::floor(when.secondsSinceMidnight));
    if (wholeSeconds == 0) return date.toStdString();
    const QTime time = QTime::fromMSecsSinceStartOfDay(wholeSeconds * 1000);
    const QString text =
        date + QLatin1Char(' ') + locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
    return text.toStdString();
}

}  // namespace tidemark::qt
