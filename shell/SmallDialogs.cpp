#include "SmallDialogs.h"

#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "QtText.h"
#include "DialogUnits.h"
#include "Icons.h"
#include "Modal.h"

namespace verbal::shell {
namespace {


QScreen* ScreenOf(QPoint point) {
    if (QScreen* screen = QGuiApplication::screenAt(point)) return screen;
    return QGuiApplication::primaryScreen();
}

// Moves |dialog| so that its top-left is |corner|, pulled back onto |area|.
void MoveInside(QWidget* dialog, QPoint corner, const QRect& area) {
    const QSize size = dialog->size();
    int x = corner.x();
    int y = corner.y();
    if (!area.isEmpty()) {
        x = std::max(area.left(), std::min(x, area.right() + 1 - size.width()));
        y = std::max(area.top(), std::min(y, area.bottom() + 1 - size.height()));
    }
    dialog->move(x, y);
}

// A value shown in a read-only edit without border, on the dialog's own
// background, as the templates show their numbers.
QLineEdit* ReadOnlyEdit(QWidget* parent, Qt::Alignment align = Qt::AlignLeft) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setAlignment(align | Qt::AlignVCenter);
    edit->setFocusPolicy(Qt::ClickFocus);
    // The dialog's own background shows through, as behind a label.
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    return edit;
}

QFrame* EtchedFrame(QWidget* parent, const QRect& rect) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(rect);
    return frame;
}

QLabel* Label(QWidget* parent, const QString& text, const QRect& rect,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align);
    label->setGeometry(rect);
    return label;
}

QPushButton* Button(QWidget* parent, const QString& text, const QRect& rect) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setGeometry(rect);
    return button;
}

}  // namespace

QWidget* CTemplateDialog::GetDlgItem(int id) const {
    auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : it->second;
}

QString CTemplateDialog::ItemText(int id) const {
    QWidget* item = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) return edit->text();
    if (auto* text = qobject_cast<QTextEdit*>(item)) return text->toPlainText();
    if (auto* button = qobject_cast<QPushButton*>(item)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(item)) return label->text();
    return {};
}

void CentreOnPoint(QWidget* dialog, QPoint point) {
    const QSize size = dialog->size();
    MoveInside(dialog, point - QPoint(size.width() / 2, size.height() / 2),
               ScreenOf(point) ? ScreenOf(point)->availableGeometry() : QRect());
}

void CentreOnScreen(QWidget* dialog, const QWidget* anchor) {
    QScreen* screen = anchor && anchor->screen() ? anchor->screen()
                                                 : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = dialog->size();
    dialog->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

// --- letter picker ---------------------------------------------------------

namespace {
struct KeyRow {
    int y;
    int x;          // first key
    int firstId;
    const char* letters;
};
// The three rows of a French keyboard; ids follow the letters' places.
constexpr KeyRow kKeyRows[3] = {
    {2, 3, 1007, "AZERTYUIOP"},
    {15, 3, 1027, "QSDFGHJKLM"},
    {28, 35, 1037, "WXCVBN"},
};
}  // namespace

int CLetterDlg::LetterId(char letter) {
    for (const KeyRow& row : kKeyRows)
        for (int i = 0; row.letters[i]; ++i)
            if (row.letters[i] == letter) return row.firstId + i;
    return 0;
}

CLetterDlg::CLetterDlg(QWidget* parent) : CTemplateDialog(parent) {
    setWindowTitle(QStringLiteral("Placer une lettre ..."));
    const CDialogUnits du = PrepareDialog(this, 165, 41);
    for (const KeyRow& row : kKeyRows)
        for (int i = 0; row.letters[i]; ++i) {
            const char letter = row.letters[i];
            QPushButton* key = Button(this, QString(QLatin1Char(letter)),
                                      du.Rect(row.x + 16 * i, row.y, 16, 13));
            key->setFocusPolicy(Qt::NoFocus);
            AddItem(row.firstId + i, key);
            connect(key, &QPushButton::clicked, this, [this, letter] { OnLetter(letter); });
        }
    QPushButton* cancel = Button(this, QStringLiteral("Annuler"), du.Rect(3, 28, 32, 13));
    AddItem(IDC_CANCEL, cancel);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    QPushButton* erase = Button(this, QStringLiteral("Effacer"), du.Rect(131, 28, 32, 13));
    erase->setFocusPolicy(Qt::NoFocus);
    AddItem(IDC_ERASE, erase);
    connect(erase, &QPushButton::clicked, this, [this] { OnErase(); });
    cancel->setFocus();
}

QPushButton* CLetterDlg::Key(char letter) const {
    return qobject_cast<QPushButton*>(GetDlgItem(LetterId(letter)));
}

void CLetterDlg::OnLetter(char letter) {
    m_chLetter = letter;
    m_nAction = Letter;
    accept();
}

void CLetterDlg::OnErase() {
    m_chLetter = 0;
    m_nAction = Erase;
    accept();
}

void CLetterDlg::OnCancel() {
    m_bPlaced = 0;
    m_nAction = Cancel;
    reject();
}

bool CLetterDlg::DoModal(QPoint point) {
    CentreOnPoint(this, point);
    return RunModal(*this) == QDialog::Accepted;
}

// --- solution choice -------------------------------------------------------

CSolutionDlg::CSolutionDlg(QWidget* parent) : CTemplateDialog(parent) {
    setWindowTitle(QStringLiteral("Solution"));
    const CDialogUnits du = PrepareDialog(this, 148, 55);
    static const struct {
        int id;
        const char* text;
        int choice;
    } kChoices[4] = {
        {IDC_COUNT, "Connaître le nombre d'erreurs", 1},
        {IDC_MARK, "Afficher les erreurs", 2},
        {IDC_REVEAL, "Afficher la solution complète ", 3},
        {IDC_CANCEL, "Annuler", 0},
    };
    const int tops[4] = {0, 14, 28, 41};
    for (int i = 0; i < 4; ++i) {
        QPushButton* button =
            Button(this, QString::fromUtf8(kChoices[i].text), du.Rect(0, tops[i], 148, 14));
        AddItem(kChoices[i].id, button);
        const int choice = kChoices[i].choice;
        if (choice == 0) {
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
            button->setFocus();
        } else {
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QPushButton::clicked, this, [this, choice] {
                m_nChoice = choice;
                accept();
            });
        }
    }
}

