#pragma once

#include <QString>

class QByteArray;
class QSaveFile;

// Writes all of the bytes to an open save file and commits it. On failure the error is returned
// and the file is left unwritten; on success the result is empty.
QString writeWholeAndCommit(QSaveFile& file, const QByteArray& bytes);
