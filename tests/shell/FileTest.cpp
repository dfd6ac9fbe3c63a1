// Saving and opening grids through the program: names, prompts, recent
// files, the command line and dropped files.
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QDropEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

#include "Documents.h"
#include "GridText.h"
#include "RecentFiles.h"
#include "ShellFixture.h"

namespace verbal::test {
namespace {

const std::vector<std::string> kGrid = {
    "AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};

class Files : public ShellTest {
protected:
    // A ready grid with a few of the player's letters, moved on the window.
    static void MakeGrid(CVerbalineDoc* doc) {
        OpenReadyGrid(*doc, kGrid, [](CGrid& grid) {
            grid.m_astrClues[0][0] = "Deux lettres";
            grid.m_ptGridOrigin = CPoint{120, 85};
        });
        doc->PlaceLetter(2, 1, 'B');
        doc->PlaceLetter(2, 2, 'X');
        doc->PlaceLetter(6, 5, 'E');
        doc->SetModifiedFlag();
    }
    QString Path(const QString& name) const {
        return QDir(QString::fromStdString(folder.Path())).filePath(name);
    }
    // Saves the active grid under |name| through "Enregistrer sous...".
    void SaveAs(const QString& name) {
        fileAnswers.push_back(Path(name));
        frame->RouteCommand(ID_FILE_SAVE_AS);
    }
    QStringList MenuItems() const {
        QStringList items;
        for (QAction* action : frame->CurrentMenus()[0]->actions())
            if (!action->isSeparator()) items << action->text();
        return items;
    }
    TempDir folder;
};

TEST_F(Files, SavedGridComesBackFromTheRecentListWithEveryLetter) {
    MakeGrid(Doc());
    Doc()->ToggleSolution();
    const std::vector<std::string> player = PlayerRows(*Doc());
    SaveAs("lundi");  // the extension is added
    const QString path = Path("lundi.vbg");
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(proposedNames, (std::vector<QString>{"GrilleNr1"}));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Child()->Title(), "lundi.vbg");
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [lundi.vbg]");
    EXPECT_EQ(Child()->PathName(), QFileInfo(path).canonicalFilePath());
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({Child()->PathName()}));

    // "Enregistrer" now writes to the same file without asking.
    Doc()->PlaceLetter(1, 1, 'A');
    Doc()->SetModifiedFlag();
    frame->RouteCommand(ID_FILE_SAVE);
    EXPECT_EQ(events, (std::vector<std::string>{"save dialog"}));
    EXPECT_FALSE(Doc()->IsModified());

    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();
    ASSERT_TRUE(frame->Children().isEmpty());
    EXPECT_TRUE(MenuItems().contains("&1 " + QDir::toNativeSeparators(
                                                 shell::CRecentFileList::AbbreviatePath(
                                                     QFileInfo(path).canonicalFilePath()))));

    EXPECT_TRUE(frame->RouteCommand(ID_FILE_MRU_FILE1));
    ASSERT_EQ(frame->Children().size(), 1);
    CVerbalineDoc* doc = Doc();
    std::vector<std::string> expected = player;
    expected[0][0] = 'A';
    EXPECT_EQ(PlayerRows(*doc), expected);
    EXPECT_EQ(SolutionRows(*doc), kGrid);
    EXPECT_EQ(doc->Clue(Direction::Across, 1, 1), "Deux lettres");
    EXPECT_FALSE(doc->ShowSolution());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Child()->Title(), "lundi.vbg");
    // Drawn where it was saved.
    View()->grab();
    EXPECT_EQ(View()->CellRect(1, 1).topLeft(), QPoint(120, 85));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(Files, ClosingAModifiedGridOffersToSaveIt) {
    MakeGrid(Doc());
    answer = [](QDialog& d) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        return box && box->button(QMessageBox::Yes) ? int(QMessageBox::Yes) : DefaultAnswer(d);
    };
    // "Oui", then the file dialog is cancelled: the window stays.
    Child()->close();
    Settle();
    EXPECT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"dialog Verbaline 2000", "save dialog"}));
    EXPECT_EQ(dialogs[0].text, "Enregistrer les modifications de GrilleNr1 ?");

    // "Oui" and a name: saved, then closed.
    fileAnswers.push_back(Path("mardi.vbg"));
    Child()->close();
    Settle();
    EXPECT_TRUE(frame->Children().isEmpty());
    EXPECT_TRUE(QFile::exists(Path("mardi.vbg")));
}

