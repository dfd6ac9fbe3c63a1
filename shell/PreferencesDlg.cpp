#include "PreferencesDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "AboutDlg.h"
#include "Codepage.h"
#include "DialogUnits.h"
#include "HelpTextDlg.h"
#include "Icons.h"
#include "MessageBox.h"
#include "Modal.h"
#include "QtText.h"
#include "Process.h"
#include "SettingsIo.h"
#include "Sound.h"
#include "Strings.h"
#include "VerbalineView.h"

namespace verbal::shell {

namespace {

using Dlg = CPreferencesDlg;

struct RadioChoice {
    int id;
    int value;
    const char* text;
};
constexpr RadioChoice kLineWidths[] = {{Dlg::IDC_LINE_1, 1, "1 Pixel"},
                                       {Dlg::IDC_LINE_2, 2, "2 Pixels"},
                                       {Dlg::IDC_LINE_3, 3, "3 Pixels"},
                                       {Dlg::IDC_LINE_4, 4, "4 Pixels"}};
constexpr RadioChoice kCellSizes[] = {{Dlg::IDC_CELL_15, 15, "15 X 15 Pixels"},
                                      {Dlg::IDC_CELL_20, 20, "20 X 20 Pixels"},
                                      {Dlg::IDC_CELL_25, 25, "25 X 25 Pixels"},
                                      {Dlg::IDC_CELL_30, 30, "30 X 30 Pixels"},
                                      {Dlg::IDC_CELL_35, 35, "35 X 35 Pixels"}};
constexpr RadioChoice kPositions[] = {{Dlg::IDC_POS_BOTTOM_RIGHT, 0, "<>"},
                                      {Dlg::IDC_POS_BOTTOM_LEFT, 1, "<>"},
                                      {Dlg::IDC_POS_TOP_LEFT, 2, "<>"},
                                      {Dlg::IDC_POS_TOP_RIGHT, 3, "<>"},
                                      {Dlg::IDC_POS_CENTRE, 4, "<>"}};

// The six sound rows, top to bottom, in the order of the events.
struct SoundRow {
    const char* label;
    const char* title;  // of its file dialog, after "Parcourir pour le son "
    int edit;
    int none;
    int test;
    int browse;
    std::string CPreferencesData::*member;
};
const SoundRow kSoundRows[6] = {
    {"Calcul de la grille:", "Calcul de la grille", Dlg::IDC_SOUND_COMPUTE, 1037, 1029, 1038,
     &CPreferencesData::m_strSoundCompute},
    {"Grille prête:", "Grille prête", Dlg::IDC_SOUND_READY, 1039, 1040, 1041,
     &CPreferencesData::m_strSoundReady},
    {"Annulation:", "Annulation", Dlg::IDC_SOUND_CANCEL, 1042, 1047, 1048,
     &CPreferencesData::m_strSoundCancel},
    {"Effacement:", "Effacement", Dlg::IDC_SOUND_ERASE, 1017, 1018, 1019,
     &CPreferencesData::m_strSoundErase},
    {"Placement d'une lettre:", "Placement d'une lettre", Dlg::IDC_SOUND_PLACE, 1020, 1022, 1021,
     &CPreferencesData::m_strSoundPlace},
    {"Grille complète:", "Grille complète", Dlg::IDC_SOUND_COMPLETE, 1043, 1044, 1045,
     &CPreferencesData::m_strSoundComplete},
};

constexpr const char* kStatusChanged = "Enregistrement des changements";

// Checks the radio of |value| and clears the others; a value outside the
// list leaves the whole group clear.
template <std::size_t N>
void SelectRadio(QButtonGroup* group, const RadioChoice (&choices)[N], int value) {
    group->setExclusive(false);
    for (const RadioChoice& c : choices) group->button(c.id)->setChecked(c.value == value);
    group->setExclusive(true);
}

template <std::size_t N>
int ValueOf(const RadioChoice (&choices)[N], int id) {
    for (const RadioChoice& c : choices)
        if (c.id == id) return c.value;
    return 0;
}

}  // namespace

CPreferencesDlg::CPreferencesDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Préférences:"));
    m_fnGetOpenFileName = SystemOpenFileName;
    m_fnPlaySound = [](const std::string& sound) { PlayEventSound(Cp1252ToUtf8(sound)); };
    BuildPage();
}

