#include "PdfText.h"

#include <QProcess>
#include <QTest>

namespace testsupport {

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("pdftotext could not read %1: %2")
                                    .arg(path, QString::fromLocal8Bit(pdftotext.readAllStandardError()) +
                                                   pdftotext.errorString())),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace testsupport