TEST_F(Files, QuittingAsksForEachModifiedGrid) {
    MakeGrid(Doc());
    frame->RouteCommand(ID_FILE_NEW);
    frame->RouteCommand(ID_FILE_NEW);  // not modified: not asked
    MakeGrid(Doc());
    Doc()->SetModifiedFlag(true);
    answer = nullptr;  // "Non" to both
    frame->RouteCommand(ID_APP_EXIT);
    Settle();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, "Enregistrer les modifications de GrilleNr1 ?");
    EXPECT_EQ(dialogs[1].text, "Enregistrer les modifications de GrilleNr3 ?");
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(Files, AGridWithNothingToSaveIsRefusedAndTheFileKept) {
    MakeGrid(Doc());
    SaveAs("jeudi.vbg");
    QFile file(Path("jeudi.vbg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();

    frame->RouteCommand(ID_FILE_NEW);
    EXPECT_FALSE(Enabled(ID_FILE_SAVE_AS));
    Doc()->SetModifiedFlag();
    fileAnswers.push_back(Path("jeudi.vbg"));
    EXPECT_FALSE(Child()->DoSave(true));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Enregistrement");
    EXPECT_EQ(dialogs[0].text, "Vous ne pouvez pas enregistrer une grille vide !");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Child()->Title(), "GrilleNr2");
}

// A grid is saved and opened by its own name: "Ωmega.vbg" never becomes
// "?mega.vbg", someone else's grid.
TEST_F(Files, NamesOutsideTheCodePageNameTheirOwnFiles) {
    QFile other(Path("?mega.vbg"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("ne pas toucher");
    other.close();
    MakeGrid(Doc());
    SaveAs("Ωmega.vbg");
    EXPECT_TRUE(dialogs.empty());
    ASSERT_TRUE(QFile::exists(Path("Ωmega.vbg")));
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("ne pas toucher"));
    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();

    ASSERT_TRUE(QFile::copy(Path("Ωmega.vbg"), Path("Москва.vbg")));
    fileAnswers.push_back(Path("Москва.vbg"));
    frame->RouteCommand(ID_FILE_OPEN);
    EXPECT_TRUE(dialogs.empty());
    ASSERT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(Child()->Title(), "Москва.vbg");
    EXPECT_EQ(Doc()->PlayerCell(2, 2), 'X');
}

TEST_F(Files, AFileThatIsNotAGridShowsOneMessageAndNoWindow) {
    QFile bad(Path("faux.vbg"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("pas une grille");
    bad.close();
    fileAnswers.push_back(Path("faux.vbg"));
    frame->RouteCommand(ID_FILE_OPEN);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].text.startsWith("Impossible d'ouvrir la grille"));
    EXPECT_EQ(frame->Children().size(), 1);
    EXPECT_TRUE(app->RecentFiles().Files().isEmpty());

    // A recent file gone since leaves the list.
    MakeGrid(Doc());
    SaveAs("vendredi.vbg");
    QFile::remove(Path("vendredi.vbg"));
    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();
    dialogs.clear();
    EXPECT_FALSE(app->OnOpenRecentFile(0));
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(app->RecentFiles().Files().isEmpty());
    EXPECT_FALSE(frame->CommandState(ID_FILE_MRU_FILE1).m_bEnabled);
    EXPECT_TRUE(MenuItems().contains("Fichier récent"));
}

TEST_F(Files, RecentListKeepsTenEntriesMostRecentFirstAcrossSessions) {
    {
        shell::CRecentFileList list;
        for (int i = 1; i <= 12; ++i) list.Add(QStringLiteral("/grilles/g%1.vbg").arg(i));
        list.Add(QStringLiteral("/grilles/g5.vbg"));
    }
    shell::CRecentFileList list;  // read again, as the next session would
    ASSERT_EQ(list.Files().size(), 10);
    EXPECT_EQ(list.Files()[0], "/grilles/g5.vbg");
    EXPECT_EQ(list.Files()[1], "/grilles/g12.vbg");
    EXPECT_EQ(list.Files()[9], "/grilles/g3.vbg");
    EXPECT_EQ(list.MenuText(0), "&1 /grilles/g5.vbg");
    EXPECT_EQ(list.MenuText(9), "1&0 /grilles/g3.vbg");
    QSettings settings(QStringLiteral("Quillsoft"), QStringLiteral("Verbaline 2000"));
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), "/grilles/g5.vbg");
    EXPECT_FALSE(settings.contains("Recent File List/File11"));

    EXPECT_EQ(shell::CRecentFileList::AbbreviatePath(
                  "/home/marie/documents/jeux/mots croisés/semaine 12/lundi.vbg", 40),
              "/…/mots croisés/semaine 12/lundi.vbg");
    EXPECT_EQ(shell::CRecentFileList::AbbreviatePath("/a/b.vbg", 40), "/a/b.vbg");
}

TEST_F(Files, RecentEntriesFillTheFileMenu) {
    MakeGrid(Doc());
    for (const char* name : {"a.vbg", "b.vbg", "c&d.vbg"}) SaveAs(name);
    const QStringList items = MenuItems();
    const int first = items.indexOf(QRegularExpression("^&1 .*c&&d\\.vbg$"));
    ASSERT_GE(first, 0) << items.join('|').toStdString();
    EXPECT_TRUE(items[first + 1].startsWith("&2 ") && items[first + 1].endsWith("b.vbg"));
    EXPECT_TRUE(items[first + 2].startsWith("&3 ") && items[first + 2].endsWith("a.vbg"));
    EXPECT_EQ(items[first + 3], "&Quitter");
    for (int id = ID_FILE_MRU_FILE1; id < ID_FILE_MRU_FILE1 + 3; ++id) EXPECT_TRUE(Enabled(id));
    EXPECT_EQ(frame->Actions(ID_FILE_MRU_FILE1 + 1)[0]->statusTip(), "Ouvre cette grille de Verbaline");
}

TEST_F(Files, AGridOnTheCommandLineOrDroppedOnTheWindowOpens) {
    MakeGrid(Doc());
    SaveAs("samedi.vbg");
    const QString path = Child()->PathName();

    shell::CVerbalineApp other;
    ASSERT_TRUE(other.InitInstance({path}));
    ASSERT_EQ(other.MainFrame()->Children().size(), 1);
    EXPECT_EQ(other.MainFrame()->ActiveChild()->Title(), "samedi.vbg");
    EXPECT_EQ(other.MainFrame()->ActiveChild()->GetDocument()->PlayerCell(2, 2), 'X');
    other.MainFrame()->close();

    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    ASSERT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(Child()->Title(), "samedi.vbg");

    // Opening it again shows the window that holds it.
    frame->RouteCommand(ID_FILE_NEW);
    fileAnswers.push_back(path);
    frame->RouteCommand(ID_FILE_OPEN);
    EXPECT_EQ(frame->Children().size(), 2);
    EXPECT_EQ(Child()->Title(), "samedi.vbg");
    EXPECT_TRUE(dialogs.empty());
}

}  // namespace
}  // namespace verbal::test