void CPreferencesDlg::BuildPage() {
    const CDialogUnits du = PrepareDialog(this, 442, 302);
    UseTemplateFrames(this);
    auto place = [&](QWidget* w, int id, int x, int y, int cx, int cy) {
        w->setGeometry(du.Rect(x, y, cx, cy));
        if (id) m_items[id] = w;
    };
    auto frame = [&](const char* title, int x, int y, int cx, int cy) {
        place(new QGroupBox(QString::fromUtf8(title), this), 0, x, y, cx, cy);
    };
    auto label = [&](const char* text, int x, int y, int cx, int cy,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setAlignment(align);
        l->setWordWrap(cy > 10);
        place(l, 0, x, y, cx, cy);
        return l;
    };
    auto button = [&](const char* text, int id, int x, int y, int cx, int cy,
                      std::function<void()> handler) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setAutoDefault(false);
        place(b, id, x, y, cx, cy);
        connect(b, &QPushButton::clicked, this, std::move(handler));
        return b;
    };
    auto pathEdit = [&](int id, std::string* member, int y) {
        auto* edit = new QLineEdit(this);
        place(edit, id, 158, y, 213, 14);
        m_pathEdits[id] = member;
    };

    // Line width and cell size: radios with their text on the left.
    auto radios = [&](QButtonGroup*& group, const auto& choices, int x, int width) {
        group = new QButtonGroup(this);
        int row = 0;
        static const int kRowY[5] = {22, 33, 45, 57, 69};
        for (const RadioChoice& c : choices) {
            auto* radio = new QRadioButton(QString::fromUtf8(c.text), this);
            radio->setLayoutDirection(Qt::RightToLeft);
            place(radio, c.id, x, kRowY[row++], width, 10);
            group->addButton(radio, c.id);
        }
    };
    frame("Épaisseur du trait:", 6, 6, 86, 85);
    radios(m_lineGroup, kLineWidths, 14, 66);
    connect(m_lineGroup, &QButtonGroup::idClicked, this, [this](int id) {
        m_nLineWidth = ValueOf(kLineWidths, id);
        Changed(kStatusChanged);
    });
    frame("Taille de la grille:", 101, 7, 93, 85);
    radios(m_cellGroup, kCellSizes, 108, 78);
    connect(m_cellGroup, &QButtonGroup::idClicked, this, [this](int id) {
        m_nCellSize = ValueOf(kCellSizes, id);
        Changed(kStatusChanged);
    });

    frame("Couleurs:", 204, 7, 118, 85);
    const struct {
        const char* text;
        int id;
        COLORREF CPreferencesData::*member;
    } colours[5] = {
        {"Cadre extérieur de la grille", IDC_COLOUR_OUTER, &CPreferencesData::m_clrOuterFrame},
        {"Cadre intérieur de la grille", IDC_COLOUR_INNER, &CPreferencesData::m_clrInnerFrame},
        {"Grille et lettres", IDC_COLOUR_LETTERS, &CPreferencesData::m_clrGridLetters},
        {"Fond de la grille", IDC_COLOUR_GRID, &CPreferencesData::m_clrGridBackground},
        {"Fond de l'écran", IDC_COLOUR_SCREEN, &CPreferencesData::m_clrScreenBackground},
    };
    static const int kColourY[5] = {22, 33, 45, 57, 69};
    for (int i = 0; i < 5; ++i) {
        // The labels run nearly to the frame's edge: "Cadre extérieur de la
        // grille" is wider in this font than in the template's.
        label(colours[i].text, 209, kColourY[i] + 1, 91, 9);
        auto member = colours[i].member;
        auto* b = button("", colours[i].id, 302, kColourY[i], 16, 10,
                         [this, member] { OnChooseColour(this->*member); });
        b->setToolTip(QStringLiteral("Choisir la couleur : %1").arg(QString::fromUtf8(colours[i].text)));
        m_colourButtons.push_back({b, member});
    }

    frame("Retour aux valeurs d'origine:", 328, 7, 104, 32);
    button("Valeurs d'origine", IDC_FACTORY, 336, 19, 88, 14, [this] { OnFactoryValues(); });
    frame("Autoréparation:", 328, 41, 104, 51);
    label("Suppression de toutes les valeurs d'initialisation", 332, 51, 96, 18,
          Qt::AlignHCenter | Qt::AlignTop);
    button("Réinitialisation", IDC_RESET, 336, 72, 88, 14, [this] { OnFullReset(); });

    // The place of the definitions box: five buttons over a picture of a
    // screen, at its corners and its centre.
    frame("Position de la boîte des définitions:", 6, 92, 141, 108);
    auto* screen = new QLabel(this);
    const QRect screenRect = du.Rect(24, 103, 100, 86);
    screen->setGeometry(screenRect);
    screen->setPixmap(RenderPicture(QStringLiteral("screen"), screenRect.size()));
    m_positionGroup = new QButtonGroup(this);
    const struct {
        int id, x, y;
    } corners[5] = {{IDC_POS_TOP_LEFT, 32, 111},     {IDC_POS_TOP_RIGHT, 100, 111},
                    {IDC_POS_CENTRE, 66, 133},       {IDC_POS_BOTTOM_LEFT, 32, 156},
                    {IDC_POS_BOTTOM_RIGHT, 100, 156}};
    for (const auto& c : corners) {
        auto* b = new QPushButton(QStringLiteral("<>"), this);
        b->setCheckable(true);
        b->setAutoDefault(false);
        place(b, c.id, c.x, c.y, 16, 10);
        m_positionGroup->addButton(b, c.id);
    }
    connect(m_positionGroup, &QButtonGroup::idClicked, this, [this](int id) {
        m_nDefBoxPosition = ValueOf(kPositions, id);
        Changed(kStatusChanged);
    });

    frame("Navigateur html:", 155, 92, 277, 35);
    label("Programme utilisé pour naviguer dans l'aide de Verbaline 2000:", 161, 101, 260, 9);
    pathEdit(IDC_BROWSER_PATH, &m_strBrowserPath, 110);
    button("?", IDC_BROWSER_HELP, 374, 110, 14, 14, [this] { OnBrowserHelp(); });
    button("Parcourir", IDC_BROWSER_BROWSE, 390, 110, 38, 14, [this] { OnBrowserBrowse(); });

    frame("Sons:", 155, 129, 277, 165);
    for (int i = 0; i < 6; ++i) {
        const SoundRow& row = kSoundRows[i];
        const int y = 138 + 26 * i;
        label(row.label, 161, y, 120, 8);
        button("Aucun", row.none, 374, y - 2, 26, 10, [this, i] { OnSoundNone(i); });
        button("Test", row.test, 402, y - 2, 26, 10, [this, i] { OnSoundTest(i); });
        pathEdit(row.edit, &(this->*row.member), y + 9);
        button("Parcourir", row.browse, 374, y + 9, 54, 14, [this, i] { OnSoundBrowse(i); });
    }

    frame("Verbaline 2000:", 6, 201, 141, 43);
    auto* icon = new QLabel(this);
    const QRect iconRect = du.Rect(12, 210, 18, 18);
    const int side = std::min(iconRect.width(), iconRect.height());
    icon->setGeometry(iconRect.x(), iconRect.y(), side, side);
    icon->setPixmap(RenderPicture(QStringLiteral("verbal"), QSize(side, side)));
    label("© 2000-2026 Quillsoft", 34, 214, 110, 9);
    auto* site = button("", IDC_SITE, 12, 229, 113, 12, [this] { OnSiteButton(); });
    site->setText(SiteAddress());
    button("?", IDC_ABOUT, 128, 229, 13, 12, [this] { OnAbout(); });

    frame("Refermer:", 6, 245, 141, 48);
    auto* status = new QLineEdit(this);
    status->setReadOnly(true);
    status->setAlignment(Qt::AlignCenter);
    status->setFocusPolicy(Qt::NoFocus);
    place(status, IDC_STATUS, 12, 256, 129, 12);

    auto* ok = button("Appliquer", IDOK_APPLY, 17, 273, 50, 14, [this] { accept(); });
    ok->setDefault(true);
    button("Annuler", IDCANCEL_CLOSE, 87, 273, 50, 14, [this] { reject(); });
}

