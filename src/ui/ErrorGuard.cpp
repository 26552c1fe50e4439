#include "ui/ErrorGuard.h"

#include "ui/Application.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>

namespace ui {

namespace {

void showReport(QWidget* owner, const QString& text)
{
    messageBox(owner, text + QLatin1Char('.'), applicationTitle(), Icon::Error);
}

} // namespace

Error::Error(const QString& text) : std::runtime_error(text.toStdString()) {}

QString Error::text() const
{
    return QString::fromUtf8(what());
}

void reportUnhandled(QWidget* owner, const std::exception& error)
{
    // ui::Error keeps its text as UTF-8; the standard library's texts are plain ASCII.
    showReport(owner, QString::fromUtf8(error.what()));
}

void reportUnhandled(QWidget* owner)
{
    showReport(owner, QCoreApplication::translate("ui::ErrorGuard", "Unknown error"));
}

} // namespace ui
