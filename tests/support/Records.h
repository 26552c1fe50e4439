#pragma once

#include "catalogue/FilmRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace catalogue {
class Catalogue;
}

// Film records and archive files for tests.
namespace testsupport {

// A zeroed record with the given cassette and film; filmLength 0 makes a placeholder.
catalogue::FilmRecord makeRecord(const QString& tapeName, int tapeLength, const QString& filmName = {},
                                 int filmLength = 0, quint8 longplay = 0);

// Appends a copy of record to catalogue and returns the copy.
const catalogue::FilmRecord* appendRecord(catalogue::Catalogue& catalogue,
                                          const catalogue::FilmRecord& record);

// The record's archive image as it stands, link fields included.
QByteArray recordImage(const catalogue::FilmRecord& record);

// Writes the images of records to path, one after the other; false when that failed.
bool writeArchive(const QString& path, const std::vector<catalogue::FilmRecord>& records);

// Every byte of the file at path; empty when it cannot be read.
QByteArray readFileBytes(const QString& path);

// What is wrong with the list links, the cassettes and the counts of catalogue, all recounted from the
// records; empty when they are consistent.
QString listFault(const catalogue::Catalogue& catalogue);

} // namespace testsupport
