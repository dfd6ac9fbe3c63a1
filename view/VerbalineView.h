// CVerbalineView: the window of one grid.
//
// Every paint redraws the whole picture from the document and the view's
// settings: background, rounded frame, then the welcome grid, the lattice
// growing while a grid is computed, or the finished grid with its letters,
// marks and numbers. Geometry is in pixels, in the view's own coordinates.
#pragma once

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QRect>
#include <QWidget>
#include <string>

#include "CommandMap.h"
#include "Geometry.h"
#include "PlayCursor.h"
#include "ViewHost.h"
#include "ViewSettings.h"

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace verbal {

class CVerbalineDoc;

class CVerbalineView : public QWidget {
    Q_OBJECT
public:
    // The document belongs to the window that holds the view.
    explicit CVerbalineView(CVerbalineDoc* doc, QWidget* parent = nullptr);

    CVerbalineDoc* GetDocument() const { return m_pDocument; }

    // The whole picture, in the order the eye should build it.
    void OnDraw(QPainter& dc);
    // Pens, brushes and fonts from the current settings, replacing the old set.
    void CreateDrawingObjects();
    // Cell (row, col) for the paint in progress; row 0 and column 0 are the
    // number bands above and left of the grid.
    QRect CellRect(int row, int col) const;
    // The room the picture needs from the window's top left corner: the
    // grid as it is placed now (the welcome grid before one is drawn), its
    // rounded frame and a margin. The view asks at least that much, so that
    // a window too small for it scrolls instead of cutting the grid.
    QSize ContentSize() const;

    // Hands the document the settings its own commands use (paths, sounds,
    // the installation directory). Every paint does it; so does creation, so
    // that the document has them before the window is first painted.
    // Nothing else of the document is written by the view but through its
    // commands.
    void PushSettingsToDocument();

    // The view's commands and their update handlers.
    const CCommandMap& CommandMap() const { return m_commands; }

    // Settings (SettingsIo.cpp). Start-up: the installation directory from
    // the registry becomes the current directory, then the settings file is
    // read, or created with the first-run values, and the drawing objects are
    // built from it.
    void PreCreateWindow();
    void ReadSettings();
    void WriteSettings();
    void CreateDefaultSettings();
    // "Préférences": the dialog starts from the file and writes it back.
    void OnViewPreferences();

    // Help and site pages in the browser of the settings (HelpLaunch.cpp).
    void OnHelpHtml();
    void OnSiteConnect();
    void OpenHtmlPage(const std::string& page, const std::string& missingText,
                      const std::string& missingCaption);
    void AskBrowserPath();

    // Settings in force; CreateDrawingObjects must follow a change.
    CViewSettings m_settings;
    std::string m_strCurrentDir;    // the installation directory (UTF-8)
    std::string m_strSettingsPath;  // verbal.ini, as last read or written
    bool m_bFirstRun = false;       // the settings file could not be read
    std::string m_strCommandLine;   // the last one built for the browser

    // Geometry of the last paint.
    CPoint m_ptDefaultOrigin{80, 60};
    CPoint m_ptOrigin{80, 60};
    QRect m_rcFrame;  // number band plus cells, as drawn
    // The document's grid at its own size (the welcome picture drawn in its
    // place may be larger): what is repainted when the grid changes.
    QRect m_rcGrid;
    bool m_bGridDrawn = false;
    int m_nLinesToDraw = 0;
    bool m_bMoveMode = false;

    // --- the player's mouse (Interaction.cpp) -----------------------------
    // The dialogs the view runs; none until the window that holds the view
    // gives them (then clicks change the grid but ask nothing).
    void SetViewHost(IViewHost* host) { m_pViewHost = host; }
    IViewHost* ViewHost() const { return m_pViewHost; }

    void OnLButtonDown(QPoint p);
    void OnLButtonUp();
    void OnMouseMove(QPoint p, bool onlyLeftButton);
    void OnRButtonDown(QPoint p);
    // Closes the clue box, if it is shown.
    void DestroyDefinitionsBox();
    void OnViewRefresh();
    void OnViewMove();
    void OnGridInfo();

    // (column, row) of the cell whose inside holds |p|; (21, 21) for a point
    // on a lattice line or outside the cells.
    CPoint HitTestCell(QPoint p) const;
    // The ordinal of the word that holds the cell in its row (column); a
    // black square takes the number of the next word after it, 0 if none.
    int HorizontalWordNumber(int row, int column) const;
    int VerticalWordNumber(int row, int column) const;
    // Every white cell holds its right letter.
    bool IsGridComplete() const;
    // Strictly inside the cells as last painted.
    bool IsInGridArea(QPoint p) const;

    enum CursorState { kCursorArrow = 1, kCursorMove = 2 };
    int CursorState() const { return m_nCursorState; }

    // --- the player's keyboard (KeyboardPlay.cpp) ---------------------------
    // The current cell and direction, none until the player clicks a cell or
    // presses a key; a new grid has none either.
    const CPlayCursor& Cursor() const { return m_cursor; }
    // Keys go to the grid only while a grid is shown whole, no computation
    // runs and the grid is not being moved.
    bool CanPlayFromKeyboard() const;
    // A key as the window receives it; true when the grid took it.
    bool OnKeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // Makes |word| current, at its first empty cell (the clue panel's
    // click).
    void GoToWord(const CWordSpan& word);
    // "Annuler" and "Rétablir" of the "Édition" menu.
    void OnEditUndo();
    void OnEditRedo();

    CPoint m_ptLastMouse;
    CPoint m_ptHitCell{21, 21};
    CLetterData m_dlgLetter;
    CDefinitionsData m_dlgDefinitions;
    bool m_bDefBoxShown = false;

    // Drawing objects.
    QBrush m_brushWrongCell;
    QBrush m_brushBlackSquare;
    QPen m_penGrid;
    QPen m_penOuterFrame;
    QBrush m_brushInnerFrame;
    QFont m_fontLetters;
    QFont m_fontLabels;

    // The size of the background the paint fills; nothing beyond is drawn.
    static constexpr int kBackgroundWidth = 1280;
    static constexpr int kBackgroundHeight = 960;

signals:
    // The cursor moved, or the player's letters changed.
    void playChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ComputeFrame(int cells);
    void DrawFrame(QPainter& dc);
    void DrawLattice(QPainter& dc, int cells);
    void DrawNumbers(QPainter& dc, int count);
    void DrawWelcomeGrid(QPainter& dc);
    void DrawLetter(QPainter& dc, int row, int col, char letter);
    void BuildCommandMap();
    void SetCursorState(int state);
    void PlayViewSound(int number);  // 1..6
    // The cursor of an older grid is forgotten.
    void SyncCursor();
    void DrawWordHighlight(QPainter& dc);
    void DrawCursorFrame(QPainter& dc);
    void WriteFromKeyboard(char letter);
    // What follows every change of letters by the player: the step is kept
    // for undo, and a complete grid is shown at once in |grid| and greeted.
    // The caller then asks for the grid's repaint.
    void FinishPlayerStep(const CPlayerState& before, QRect grid);
    void UndoRedo(bool redo);

    CVerbalineDoc* m_pDocument;
    CCommandMap m_commands;
    IViewHost* m_pViewHost = nullptr;
    int m_nCursorState = kCursorArrow;
    CPlayCursor m_cursor;
    unsigned m_nCursorGeneration = 0;
};

// A font as the classic font call makes it: |height| is the cell height of
// the characters (ascent plus descent), |width| their average width.
QFont MakeCellFont(const char* face, int height, int width, int weight);

QColor ToQColor(COLORREF c);

}  // namespace verbal