void CSolutionDlg::DoModal(QPoint point) {
    CentreOnPoint(this, point);
    RunModal(*this);
}

// --- grid information ------------------------------------------------------

CGridInfoDlg::CGridInfoDlg(QWidget* parent) : CTemplateDialog(parent) {
    setWindowTitle(QStringLiteral("Informations sur la Grille."));
    const CDialogUnits du = PrepareDialog(this, 161, 132);
    QFrame* frame = EtchedFrame(this, du.Rect(3, 1, 154, 107));
    static const struct {
        int y;
        const char* label;
        int id;
        int x;
        int width;
    } kPairs[5] = {
        {10, "Nombre total de cases de la grille :", IDC_TOTAL, 121, 30},
        {25, "Nombre de cases noires :", IDC_BLACK, 93, 30},
        {40, "Nombre de cases à remplir :", IDC_TO_FILL, 100, 30},
        {55, "Nombre de cases remplies :", IDC_FILLED, 99, 30},
        {70, "Dictionnaire :", IDC_DICT_NAME, 63, 80},
    };
    for (const auto& pair : kPairs) {
        QLabel* label =
            Label(this, QString::fromUtf8(pair.label), du.Rect(11, pair.y, pair.x - 11, 10));
        QLineEdit* value = ReadOnlyEdit(this);
        value->setGeometry(du.Rect(pair.x, pair.y, pair.width, 10));
        AddItem(pair.id, value);
        // A label wider in this font than in the template's pushes its value
        // right rather than losing its end.
        const int end = label->x() + label->fontMetrics().horizontalAdvance(label->text()) + du.X(2);
        if (end > value->x()) {
            label->resize(end - label->x(), label->height());
            value->move(end, value->y());
        }
    }
    QLineEdit* extraLabel = ReadOnlyEdit(this);
    extraLabel->setGeometry(du.Rect(11, 85, 89, 10));
    AddItem(IDC_EXTRA_LABEL, extraLabel);
    QLineEdit* extraValue = ReadOnlyEdit(this);
    extraValue->setGeometry(du.Rect(101, 85, 30, 10));
    AddItem(IDC_EXTRA_VALUE, extraValue);

    QPushButton* close = Button(this, QStringLiteral("Fermer"), du.Rect(55, 113, 50, 14));
    close->setDefault(true);
    AddItem(1, close);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    close->setFocus();

    // The template is narrower than its caption in a title bar: the box
    // grows, its frame with it, and "Fermer" stays in the middle.
    const int extra = CaptionWidth(windowTitle()) - width();
    if (extra > 0) {
        setFixedWidth(width() + extra);
        frame->resize(frame->width() + extra, frame->height());
        close->move(close->x() + extra / 2, close->y());
    }
}

void CGridInfoDlg::OnInitDialog() {
    auto set = [this](int id, const QString& text) {
        static_cast<QLineEdit*>(GetDlgItem(id))->setText(text);
    };
    set(IDC_TOTAL, QString::number(m_nTotalCells));
    set(IDC_BLACK, QString::number(m_nBlackSquares));
    set(IDC_TO_FILL, QString::number(m_nCellsToFill));
    set(IDC_FILLED, QString::number(m_nFilledCells));
    set(IDC_EXTRA_LABEL, FromBytes(m_strExtraLabel));
    set(IDC_EXTRA_VALUE, QString::number(m_nExtraValue));
    set(IDC_DICT_NAME, FromBytes(m_strDictName));

    // The caller's label is shown whole, its value after it.
    const CDialogUnits du(font());
    auto* label = static_cast<QLineEdit*>(GetDlgItem(IDC_EXTRA_LABEL));
    label->setCursorPosition(0);
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + du.X(3);
    label->resize(std::max(du.X(89), needed), label->height());
    QWidget* value = GetDlgItem(IDC_EXTRA_VALUE);
    value->move(std::max(du.X(101), label->x() + label->width()), value->y());
}

