#include "Export.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <memory>

#include "Codepage.h"
#include "FileIo.h"

namespace verbal::print {

bool PaintJobs(QPagedPaintDevice& device, const std::vector<PrintJob>& jobs) {
    const QSizeF paper = device.pageLayout().fullRect(QPageLayout::Millimeter).size();
    std::vector<std::unique_ptr<SheetPages>> laidOut;
    for (const PrintJob& job : jobs)
        laidOut.push_back(std::make_unique<SheetPages>(job.sheet, job.options, paper));
    // Sheet by sheet; the solutions of a batch come after all its grids, so
    // that the grids can be handed out and the solutions kept.
    std::vector<std::pair<const SheetPages*, int>> order;
    for (const auto& pages : laidOut)
        for (int i = 0; i < pages->PageCount() - pages->SolutionPageCount(); ++i)
            order.emplace_back(pages.get(), i);
    for (const auto& pages : laidOut)
        for (int i = pages->PageCount() - pages->SolutionPageCount(); i < pages->PageCount(); ++i)
            order.emplace_back(pages.get(), i);

    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF sheet(0, 0, device.width(), device.height());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        order[i].first->Paint(painter, order[i].second, sheet);
    }
    return painter.end();
}

QByteArray PdfBytes(const std::vector<PrintJob>& jobs, const QPageSize& pageSize) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Verbaline 2000"));
        writer.setTitle(jobs.empty() || jobs.front().options.title.isEmpty()
                            ? QStringLiteral("Mots croisés")
                            : jobs.front().options.title);
        if (!PaintJobs(writer, jobs)) return {};
    }
    return bytes;
}

QByteArray SvgBytes(const PrintJob& job, const QPageSize& pageSize) {
    constexpr int kDpi = 96;
    const QSizeF mm = pageSize.size(QPageSize::Millimeter);
    const SheetPages pages(job.sheet, job.options, mm);
    const QSizeF page(mm.width() / 25.4 * kDpi, mm.height() / 25.4 * kDpi);
    const QSizeF whole(page.width(), page.height() * pages.PageCount());

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kDpi);
    svg.setSize(whole.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), whole));
    svg.setTitle(job.options.title.isEmpty() ? QStringLiteral("Mots croisés") : job.options.title);
    svg.setDescription(QStringLiteral("Grille de mots croisés de Verbaline 2000"));
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    for (int i = 0; i < pages.PageCount(); ++i)
        pages.Paint(painter, i, QRectF(QPointF(0, i * page.height()), page));
    painter.end();
    return bytes;
}

QString WriteFileSafely(const std::string& storedPath, const QByteArray& bytes,
                        const QString& shownName) {
    if (bytes.isEmpty())
        return QStringLiteral("Le fichier « %1 » n'a pas pu être préparé : rien n'a été écrit.")
            .arg(shownName);
    const int error =
        WriteFileAtomically(storedPath, std::vector<char>(bytes.constBegin(), bytes.constEnd()));
    if (error == 0) return {};
    return QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2.")
        .arg(shownName, QString::fromStdString(Cp1252ToUtf8(FrenchErrorText(error))));
}

}  // namespace verbal::print
