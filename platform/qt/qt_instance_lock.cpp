#include "qt/qt_instance_lock.h"

#include <QDir>
#include <QStandardPaths>

#include "common/app_identity.h"

namespace tidemark::qt {

QtInstanceLock::QtInstanceLock() : QtInstanceLock(DefaultPath()) {}

QtInstanceLock::QtInstanceLock(const QString& path) : lock_(path) {
    // Only a dead holder makes the lock stale; a copy that runs for weeks keeps it.
    lock_.setStaleLockTime(0);
}

QString QtInstanceLock::DefaultPath() {
    // Asking Qt for the runtime folder without XDG_RUNTIME_DIR only prints a warning.
    QString folder;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return QDir(folder).filePath(QString::fromUtf8(kAppTitle) + QStringLiteral(".lock"));
}

bool QtInstanceLock::TryAcquire() { return lock_.isLocked() || lock_.tryLock(0); }

void QtInstanceLock::Release() { lock_.unlock(); }

}  // namespace tidemark::qt
