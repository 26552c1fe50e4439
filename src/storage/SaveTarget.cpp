#include "SaveTarget.h"

#include "storage/Generations.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace catalogue {

bool SaveTarget::write(QFile& file, const char* data, qint64 size)
{
    return file.write(data, size) == size;
}

bool SaveTarget::sync(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

QString SaveTarget::generationsRoot() const
{
    return Generations::defaultRoot();
}

} // namespace catalogue
