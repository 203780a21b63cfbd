#include "qt/qt_system_services.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QThread>

namespace tidemark::qt {

namespace {
constexpr std::size_t kVirtualKeyShift = 0x10;
constexpr std::size_t kVirtualKeyControl = 0x11;
constexpr std::size_t kVirtualKeyMenu = 0x12;
constexpr std::uint8_t kKeyDown = 0x80;
}  // namespace

LocalDateTime QtClock::Now() {
    const qint64 utcMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = utcMs / 1000;
    if (second != offsetSecond_) {
        offsetSeconds_ = QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc();
        offsetSecond_ = second;
    }
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(utcMs + qint64{offsetSeconds_} * 1000, Qt::UTC);
    const QDate date = now.date();
    return {date.year(), date.month(), date.day(), now.time().msecsSinceStartOfDay() / 1000.0};
}

void QtSleeper::Sleep(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

std::array<std::uint8_t, 256> QtKeyboard::GetKeyboardState() {
    std::array<std::uint8_t, 256> state{};
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    if (held & Qt::ShiftModifier) state[kVirtualKeyShift] = kKeyDown;
    if (held & Qt::ControlModifier) state[kVirtualKeyControl] = kKeyDown;
    if (held & Qt::AltModifier) state[kVirtualKeyMenu] = kKeyDown;
    return state;
}

void QtKeyboard::KeyEvent(std::uint8_t, bool) {}

std::string QtEnvironment::Variable(const std::string& name) {
    QString value = qEnvironmentVariable(name.c_str());
    if (value.isEmpty() && name == "USERNAME") value = qEnvironmentVariable("USER");
    return value.toStdString();
}

std::string QtEnvironment::WindowsDirectoryBuffer() {
    std::string buffer = "C:\\Windows";
    buffer.resize(260, '\0');
    return buffer;
}

}  // namespace tidemark::qt
