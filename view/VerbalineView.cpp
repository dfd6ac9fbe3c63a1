#include "VerbalineView.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "Codepage.h"
#include "VerbalineDoc.h"

namespace verbal {

QColor ToQColor(COLORREF c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QFont MakeCellFont(const char* face, int height, int width, int weight) {
    QFont font(QString::fromLatin1(face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setKerning(false);
    if (height <= 0) return font;
    // Asked for a cell height, give the em size that yields it.
    font.setPixelSize(height);
    const qreal cell = QFontMetricsF(font).ascent() + QFontMetricsF(font).descent();
    const int em = cell > 0 ? std::max(1, static_cast<int>(std::lround(height * height / cell)))
                            : height;
    font.setPixelSize(em);
    // Asked for an average width, stretch the face to it.
    if (width > 0) {
        const qreal average = QFontMetricsF(font).averageCharWidth();
        if (average > 0) {
            const int stretch = static_cast<int>(std::lround(100.0 * width / average));
            font.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return font;
}

CVerbalineView::CVerbalineView(CVerbalineDoc* doc, QWidget* parent)
    : QWidget(parent), m_pDocument(doc) {
    // Beyond the painted background the window shows the plain window colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    PreCreateWindow();
    BuildCommandMap();
    PushSettingsToDocument();
    // The pointer is followed even with no button down: it hides the
    // definitions box and the solution.
    setMouseTracking(true);
    SetCursorState(kCursorArrow);
    // Letters can be typed into the grid once it is clicked or its window
    // is active.
    setFocusPolicy(Qt::StrongFocus);
}

void CVerbalineView::CreateDrawingObjects() {
    const CViewSettings& s = m_settings;
    const QColor lines = ToQColor(s.m_clrGridLetters);
    m_brushWrongCell = QBrush(QColor(255, 0, 0));
    m_brushBlackSquare = QBrush(lines);
    m_penGrid = QPen(lines, s.m_nLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    m_penOuterFrame =
        QPen(ToQColor(s.m_clrOuterFrame), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    m_brushInnerFrame = QBrush(ToQColor(s.m_clrInnerFrame));
    m_fontLetters = MakeCellFont("arial", s.m_nCellSize - 4, (s.m_nCellSize - 4) / 2, 700);
    m_fontLabels = MakeCellFont("arial", s.m_nCellSize - 6, (s.m_nCellSize - 6) / 2, 700);
}

QRect CVerbalineView::CellRect(int row, int col) const {
    const int s = m_settings.m_nCellSize;
    return QRect(m_ptOrigin.x + (col - 1) * s, m_ptOrigin.y + (row - 1) * s, s, s);
}

void CVerbalineView::paintEvent(QPaintEvent*) {
    QPainter dc(this);
    OnDraw(dc);
}

void CVerbalineView::PushSettingsToDocument() {
    CDocumentSettings settings;
    // The settings file's text becomes the file system's names.
    settings.m_strDefaultDefsPath = Cp1252ToUtf8(m_settings.m_strDefinitionsPath);
    settings.m_strDefaultDictPath = Cp1252ToUtf8(m_settings.m_strDictionaryPath);
    for (int i = 0; i < 5; ++i) settings.m_strSound[i] = Cp1252ToUtf8(m_settings.m_strSoundFile[i]);
    settings.m_strCurrentDir = m_strCurrentDir;
    m_pDocument->TakeSettings(settings);
}

void CVerbalineView::ComputeFrame(int cells) {
    const int s = m_settings.m_nCellSize;
    const int side = cells * s + s + m_settings.m_nLineWidth;
    m_rcFrame = QRect(m_ptOrigin.x - s, m_ptOrigin.y - s, side, side);
}

void CVerbalineView::DrawFrame(QPainter& dc) {
    const int left = m_rcFrame.x();
    const int top = m_rcFrame.y();
    const int right = left + m_rcFrame.width();
    const int bottom = top + m_rcFrame.height();
    // A 4-pixel outline around a 9-pixel band, corners of a 24-pixel ellipse.
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, true);
    dc.setPen(m_penOuterFrame);
    dc.setBrush(m_brushInnerFrame);
    dc.drawRoundedRect(QRectF(left - 9, top - 9, right - left + 18, bottom - top + 18), 12, 12);
    dc.restore();
    dc.fillRect(m_rcFrame, ToQColor(m_settings.m_clrGridBackground));
}

void CVerbalineView::DrawLattice(QPainter& dc, int cells) {
    const int s = m_settings.m_nCellSize;
    const int x0 = m_ptOrigin.x;
    const int y0 = m_ptOrigin.y;
    dc.setPen(m_penGrid);
    for (int k = 0; k <= cells; ++k) {
        dc.drawLine(x0, y0 + k * s, x0 + cells * s, y0 + k * s);
        dc.drawLine(x0 + k * s, y0, x0 + k * s, y0 + cells * s);
    }
}

void CVerbalineView::DrawLetter(QPainter& dc, int row, int col, char letter) {
    dc.drawText(CellRect(row, col), Qt::AlignCenter | Qt::TextSingleLine,
                QString(QChar::fromLatin1(letter)));
}

void CVerbalineView::DrawNumbers(QPainter& dc, int count) {
    for (int k = 1; k <= count; ++k) {
        const QString number = QString::number(k);
        dc.drawText(CellRect(0, k), Qt::AlignCenter | Qt::TextSingleLine, number);
        dc.drawText(CellRect(k, 0), Qt::AlignCenter | Qt::TextSingleLine, number);
    }
}

void CVerbalineView::DrawWelcomeGrid(QPainter& dc) {
    m_nLinesToDraw = 10;
    ComputeFrame(10);
    DrawFrame(dc);
    DrawLattice(dc, 10);

    static const int kBlack[5][2] = {{3, 9}, {4, 5}, {9, 3}, {7, 8}, {6, 2}};
    for (const auto& cell : kBlack) dc.fillRect(CellRect(cell[0], cell[1]), m_brushBlackSquare);

    // "MOTS CROISES": the invitation, and its two lower-case answers.
    static const char kDown1[] = "MOTS";      // column 3, rows 1..4
    static const char kAcross1[] = "CROISES"; // row 2, columns 1..7
    static const char kDown2[] = "devinez";   // column 6, rows 4..10
    static const char kAcross2[] = "secret";  // row 9, columns 5..10
    for (int i = 0; i < 4; ++i) DrawLetter(dc, 1 + i, 3, kDown1[i]);
    for (int i = 0; i < 7; ++i) DrawLetter(dc, 2, 1 + i, kAcross1[i]);
    for (int i = 0; i < 7; ++i) DrawLetter(dc, 4 + i, 6, kDown2[i]);
    for (int i = 0; i < 6; ++i) DrawLetter(dc, 9, 5 + i, kAcross2[i]);
    DrawLetter(dc, 10, 10, '.');

    dc.setFont(m_fontLabels);
    DrawNumbers(dc, 10);
}

void CVerbalineView::OnDraw(QPainter& dc) {
    CVerbalineDoc* doc = m_pDocument;
    PushSettingsToDocument();

    dc.setBackgroundMode(Qt::TransparentMode);
    dc.setFont(m_fontLetters);
    dc.setPen(ToQColor(m_settings.m_clrGridLetters));
    dc.setRenderHint(QPainter::TextAntialiasing, true);

    dc.fillRect(QRect(0, 0, kBackgroundWidth, kBackgroundHeight),
                ToQColor(m_settings.m_clrScreenBackground));

    m_ptOrigin = m_ptDefaultOrigin;
    if (doc->GridReady()) {
        m_ptOrigin = doc->GridOrigin();
        m_ptDefaultOrigin = doc->GridOrigin();
    }

    const int n = doc->GridSize();
    ComputeFrame(n);
    m_rcGrid = m_rcFrame;

    m_bGridDrawn = doc->GridDrawn();
    if (!m_bGridDrawn) {
        // Drawn at its own size; the grid's rectangle stays that of the
        // document's grid.
        DrawWelcomeGrid(dc);
        return;
    }
    DrawFrame(dc);

    m_nLinesToDraw = std::min(doc->RowsDone(), n);
    if (m_nLinesToDraw >= n) DrawWordHighlight(dc);
    DrawLattice(dc, std::max(m_nLinesToDraw, 0));
    if (m_nLinesToDraw < n) return;

    if (doc->ShowWrongCells()) {
        dc.save();
        dc.setRenderHint(QPainter::Antialiasing, true);
        dc.setBrush(m_brushWrongCell);
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= 20; ++r) {
                const char player = doc->PlayerCell(r, c);
                if (player != 0 && player != doc->SolutionCell(r, c)) {
                    const QRect cell = CellRect(r, c);
                    dc.drawEllipse(QRectF(cell).adjusted(0, 0, -1, -1));
                }
            }
        dc.restore();
    }

    DrawCursorFrame(dc);
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= 20; ++r) {
            const char value = doc->ShowSolution() ? doc->SolutionCell(r, c) : doc->PlayerCell(r, c);
            if (value == ' ')
                dc.fillRect(CellRect(r, c), m_brushBlackSquare);
            else if (value >= 'A' && value <= 'Z')
                DrawLetter(dc, r, c, value);
        }

    dc.setFont(m_fontLabels);
    if (doc->ShowWrongCells() || doc->ShowSolution())
        dc.drawText(CellRect(0, 0), Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("S"));
    DrawNumbers(dc, n);
}

void CVerbalineView::BuildCommandMap() {
    CCommandMap& m = m_commands;
    m.On(ID_VIEW_PREFERENCES, [this] { OnViewPreferences(); });
    m.On(ID_VIEW_REFRESH, [this] { OnViewRefresh(); });
    m.On(ID_VIEW_MOVE, [this] { OnViewMove(); });
    m.On(ID_VIEW_GRIDINFO, [this] { OnGridInfo(); });
    m.On(ID_GRID_INFO, [this] { OnGridInfo(); });
    m.On(ID_HELP_HTML, [this] { OnHelpHtml(); });
    m.On(ID_FILE_SITE, [this] { OnSiteConnect(); });
    m.On(ID_EDIT_UNDO, [this] { OnEditUndo(); });
    m.On(ID_EDIT_REDO, [this] { OnEditRedo(); });

    auto gridReady = [this](CCmdUI& ui) { ui.Enable(m_pDocument->GridReady()); };
    m.OnUpdate(ID_VIEW_MOVE, [this](CCmdUI& ui) { ui.SetCheck(m_bMoveMode ? 1 : 0); });
    m.OnUpdate(ID_VIEW_GRIDINFO, gridReady);
    m.OnUpdate(ID_GRID_INFO, gridReady);
    m.OnUpdate(ID_VIEW_PREFERENCES, [](CCmdUI& ui) { ui.Enable(true); });
    m.OnUpdate(ID_EDIT_UNDO, [this](CCmdUI& ui) {
        ui.Enable(m_pDocument->CanUndo() && !m_pDocument->IsComputing());
    });
    m.OnUpdate(ID_EDIT_REDO, [this](CCmdUI& ui) {
        ui.Enable(m_pDocument->CanRedo() && !m_pDocument->IsComputing());
    });
    m.OnUpdate(ID_FILE_SAVE, gridReady);
    m.OnUpdate(ID_FILE_SAVE_AS, gridReady);
}

}  // namespace verbal
