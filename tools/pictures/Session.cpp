#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <iostream>

#include "ChildFrame.h"
#include "Definitions.h"
#include "FileIo.h"
#include "Grid.h"
#include "GridText.h"
#include "MainFrame.h"
#include "Modal.h"
#include "Pictures.h"
#include "Sounds.h"
#include "VerbalineApp.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::pictures {
namespace {
bool g_bFailed = false;
}  // namespace

std::string InstallDir() { return VERBAL_PICTURES_INSTALL_DIR; }
std::string TestDataDir() { return VERBAL_PICTURES_TEST_DATA_DIR; }

void Fail(const std::string& what) {
    std::cerr << "pictures : " << what << "\n";
    g_bFailed = true;
}

bool Failed() { return g_bFailed; }

void Settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents);
    } while (clock.elapsed() < ms);
}

Session::Session() {
    shell::SetSoundHook([](const std::string&) {});
    shell::SetModalHook([this](QDialog& dialog) { return answer ? answer(dialog) : DefaultAnswer(dialog); });
    m_app = std::make_unique<shell::CVerbalineApp>();
    if (!m_app->InitInstance({})) Fail("verbal n'a pas démarré");
}

Session::~Session() {
    answer = nullptr;
    if (Frame()) Frame()->close();
    QApplication::processEvents();
    m_app.reset();
    shell::SetModalHook({});
    shell::SetSoundHook({});
}

int Session::DefaultAnswer(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        for (auto button : {QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok})
            if (box->button(button)) return button;
    }
    return QDialog::Rejected;
}

shell::CMainFrame* Session::Frame() const { return m_app ? m_app->MainFrame() : nullptr; }
shell::CChildFrame* Session::Child() const { return Frame()->ActiveChild(); }
CVerbalineDoc* Session::Doc() const { return Child()->GetDocument(); }
CVerbalineView* Session::View() const { return Child()->GetView(); }

void OpenGrid(Session& session, const std::vector<std::string>& rows, const std::string& dexPath,
              const std::string& dictName, int quality) {
    auto grid = std::make_unique<CGrid>();
    SetSolutionRows(*grid, rows);
    grid->BuildTransposed();
    grid->CopyBlackSquares();
    std::vector<char> bytes;
    std::size_t size = 0;
    if (ReadWholeFile(dexPath, kDefinitionsSize, bytes, size) != ReadResult::Ok) {
        Fail("impossible de lire " + dexPath);
        return;
    }
    auto definitions = std::make_unique<CDefinitionsText>();
    definitions->TakeDefinitionsBytes(bytes.data(), bytes.size());
    definitions->LookUpAllClues(*grid, true, [] { Fail("un mot de la grille n'a pas de définition"); });
    grid->m_bGridReady = true;
    grid->m_nRowsDone = 20;
    grid->m_ptGridOrigin = CPoint{80, 60};
    grid->m_strDictName = dictName;
    grid->m_nQuality = quality;

    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("grille.vbg")).toStdString();
    if (WriteFileAtomically(path, grid->WriteGridBytes()) != 0 || !session.Doc()->OpenGrid(path))
        Fail("la grille des images n'a pas pu être ouverte");
}

}  // namespace verbal::pictures
