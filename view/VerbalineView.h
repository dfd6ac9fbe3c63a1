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
#include "ViewSettings.h"

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

    // Hands the document the settings its own commands use (paths, sounds,
    // the installation directory). Every paint does it; so does creation, so
    // that the document has them before the window is first painted.
    void PushSettingsToDocument();

    // The view's commands and their update handlers.
    const CCommandMap& CommandMap() const { return m_commands; }

    // Commands of the view whose behaviour comes with the player's side of
    // the program; for now they do nothing.
    void OnViewRefresh() {}
    void OnViewMove() {}
    void OnGridInfo() {}

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
    std::string m_strCurrentDir;    // the installation directory
    std::string m_strSettingsPath;  // verbal.ini, as last read or written
    int m_bFirstRun = 0;            // 1 when the settings file could not be read
    std::string m_strCommandLine;   // the last one built for the browser

    // Geometry of the last paint.
    CPoint m_ptDefaultOrigin{80, 60};
    CPoint m_ptOrigin{80, 60};
    QRect m_rcFrame;  // number band plus cells
    int m_bGridDrawn = 0;
    int m_nLinesToDraw = 0;
    bool m_bMoveMode = false;

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ComputeFrame(int cells);
    void DrawFrame(QPainter& dc);
    void DrawLattice(QPainter& dc, int cells);
    void DrawNumbers(QPainter& dc, int count);
    void DrawWelcomeGrid(QPainter& dc);
    void DrawLetter(QPainter& dc, int row, int col, char letter);
    void BuildCommandMap();

    CVerbalineDoc* m_pDocument;
    CCommandMap m_commands;
};

// A font as the classic font call makes it: |height| is the cell height of
// the characters (ascent plus descent), |width| their average width.
QFont MakeCellFont(const char* face, int height, int width, int weight);

QColor ToQColor(COLORREF c);

}  // namespace verbal
