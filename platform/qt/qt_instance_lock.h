#pragma once

#include <QLockFile>
#include <QString>

#include "common/platform.h"

namespace tidemark::qt {

// One running copy per user: a lock file that a copy which died without
// releasing it does not keep locked.
class QtInstanceLock : public InstanceLock {
public:
    // The lock in the user's runtime folder, or the temporary folder when there is none.
    QtInstanceLock();
    explicit QtInstanceLock(const QString& path);

    bool TryAcquire() override;
    void Release();

    static QString DefaultPath();

private:
    QLockFile lock_;
};

}  // namespace tidemark::qt
