// Every French text of the dialogs whole, in the font the program uses: the
// same tests run at the default scale and at 1.5 (QT_SCALE_FACTOR).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <functional>
#include <memory>

#include "AboutDlg.h"
#include "BrowserPathDlg.h"
#include "ConfirmDlg.h"
#include "DialogUnits.h"
#include "GeneratorBoxes.h"
#include "HelpTextDlg.h"
#include "NewGridDlg.h"
#include "PreferencesDlg.h"
#include "SmallDialogs.h"

namespace verbal::test {
namespace {

using namespace shell;

struct Made {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const std::vector<Made>& Dialogs() {
    static const std::vector<Made> dialogs = {
        {"Préférences", [] { return std::make_unique<CPreferencesDlg>(); }},
        {"Informations sur la Grille",
         [] {
             auto dlg = std::make_unique<CGridInfoDlg>();
             dlg->m_nTotalCells = 400;
             dlg->m_strExtraLabel = "Nombre de cases fausses :";
             dlg->m_strDictName = "Standard";
             dlg->OnInitDialog();
             return dlg;
         }},
        {"Nombre de cases", [] { return std::make_unique<CNewGridDlg>(); }},
        {"Navigateur html", [] { return std::make_unique<CBrowserPathDlg>(); }},
        {"À propos", [] { return std::make_unique<CAboutDlg>(); }},
        {"Aide", [] { return std::make_unique<CHelpTextDlg>(); }},
        {"Placer une lettre", [] { return std::make_unique<CLetterDlg>(); }},
        {"Solution", [] { return std::make_unique<CSolutionDlg>(); }},
        {"Définitions", [] { return std::make_unique<CDefinitionsDlg>(); }},
        {"Effaçage", [] { return std::make_unique<CEraseConfirmDlg>(); }},
        {"Lancer un nouveau calcul", [] { return std::make_unique<CRecalcConfirmDlg>(); }},
        {"Victoire", [] { return std::make_unique<CVictoryDlg>(); }},
        {"ARRETER", [] { return std::make_unique<CStopDlg>(); }},
        {"Veuillez patienter", [] { return std::make_unique<CWaitDlg>(); }},
    };
    return dialogs;
}

// The room a one-line text needs beside its own decoration.
int Needed(QWidget* w) { return w->sizeHint().width(); }

TEST(TextFit, EveryLabelAndButtonShowsItsWholeText) {
    for (const Made& made : Dialogs()) {
        std::unique_ptr<QWidget> dlg = made.make();
        dlg->ensurePolished();
        for (QLabel* label : dlg->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
                continue;
            label->ensurePolished();
            EXPECT_LE(Needed(label), label->width())
                << made.name << ": \"" << label->text().toStdString() << "\"";
        }
        for (QAbstractButton* button : dlg->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty() || !button->isVisibleTo(dlg.get())) continue;
            button->ensurePolished();
            // The text itself, without the style's generous margins.
            const int text = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
            EXPECT_LE(text + 4, button->width())
                << made.name << ": \"" << button->text().toStdString() << "\"";
        }
        for (QGroupBox* frame : dlg->findChildren<QGroupBox*>()) {
            const int text = frame->fontMetrics().horizontalAdvance(frame->title());
            EXPECT_LE(text + 8, frame->width())
                << made.name << ": \"" << frame->title().toStdString() << "\"";
        }
    }
}

// A text beside a control must end before the control begins.
TEST(TextFit, ColourLabelsStayClearOfTheirButtons) {
    CPreferencesDlg dlg;
    dlg.ensurePolished();
    const CDialogUnits du(dlg.font());
    for (int id : {CPreferencesDlg::IDC_COLOUR_OUTER, CPreferencesDlg::IDC_COLOUR_INNER,
                   CPreferencesDlg::IDC_COLOUR_LETTERS, CPreferencesDlg::IDC_COLOUR_GRID,
                   CPreferencesDlg::IDC_COLOUR_SCREEN}) {
        QWidget* button = dlg.GetDlgItem(id);
        ASSERT_TRUE(button);
        int labels = 0;
        for (QLabel* label : dlg.findChildren<QLabel*>()) {
            const bool sameRow = label->geometry().bottom() >= button->y() &&
                                 label->y() <= button->geometry().bottom();
            if (!sameRow || label->x() >= button->x() || label->text().isEmpty()) continue;
            if (label->x() < button->x() - du.X(120)) continue;
            ++labels;
            const int end = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(end + du.X(2), button->x()) << label->text().toStdString();
        }
        EXPECT_EQ(labels, 1) << id;
    }
}

// The title bar shows the caption whole: the window is at least as wide as
// its text in a bold title font, with room for the icon and the buttons.
TEST(TextFit, CaptionsFitTheirWindows) {
    for (const Made& made : Dialogs()) {
        std::unique_ptr<QWidget> dlg = made.make();
        if (dlg->windowFlags() & Qt::FramelessWindowHint) continue;  // no title bar
        EXPECT_GE(dlg->width(), CaptionWidth(dlg->windowTitle()))
            << made.name << ": \"" << dlg->windowTitle().toStdString() << "\"";
    }
}

}  // namespace
}  // namespace verbal::test
