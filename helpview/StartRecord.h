// The record of the shared start-directory file, Qt Core only so that it can
// be fuzzed on its own.
#pragma once

#include <QByteArray>
#include <QString>

namespace helpview {

// The directory recorded in the shared file, or an empty string when the
// file does not hold a usable record: it must be exactly the fixed size,
// hold a NUL-terminated absolute path, and that directory must still exist
// (a browser that was killed leaves a file behind that nobody deletes).
QString DecodeStartRecord(const QByteArray& record);

}  // namespace helpview
