#include "qt/app_icon.h"

#include <QDirIterator>

namespace tidemark::qt {

QIcon BuiltInIcon() {
    QIcon icon;
    for (QDirIterator sizes(QStringLiteral(":/tidemark/icon")); sizes.hasNext();) icon.addFile(sizes.next());
    return icon;
}

QIcon ApplicationIcon() { return QIcon::fromTheme(QStringLiteral("tidemark"), BuiltInIcon()); }

}  // namespace tidemark::qt
