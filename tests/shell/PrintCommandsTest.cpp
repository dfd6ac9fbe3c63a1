// Printing, previewing and exporting from a grid window: the commands'
// state, the page options, the dialogs in order and the files written.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>

#include "PrintOptionsDlg.h"
#include "ShellFixture.h"

namespace verbal::test {
namespace {

const std::vector<std::string> kGrid = {
    "AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};
const int kCommands[] = {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT_PDF,
                         ID_FILE_EXPORT_IPUZ};

class Printing : public ShellTest {
protected:
    void MakeGrid() {
        OpenReadyGrid(*Doc(), kGrid);
        frame->UpdateCommandUI();
    }
    QString Path(const QString& name) const {
        return QString::fromStdString(folder.File(name.toStdString()));
    }
    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Answers the page options with the radio button whose text is
    // |choice|, and every other dialog with |other|.
    void AnswerOptions(const QString& choice, std::function<int(QDialog&)> other = {}) {
        answer = [choice, other](QDialog& dialog) {
            if (qobject_cast<shell::CPrintOptionsDlg*>(&dialog)) {
                for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
                    if (button->text() == choice) button->setChecked(true);
                return int(QDialog::Accepted);
            }
            return other ? other(dialog) : DefaultAnswer(dialog);
        };
    }
    TempDir folder;
};

TEST_F(Printing, GreyedUntilTheWindowHoldsAComputedGrid) {
    frame->UpdateCommandUI();
    for (int id : kCommands) EXPECT_FALSE(Enabled(id)) << id;
    MakeGrid();
    for (int id : kCommands) EXPECT_TRUE(Enabled(id)) << id;
    // In a new window, Ctrl+P and the others do nothing.
    frame->RouteCommand(ID_FILE_NEW);
    dialogs.clear();
    for (int id : kCommands) EXPECT_FALSE(Enabled(id)) << id;
    frame->RouteCommand(ID_FILE_PRINT);
    frame->RouteCommand(ID_FILE_EXPORT_PDF);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(proposedNames.empty());
}

TEST_F(Printing, PdfExportAsksThePageThenTheNameAndWritesTheFile) {
    MakeGrid();
    AnswerOptions(QStringLiteral("Sur une page à &part"));
    fileAnswers.push_back(Path(QStringLiteral("lundi")));
    frame->RouteCommand(ID_FILE_EXPORT_PDF);
    EXPECT_EQ(events, (std::vector<std::string>{"dialog Mise en page", "save dialog"}));
    EXPECT_EQ(proposedNames, (std::vector<QString>{"GrilleNr1.pdf"}));
    EXPECT_TRUE(Read(QStringLiteral("lundi.pdf")).startsWith("%PDF-"));
    // Cancelled page options: no name asked, nothing written.
    answer = nullptr;
    events.clear();
    frame->RouteCommand(ID_FILE_EXPORT_PDF);
    EXPECT_EQ(events, (std::vector<std::string>{"dialog Mise en page"}));
}

TEST_F(Printing, IpuzExportKeepsThePlayersLetters) {
    MakeGrid();
    Doc()->PlaceLetter(2, 1, 'B');
    fileAnswers.push_back(Path(QStringLiteral("grille.ipuz")));
    frame->RouteCommand(ID_FILE_EXPORT_IPUZ);
    EXPECT_EQ(events, (std::vector<std::string>{"save dialog"}));
    const QJsonObject root = QJsonDocument::fromJson(Read(QStringLiteral("grille.ipuz"))).object();
    EXPECT_EQ(root["dimensions"].toObject()["width"].toInt(), 6);
    EXPECT_EQ(root["saved"].toArray()[1].toArray()[0].toString(), QStringLiteral("B"));
}

TEST_F(Printing, AFailedWriteIsToldAndLeavesNoFile) {
    MakeGrid();
    fileAnswers.push_back(Path(QStringLiteral("absent/grille.ipuz")));
    frame->RouteCommand(ID_FILE_EXPORT_IPUZ);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].text.contains(QStringLiteral("n'a pas pu être écrit : le dossier "
                                                        "n'existe pas")))
        << dialogs[0].text.toStdString();
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(Printing, PrintAndPreviewDrawTheSamePages) {
    MakeGrid();
    const QString pdf = Path(QStringLiteral("imprimante.pdf"));
    AnswerOptions(QStringLiteral("Sur une page à &part"), [&](QDialog& dialog) {
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            // The printer is a PDF file here; the user's page is kept.
            EXPECT_TRUE(print->printer()->fullPage());
            print->printer()->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });
    frame->RouteCommand(ID_FILE_PRINT);
    EXPECT_EQ(events, (std::vector<std::string>{"dialog Mise en page", "dialog Imprimer"}));
    EXPECT_TRUE(Read(QStringLiteral("imprimante.pdf")).startsWith("%PDF-"));

    int pages = -1;
    AnswerOptions(QStringLiteral("Sur une page à &part"), [&](QDialog& dialog) {
        if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
            preview->updatePreview();
            pages = preview->pageCount();
        }
        return int(QDialog::Rejected);
    });
    events.clear();
    frame->RouteCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(events,
              (std::vector<std::string>{"dialog Mise en page", "dialog Aperçu avant impression"}));
    EXPECT_EQ(pages, 2) << "the grid's page and the solution's";
}

}  // namespace
}  // namespace verbal::test
