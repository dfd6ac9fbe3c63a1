#include "StatusBar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>

#include "CommandMap.h"

namespace verbal::shell {
namespace {
constexpr int kGap = 2;       // between two panes
constexpr int kPadding = 4;   // inside a bordered pane, on each side

QString IndicatorText(int id) {
    switch (id) {
    case ID_INDICATOR_CAPS: return QStringLiteral("MAJ");
    case ID_INDICATOR_NUM: return QStringLiteral("NUM");
    case ID_INDICATOR_SCRL: return QStringLiteral("DEF");
    case ID_INDICATOR_DATE: return QStringLiteral("Date");
    case ID_INDICATOR_TIME: return QStringLiteral("Time");
    default: return {};
    }
}
}  // namespace

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent) { setSizeGripEnabled(false); }

void CStatusBar::SetIndicators(const std::vector<int>& ids) {
    for (Pane& pane : m_panes) delete pane.label;
    m_panes.clear();
    for (int id : ids) {
        Pane pane;
        pane.id = id;
        pane.label = new QLabel(this);
        pane.label->setTextFormat(Qt::PlainText);
        if (id == ID_SEPARATOR) {
            pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
            pane.width = 1;
        } else {
            pane.width = TextWidth(IndicatorText(id));
        }
        ApplyStyle(pane);
        pane.label->show();
        m_panes.push_back(pane);
    }
    Relayout();
}

int CStatusBar::TextWidth(const QString& text) const {
    return QFontMetrics(font()).horizontalAdvance(text);
}

int CStatusBar::CommandToIndex(int id) const {
    for (int i = 0; i < PaneCount(); ++i)
        if (m_panes[i].id == id) return i;
    return -1;
}

void CStatusBar::GetPaneInfo(int index, int& id, unsigned& style, int& width) const {
    const Pane& pane = m_panes.at(static_cast<std::size_t>(index));
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

void CStatusBar::SetPaneInfo(int index, int id, unsigned style, int width) {
    Pane& pane = m_panes.at(static_cast<std::size_t>(index));
    if (pane.id == id && pane.style == style && pane.width == width) return;
    pane.id = id;
    pane.style = style;
    pane.width = width;
    ApplyStyle(pane);
    Relayout();
}

void CStatusBar::ApplyStyle(Pane& pane) {
    const bool borders = (pane.style & SBPS_NOBORDERS) == 0;
    pane.label->setFrameStyle(borders ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    pane.label->setIndent(borders ? kPadding - 1 : 2);
    pane.label->setEnabled((pane.style & SBPS_DISABLED) == 0);
}

void CStatusBar::SetPaneText(int index, const QString& text) {
    m_panes.at(static_cast<std::size_t>(index)).label->setText(text);
}

QString CStatusBar::GetPaneText(int index) const {
    return m_panes.at(static_cast<std::size_t>(index)).label->text();
}

QRect CStatusBar::PaneRect(int index) const {
    return m_panes.at(static_cast<std::size_t>(index)).label->geometry();
}

QSize CStatusBar::sizeHint() const {
    return QSize(200, QFontMetrics(font()).height() + 10);
}

void CStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    Relayout();
}

void CStatusBar::Relayout() {
    const int height = this->height() - 4;
    auto outer = [](const Pane& pane) {
        return pane.width + ((pane.style & SBPS_NOBORDERS) ? 0 : 2 * kPadding);
    };
    int fixed = kGap;
    int stretchers = 0;
    for (const Pane& pane : m_panes) {
        fixed += outer(pane) + kGap;
        if (pane.style & SBPS_STRETCH) ++stretchers;
    }
    const int spare = std::max(0, width() - fixed);
    int x = kGap;
    for (Pane& pane : m_panes) {
        int w = outer(pane);
        if ((pane.style & SBPS_STRETCH) && stretchers > 0) w += spare / stretchers;
        pane.label->setGeometry(x, 2, w, height);
        x += w + kGap;
    }
}

}  // namespace verbal::shell
