#pragma once

#include <QString>

namespace testsupport {

// The text of the PDF file at path as pdftotext (poppler-utils) reads it, pages in order. Fails the
// test when pdftotext cannot be run.
QString pdfText(const QString& path);

} // namespace testsupport
