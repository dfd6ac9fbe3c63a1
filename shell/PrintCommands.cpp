#include "PrintCommands.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <optional>

#include "CommandMap.h"
#include "Export.h"
#include "FileCommands.h"
#include "Ipuz.h"
#include "MessageBox.h"
#include "Modal.h"
#include "PrintOptionsDlg.h"
#include "VerbalineDoc.h"

namespace verbal::shell {
namespace {

void Tell(QWidget* owner, const QString& text) {
    ShowMessageBox(owner, text, QString(), MsgButtons::Ok, MsgIcon::Exclamation);
}

// The grid's copy, or none after telling why.
std::optional<print::GridSheet> Sheet(QWidget* owner, const CVerbalineDoc& doc) {
    const QString problem = print::SheetProblem(doc);
    if (!problem.isEmpty()) {
        Tell(owner, problem);
        return std::nullopt;
    }
    return print::TakeSheet(doc);
}

// The grid and the page options the user chose; none when cancelled.
std::optional<print::PrintJob> AskJob(QWidget* owner, const CVerbalineDoc& doc) {
    std::optional<print::GridSheet> sheet = Sheet(owner, doc);
    if (!sheet) return std::nullopt;
    CPrintOptionsDlg dialog(owner, sheet->HasPlayerLetters());
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    print::PrintJob job;
    job.sheet = std::move(*sheet);
    job.options = dialog.Options();
    return job;
}

// The page is laid out on the whole sheet, margins included, on the paper
// of the user's locale unless the print dialog changes it.
void SetUp(QPrinter& printer, const QString& name) {
    printer.setPageSize(print::DefaultPageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(name);
    printer.setCreator(QStringLiteral("Verbaline 2000"));
}

void Paint(QWidget* owner, QPrinter& printer, const print::PrintJob& job) {
    if (!print::PaintJobs(printer, {job}))
        Tell(owner, QStringLiteral("L'impression n'a pas pu se faire : l'imprimante n'a pas "
                                   "accepté la page."));
}

void OnPrint(QWidget* owner, const CVerbalineDoc& doc, const QString& name) {
    const std::optional<print::PrintJob> job = AskJob(owner, doc);
    if (!job) return;
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, name);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    // Every page of the grid is printed: it has one or two, and its solution.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (RunModal(dialog) != QDialog::Accepted) return;
    Paint(owner, printer, *job);
}

void OnPreview(QWidget* owner, const CVerbalineDoc& doc, const QString& name) {
    const std::optional<print::PrintJob> job = AskJob(owner, doc);
    if (!job) return;
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, name);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    dialog.resize(760, 900);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* target) { Paint(owner, *target, *job); });
    RunModal(dialog);
}

// Writes the bytes under the name the user chooses.
void Export(QWidget* owner, const QString& title, const QString& proposed, const QString& filter,
            const QString& suffix, const std::function<QByteArray()>& bytes) {
    const QString path = AskSaveFileName(owner, title, proposed, filter, suffix);
    if (path.isEmpty()) return;
    const std::optional<std::string> stored = EnginePath(owner, path);
    if (!stored) return;
    const QString problem = print::WriteFileSafely(*stored, bytes(), path);
    if (!problem.isEmpty()) Tell(owner, problem);
}

void OnExportPdf(QWidget* owner, const CVerbalineDoc& doc, const QString& name) {
    const std::optional<print::PrintJob> job = AskJob(owner, doc);
    if (!job) return;
    Export(owner, QStringLiteral("Exporter en PDF"), name + QStringLiteral(".pdf"),
           QStringLiteral("Document PDF (*.pdf)"), QStringLiteral("pdf"),
           [&] { return print::PdfBytes({*job}, print::DefaultPageSize()); });
}

void OnExportIpuz(QWidget* owner, const CVerbalineDoc& doc, const QString& name) {
    const std::optional<print::GridSheet> sheet = Sheet(owner, doc);
    if (!sheet) return;
    Export(owner, QStringLiteral("Exporter au format ipuz"), name + QStringLiteral(".ipuz"),
           QStringLiteral("Grille ipuz (*.ipuz)"), QStringLiteral("ipuz"), [&] {
               return print::IpuzBytes(*sheet,
                                       QStringLiteral("Mots croisés %1 × %1").arg(sheet->size));
           });
}

}  // namespace

void AddPrintCommands(CCommandMap& map, QWidget* owner, CVerbalineDoc* doc,
                      std::function<QString()> name) {
    // The page and the file are named after the grid, without ".vbg".
    auto base = [name] { return QFileInfo(name()).completeBaseName(); };
    map.On(ID_FILE_PRINT, [=] { OnPrint(owner, *doc, base()); });
    map.On(ID_FILE_PRINT_PREVIEW, [=] { OnPreview(owner, *doc, base()); });
    map.On(ID_FILE_EXPORT_PDF, [=] { OnExportPdf(owner, *doc, base()); });
    map.On(ID_FILE_EXPORT_IPUZ, [=] { OnExportIpuz(owner, *doc, base()); });
    auto ready = [doc](CCmdUI& ui) { ui.Enable(doc->GridReady() && !doc->IsComputing()); };
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT_PDF, ID_FILE_EXPORT_IPUZ})
        map.OnUpdate(id, ready);
}

}  // namespace verbal::shell
