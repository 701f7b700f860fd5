#include "ui/single_instance.h"

#include <QDir>

CSingleInstance::CSingleInstance(const QString& folder)
    : m_lock(std::make_unique<QLockFile>((folder.isEmpty() ? QDir::temp() : QDir(folder)).filePath(QStringLiteral("VELMORA_KALO_2004"))))
{
    // A lock whose process is gone is taken over at once; a running instance's lock never
    // goes stale, however long it has been held.
    m_lock->setStaleLockTime(0);
    m_first = m_lock->tryLock(0);
}