void CGridInfoDlg::DoModal() {
    OnInitDialog();
    RunModal(*this);
}

// --- definitions box -------------------------------------------------------

CDefinitionsDlg::CDefinitionsDlg(QWidget* parent) : CTemplateDialog(parent) {
    setWindowTitle(QStringLiteral("Définitions :"));
    // A box to read while the pointer stays on the grid: it never takes the
    // keyboard from the grid's window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    const CDialogUnits du = PrepareDialog(this, 240, 82);

    auto* across = new QGroupBox(QStringLiteral("Horizontalement:"), this);
    across->setGeometry(du.Rect(4, 0, 234, 37));
    auto* down = new QGroupBox(QStringLiteral("Verticalement:"), this);
    down->setGeometry(du.Rect(4, 41, 234, 38));

    auto number = [&](int id, int x, int y) {
        QLineEdit* edit = ReadOnlyEdit(this);
        edit->setGeometry(du.Rect(x, y, 16, 12));
        AddItem(id, edit);
    };
    Label(this, QStringLiteral("Ligne Nr:"), du.Rect(12, 10, 40, 12));
    number(IDC_ROW, 54, 10);
    Label(this, QStringLiteral("Mot Nr:"), du.Rect(150, 10, 32, 12));
    number(IDC_HORIZ_WORD, 184, 10);
    Label(this, QStringLiteral("Colonne Nr:"), du.Rect(12, 51, 40, 12));
    number(IDC_COLUMN, 54, 51);
    Label(this, QStringLiteral("Mot Nr:"), du.Rect(150, 51, 32, 12));
    number(IDC_VERT_WORD, 184, 51);

    QLineEdit* acrossClue = ReadOnlyEdit(this, Qt::AlignHCenter);
    acrossClue->setGeometry(du.Rect(5, 23, 232, 12));
    AddItem(IDC_HORIZ_CLUE, acrossClue);
    QLineEdit* downClue = ReadOnlyEdit(this, Qt::AlignHCenter);
    downClue->setGeometry(du.Rect(5, 65, 232, 12));
    AddItem(IDC_VERT_CLUE, downClue);
}

void CDefinitionsDlg::OnInitDialog() {
    auto set = [this](int id, const QString& text) {
        auto* edit = static_cast<QLineEdit*>(GetDlgItem(id));
        edit->setText(text);
        edit->setCursorPosition(0);
        // A clue comes from a file: its tooltip shows it as written, never
        // as markup that could load pictures or take the whole screen.
        edit->setToolTip(text.isEmpty() ? QString()
                                        : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
    };
    set(IDC_ROW, QString::number(m_nRow));
    set(IDC_COLUMN, QString::number(m_nColumn));
    set(IDC_HORIZ_WORD, QString::number(m_nHorizWord));
    set(IDC_VERT_WORD, QString::number(m_nVertWord));
    set(IDC_HORIZ_CLUE, m_strHorizClue);
    set(IDC_VERT_CLUE, m_strVertClue);
}

std::optional<QPoint> DefinitionsBoxCorner(int position, QSize screen) {
    const int sx = screen.width();
    const int sy = screen.height();
    switch (position) {
    case kBottomRight: return QPoint(sx - 371, sy - 162);
    case kBottomLeft: return QPoint(5, sy - 162);
    case kTopLeft: return QPoint(5, 5);
    case kTopRight: return QPoint(sx - 371, 5);
    default: return std::nullopt;
    }
}

void CDefinitionsDlg::Create(int position, const QRect& screen) {
    OnInitDialog();
    const std::optional<QPoint> corner = DefinitionsBoxCorner(position, screen.size());
    if (corner)
        move(screen.topLeft() + *corner);
    else
        move(screen.x() + (screen.width() - width()) / 2,
             screen.y() + (screen.height() - height()) / 2);
    show();
}

// --- victory ---------------------------------------------------------------

CVictoryDlg::CVictoryDlg(QWidget* parent) : CTemplateDialog(parent) {
    setWindowTitle(QStringLiteral("Victoire"));
    const CDialogUnits du = PrepareDialog(this, 224, 127);
    auto* banner = new QLabel(this);
    const QRect bannerRect = du.Rect(3, 3, 217, 60);
    banner->setGeometry(bannerRect);
    banner->setPixmap(RenderPicture(QStringLiteral("banner"), bannerRect.size()));
    AddItem(130, banner);

    EtchedFrame(this, du.Rect(3, 67, 217, 36));
    QLabel* text = Label(
        this,
        QStringLiteral("Félicitations la grille est complète et ne contient aucune faute."),
        du.Rect(8, 70, 207, 30), Qt::AlignCenter);
    text->setWordWrap(true);
    AddItem(1001, text);

    QPushButton* ok = Button(this, QStringLiteral("OK"), du.Rect(86, 108, 50, 14));
    ok->setDefault(true);
    AddItem(1, ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

void CVictoryDlg::DoModal() { RunModal(*this); }

// --- help text -------------------------------------------------------------

}  // namespace verbal::shell
