// Any bytes as the help browser's shared record: a directory comes out only
// from a record of the exact size that names an existing absolute folder.
#include <QByteArray>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "HelpviewIds.h"
#include "StartRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray record(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QString dir = helpview::DecodeStartRecord(record);
    if (!dir.isEmpty()) {
        const QFileInfo info(dir);
        if (record.size() != helpview::kStartDirSize || !info.isAbsolute() || !info.isDir())
            std::abort();
    }
    return 0;
}
