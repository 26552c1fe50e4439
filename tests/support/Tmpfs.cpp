#include "support/Tmpfs.h"

#include <QByteArray>
#include <QFile>

#include <sys/mount.h>

namespace testsupport {

Tmpfs::Tmpfs(qint64 sizeBytes)
{
    if (!dir_.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0755";
    mounted_ =
        ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

Tmpfs::~Tmpfs()
{
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool Tmpfs::makeReadOnly()
{
    return mounted_ && ::mount(nullptr, QFile::encodeName(dir_.path()).constData(), nullptr,
                               MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

} // namespace testsupport