QWidget* CPreferencesDlg::GetDlgItem(int id) const {
    auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : it->second;
}

void CPreferencesDlg::Click(int id) {
    if (auto* b = qobject_cast<QAbstractButton*>(GetDlgItem(id))) b->click();
}

void CPreferencesDlg::OnInitDialog() {
    for (const auto& [id, member] : m_pathEdits)
        static_cast<QLineEdit*>(GetDlgItem(id))->setText(FromBytes(*member));
    static_cast<QLineEdit*>(GetDlgItem(IDC_STATUS))->setText(FromBytes(m_strStatus));
    SelectRadio(m_lineGroup, kLineWidths, m_nLineWidth);
    SelectRadio(m_cellGroup, kCellSizes, m_nCellSize);
    SelectRadio(m_positionGroup, kPositions, m_nDefBoxPosition);
    // A sunken button alone is hard to tell from the others on the small
    // picture: the chosen place also shows a dot.
    for (const RadioChoice& c : kPositions) {
        QAbstractButton* b = m_positionGroup->button(c.id);
        b->setText(b->isChecked() ? QStringLiteral("\u25CF") : QString::fromUtf8(c.text));
    }
    // Each colour button shows its colour, framed so that a colour close to
    // the button's own stays visible.
    for (const auto& [button, member] : m_colourButtons) {
        const QSize size(std::max(4, button->width() - 8), std::max(4, button->height() - 8));
        QPixmap swatch(size);
        swatch.fill(ToQColor(this->*member));
        QPainter painter(&swatch);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
        painter.end();
        button->setIcon(QIcon(swatch));
        button->setIconSize(size);
    }
}

