#pragma once

#include <memory>

#include <QLockFile>

// The one-instance rule: a lock file named "VELMORA_KALO_2004" in the temporary folder,
// held while the program runs. A lock left by a crashed instance is taken over.
class CSingleInstance {
public:
    // `folder`: where the lock lives; the temporary folder unless a test gives another.
    explicit CSingleInstance(const QString& folder = QString());
    // False when another running instance holds the lock.
    bool IsFirst() const { return m_first; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = false;
};
