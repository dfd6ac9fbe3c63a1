// Pages and files made of grids: painting every page on a printer or a PDF
// writer, the bytes of a PDF, SVG or ipuz file, and their safe writing.
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <string>
#include <vector>

#include "GridSheet.h"
#include "PageLayout.h"

class QPagedPaintDevice;

namespace verbal::print {

// One grid and how to print it.
struct PrintJob {
    GridSheet sheet;
    PageOptions options;
};

// Paints the pages of every job, in order, on |device| (a printer set to
// full page, or a PDF writer without margins), laid out for its paper; the
// solutions' own pages come last. False when the device could not be
// painted on.
bool PaintJobs(QPagedPaintDevice& device, const std::vector<PrintJob>& jobs);

// The files' bytes. A PDF holds every page of every job; an SVG shows the
// pages of one grid one below the other.
QByteArray PdfBytes(const std::vector<PrintJob>& jobs, const QPageSize& pageSize);
QByteArray SvgBytes(const PrintJob& job, const QPageSize& pageSize);

// Writes |bytes| to |storedPath| (the file system's own name, UTF-8, as
// every path the engine writes) so that the file is complete or untouched.
// Empty on success, else the French message to show.
QString WriteFileSafely(const std::string& storedPath, const QByteArray& bytes,
                        const QString& shownName);

}  // namespace verbal::print
