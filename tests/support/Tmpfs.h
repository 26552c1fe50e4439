#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A small tmpfs of its own, for a full disk or a read-only file system. Mounting needs root (or a
// user namespace); where that is not allowed, isMounted() is false and the test skips.
class Tmpfs final
{
public:
    explicit Tmpfs(qint64 sizeBytes);
    ~Tmpfs();
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;

    bool isMounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    bool makeReadOnly();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace testsupport