bool CPreferencesDlg::DoModal() {
    OnInitDialog();
    return RunModal(*this) == QDialog::Accepted;
}

void CPreferencesDlg::accept() {
    std::map<int, std::string> taken;
    for (const auto& [id, member] : m_pathEdits) {
        auto* edit = static_cast<QLineEdit*>(GetDlgItem(id));
        if (!ToSettingsPath(this, edit->text(), taken[id])) {
            edit->setFocus();
            return;
        }
    }
    for (const auto& [id, member] : m_pathEdits) *member = taken[id];
    QDialog::accept();
}

void CPreferencesDlg::Changed(const char* status) {
    m_strStatus = W(status);
    OnInitDialog();
}

void CPreferencesDlg::OnChooseColour(COLORREF& colour) {
    QColorDialog dlg(ToQColor(colour), this);
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    if (RunModal(dlg) != QDialog::Accepted) return;
    const QColor chosen = dlg.selectedColor().isValid() ? dlg.selectedColor() : dlg.currentColor();
    colour = MakeColorRef(chosen.red(), chosen.green(), chosen.blue());
    Changed(kStatusChanged);
}

void CPreferencesDlg::OnFactoryValues() {
    RestoreFactoryValues();
    Changed("Retour aux valeurs d'origine");
}

void CPreferencesDlg::OnFullReset() {
    m_bFullReset = 1;
    Changed("Réinitialisation complète");
}

void CPreferencesDlg::OnSoundNone(int row) {
    this->*kSoundRows[row].member = kNoSound;
    Changed(kStatusChanged);
}

void CPreferencesDlg::OnSoundTest(int row) {
    // The member as it stands, not a path typed and not yet applied.
    const std::string& sound = this->*kSoundRows[row].member;
    if (sound != kNoSound) m_fnPlaySound(sound);
}

void CPreferencesDlg::OnSoundBrowse(int row) {
    const QString chosen = m_fnGetOpenFileName(
        this, QStringLiteral("Parcourir pour le son %1").arg(QString::fromUtf8(kSoundRows[row].title)),
        QString(), QStringLiteral("Son wave (*.wav)"));
    std::string bytes;
    if (chosen.isEmpty() || !ToSettingsPath(this, chosen, bytes)) return;
    this->*kSoundRows[row].member = bytes;
    Changed(kStatusChanged);
}

void CPreferencesDlg::OnBrowserBrowse() {
    const QString chosen = m_fnGetOpenFileName(this, QStringLiteral("Recherche du Navigateur HTML:"),
                                               QString(), BrowserFileFilter());
    std::string bytes;
    if (chosen.isEmpty() || !CheckProgramFile(this, chosen) || !ToSettingsPath(this, chosen, bytes))
        return;
    m_strBrowserPath = bytes;
    Changed(kStatusChanged);
}

void CPreferencesDlg::OnBrowserHelp() {
    CHelpTextDlg dlg(this);
    dlg.m_strText =
        W("Ce cadre vous permet de sélectionner le programme utilisé pour naviguer dans l'aide. "
          "Vous pouvez utiliser tout programme capable de visualiser des documents html, par "
          "exemple le navigateur internet de votre bureau. ") +
        ShippedBrowserText(m_strInstallDir);
    dlg.DoModal();
}

void CPreferencesDlg::OnSiteButton() {
    // The members as they stand: a path typed and not yet applied is not
    // the browser in force.
    const int result = StartProgram({m_strBrowserPath, m_strInstallDir + "enligne.htm"});
    if (result == kStartFileNotFound || result == kStartPathNotFound)
        ShowMessageBox(this,
                       QStringLiteral("Le navigateur html n'a pas été trouvé utilisez le cadre "
                                      "Navigateur html pour sélectionner un navigateur"),
                       QString(), MsgButtons::Ok, MsgIcon::Exclamation);
}

void CPreferencesDlg::OnAbout() {
    CAboutDlg dlg(this);
    dlg.DoModal();
}

}  // namespace verbal::shell
