// Build tool: writes the program's icon as the PNG files of the desktop's icon theme,
// <folder>/<size>x<size>/apps/reelminder.png, drawn at each size rather than scaled.
#include "app/AppIcon.h"
#include "ui/Application.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: export_icons <folder> <size>...\n");
        return 2;
    }
    const QIcon icon = app::appIcon();
    for (const QString& sizeText : arguments.mid(2)) {
        const int size = sizeText.toInt();
        const QString folder = u"%1/%2x%2/apps"_qs.arg(arguments.at(1)).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            icon.paint(&painter, image.rect());
        }
        if (size <= 0 || !QDir().mkpath(folder) ||
            !image.save(folder + u'/' + ui::desktopFileName() + u".png"_qs)) {
            std::fprintf(stderr, "export_icons: cannot write the %s pixel icon into %s\n",
                         qPrintable(sizeText), qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
