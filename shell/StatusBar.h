// The status bar as a row of panes: pane 0 for prompts, then fixed panes.
// Panes are laid out from the left; a stretching pane takes what the others
// leave, and whatever does not fit past the right edge is not seen.
#pragma once

#include <QStatusBar>
#include <vector>

class QLabel;

namespace verbal::shell {

class CStatusBar : public QStatusBar {
    Q_OBJECT
public:
    enum : unsigned {
        SBPS_NORMAL = 0x0000,
        SBPS_NOBORDERS = 0x0100,
        SBPS_POPOUT = 0x0200,
        SBPS_DISABLED = 0x04000000,
        SBPS_STRETCH = 0x08000000,
    };
    static constexpr int ID_SEPARATOR = 0;

    explicit CStatusBar(QWidget* parent = nullptr);

    // One pane per id; id 0 is the prompt pane, which stretches. Other panes
    // start as wide as the text of their id.
    void SetIndicators(const std::vector<int>& ids);
    int PaneCount() const { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(int id) const;
    void GetPaneInfo(int index, int& id, unsigned& style, int& width) const;
    void SetPaneInfo(int index, int id, unsigned style, int width);
    void SetPaneText(int index, const QString& text);
    QString GetPaneText(int index) const;
    // Where a pane is drawn, in the bar's coordinates.
    QRect PaneRect(int index) const;
    // Text width in the bar's font.
    int TextWidth(const QString& text) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Pane {
        int id = 0;
        unsigned style = 0;
        int width = 0;
        QLabel* label = nullptr;
    };
    void Relayout();
    void ApplyStyle(Pane& pane);

    std::vector<Pane> m_panes;
};

}  // namespace verbal::shell
