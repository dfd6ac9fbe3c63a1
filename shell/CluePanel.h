// The "Définitions" panel: every clue of the active grid beside it, across
// then down, grouped by row and by column as the grid numbers them. The
// current word's clue is highlighted and kept in sight; a click on a clue
// takes the cursor to that word; the words the player has filled are
// greyed.
#pragma once

#include <QDockWidget>
#include <QPointer>
#include <vector>

#include "PlayCursor.h"
#include "VerbalineView.h"

class QGridLayout;
class QLabel;
class QScrollArea;

namespace verbal::shell {

class CCluePanel : public QDockWidget {
    Q_OBJECT
public:
    explicit CCluePanel(QWidget* parent = nullptr);

    // The grid window whose clues are listed; none leaves the panel empty.
    void SetView(CVerbalineView* view);
    CVerbalineView* View() const { return m_view.data(); }
    // Brings the list up to date: rebuilt when the document holds another
    // grid, otherwise only the greyed words and the current clue change.
    void Refresh();

    QScrollArea* ScrollArea() const { return m_scroll; }
    // The words listed, in their order, and the line that shows the clue of
    // each.
    const std::vector<CWordSpan>& Words() const { return m_words; }
    QLabel* ClueLabel(std::size_t index) const { return m_labels[index]; }
    // The index of the highlighted word, -1 for none.
    int CurrentIndex() const { return m_nCurrent; }
    bool IsGreyed(std::size_t index) const;

    // The panel's place in the user's profile.
    static bool SavedVisible();
    static void SaveVisible(bool visible);

private:
    void Rebuild();
    void UpdateStates();
    void OnClueClicked(std::size_t index);
    void Paint(std::size_t index);
    void ShowClue(QLabel* label);

    QScrollArea* m_scroll;
    QWidget* m_content = nullptr;
    QPointer<CVerbalineView> m_view;
    // What the list was built from.
    const void* m_pBuiltFor = nullptr;
    unsigned m_nBuiltGeneration = 0;
    bool m_bBuiltReady = false;
    std::vector<CWordSpan> m_words;
    std::vector<QLabel*> m_labels;
    std::vector<bool> m_greyed;
    int m_nCurrent = -1;
};

}  // namespace verbal::shell
