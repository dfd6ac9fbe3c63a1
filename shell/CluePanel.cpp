#include "CluePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <functional>

#include "QtText.h"
#include "Strings.h"
#include "VerbalineDoc.h"

namespace verbal::shell {
namespace {

// A clue comes from a file anyone may have written: shown as plain text on
// a line of its own, whatever control characters it carries.
QString PlainClue(const std::string& bytes) {
    QString text = FromBytes(bytes);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return text.simplified();
}

QSettings Profile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillsoft"),
                     AppTitle());
}

// One clue of the list; a click takes the cursor to its word.
class CClueLine : public QLabel {
public:
    CClueLine(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent), m_onClick(std::move(onClick)) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAutoFillBackground(true);
        setContentsMargins(4, 1, 4, 1);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && m_onClick) m_onClick();
        event->accept();
    }

private:
    std::function<void()> m_onClick;
};

}  // namespace

CCluePanel::CCluePanel(QWidget* parent) : QDockWidget(QStringLiteral("Définitions"), parent) {
    setObjectName(QStringLiteral("definitions"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);

    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setBackgroundRole(QPalette::Base);
    setWidget(m_scroll);
    setMinimumWidth(230);
    Rebuild();

    // A computation replaces the grid while the panel's window waits: the
    // list catches up with it now and then.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { Refresh(); });
    timer->start(500);
}

bool CCluePanel::SavedVisible() {
    return Profile().value(QStringLiteral("Affichage/Definitions"), true).toBool();
}

void CCluePanel::SaveVisible(bool visible) {
    Profile().setValue(QStringLiteral("Affichage/Definitions"), visible);
}

void CCluePanel::SetView(CVerbalineView* view) {
    if (m_view == view) {
        Refresh();
        return;
    }
    if (m_view) disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (view) connect(view, &CVerbalineView::playChanged, this, [this] { Refresh(); });
    Refresh();
}

bool CCluePanel::IsGreyed(std::size_t index) const {
    return index < m_greyed.size() && m_greyed[index];
}

void CCluePanel::Refresh() {
    const CVerbalineDoc* doc = m_view ? m_view->GetDocument() : nullptr;
    const bool ready = doc && doc->GridReady() && !doc->IsComputing();
    const unsigned generation = doc ? doc->GridGeneration() : 0;
    if (doc != m_pBuiltFor || generation != m_nBuiltGeneration || ready != m_bBuiltReady) {
        m_pBuiltFor = doc;
        m_nBuiltGeneration = generation;
        m_bBuiltReady = ready;
        Rebuild();
    }
    UpdateStates();
}

void CCluePanel::Rebuild() {
    m_words.clear();
    m_labels.clear();
    m_greyed.clear();
    m_nCurrent = -1;
    delete m_content;
    m_content = new QWidget;
    m_content->setBackgroundRole(QPalette::Base);
    auto* grid = new QGridLayout(m_content);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    int row = 0;

    if (!m_bBuiltReady) {
        auto* none = new QLabel(
            QStringLiteral("Les définitions de la grille s'affichent ici dès qu'elle est "
                           "calculée ou ouverte."),
            m_content);
        none->setWordWrap(true);
        none->setForegroundRole(QPalette::PlaceholderText);
        grid->addWidget(none, row++, 0, 1, 2);
    } else {
        const CVerbalineDoc& doc = *m_view->GetDocument();
        m_words = GridWords(doc);

        QFont headingFont = font();
        headingFont.setBold(true);
        QFont numberFont = font();
        numberFont.setBold(true);
        QFont letterFont = font();
        letterFont.setItalic(true);
        if (letterFont.pointSizeF() > 0) letterFont.setPointSizeF(letterFont.pointSizeF() * 0.9);

        int lastLine = 0;
        for (std::size_t i = 0; i < m_words.size(); ++i) {
            const CWordSpan& w = m_words[i];
            if (i == 0 || w.direction != m_words[i - 1].direction) {
                auto* heading = new QLabel(w.direction == Direction::Across
                                               ? QStringLiteral("Horizontalement")
                                               : QStringLiteral("Verticalement"),
                                           m_content);
                heading->setFont(headingFont);
                if (row > 0) heading->setContentsMargins(0, 10, 0, 0);
                grid->addWidget(heading, row++, 0, 1, 2);
                lastLine = 0;
            }
            // The row's (column's) number once, beside its first word.
            if (w.line != lastLine) {
                auto* number = new QLabel(QString::number(w.line), m_content);
                number->setFont(numberFont);
                number->setAlignment(Qt::AlignRight | Qt::AlignTop);
                number->setContentsMargins(0, 1, 0, 1);
                if (lastLine != 0) number->setContentsMargins(0, 5, 0, 1);
                grid->addWidget(number, row, 0);
            }
            QString text = PlainClue(doc.Clue(w.direction, w.line, w.number));
            if (text.isEmpty()) text = QStringLiteral("(sans définition)");
            auto* line = new CClueLine(text, [this, i] { OnClueClicked(i); }, m_content);
            // A single letter counts as a word, but is hardly one: it is
            // listed quietly.
            if (w.length == 1) line->setFont(letterFont);
            if (w.line != lastLine && lastLine != 0) line->setContentsMargins(4, 5, 4, 1);
            grid->addWidget(line, row++, 1);
            lastLine = w.line;
            m_labels.push_back(line);
        }
        m_greyed.assign(m_words.size(), false);
        for (std::size_t i = 0; i < m_words.size(); ++i) Paint(i);
    }
    grid->setRowStretch(row, 1);
    m_scroll->setWidget(m_content);
}

void CCluePanel::Paint(std::size_t i) {
    QLabel* label = m_labels[i];
    QPalette pal = palette();
    const bool current = static_cast<int>(i) == m_nCurrent;
    pal.setColor(QPalette::Window, current ? pal.color(QPalette::Active, QPalette::Highlight)
                                           : pal.color(QPalette::Active, QPalette::Base));
    QColor text = current ? pal.color(QPalette::Active, QPalette::HighlightedText)
                          : pal.color(QPalette::Active, QPalette::Text);
    // A word the player has filled in steps back; the current one keeps
    // its highlight colours, a little paler.
    if (m_greyed[i]) {
        // Half-way to the page's colour: clearly set apart, still readable.
        const QColor page = pal.color(QPalette::Active, QPalette::Base);
        text = current ? QColor(text.red(), text.green(), text.blue(), 170)
                       : QColor((text.red() + page.red()) / 2, (text.green() + page.green()) / 2,
                                (text.blue() + page.blue()) / 2);
    }
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
    // The list's own roles are those of text on a page; the line paints
    // with the colours just set.
    label->setBackgroundRole(QPalette::Window);
    label->setForegroundRole(QPalette::WindowText);
}

void CCluePanel::UpdateStates() {
    if (m_words.empty() || !m_view) return;
    const CVerbalineDoc& doc = *m_view->GetDocument();
    int current = -1;
    const CPlayCursor& cursor = m_view->Cursor();
    if (cursor.Active() && doc.GridReady()) {
        const CWordSpan word = cursor.CurrentWord(doc);
        for (std::size_t i = 0; i < m_words.size(); ++i)
            if (m_words[i].Same(word)) current = static_cast<int>(i);
    }
    const int previous = m_nCurrent;
    m_nCurrent = current;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const bool filled = WordFilled(doc, m_words[i]);
        const bool changed = filled != m_greyed[i] || static_cast<int>(i) == previous ||
                             static_cast<int>(i) == current;
        m_greyed[i] = filled;
        if (changed) Paint(i);
    }
    if (current >= 0 && current != previous) {
        QLabel* label = m_labels[current];
        ShowClue(label);
        // Just built, the list has no geometry yet: once more when it has.
        QTimer::singleShot(0, this, [this, label, current] {
            if (m_nCurrent == current && current < static_cast<int>(m_labels.size()) &&
                m_labels[current] == label)
                ShowClue(label);
        });
    }
}

void CCluePanel::ShowClue(QLabel* label) {
    // A clue already in sight stays where it is; one out of sight comes to
    // the middle, with the clues around it.
    QScrollBar* bar = m_scroll->verticalScrollBar();
    const int top = label->mapTo(m_content, QPoint(0, 0)).y();
    const int height = m_scroll->viewport()->height();
    const int margin = 20;
    if (top - margin >= bar->value() && top + label->height() + margin <= bar->value() + height)
        return;
    bar->setValue(top - (height - label->height()) / 2);
}

void CCluePanel::OnClueClicked(std::size_t index) {
    if (!m_view || index >= m_words.size()) return;
    m_view->GoToWord(m_words[index]);
    m_view->setFocus(Qt::OtherFocusReason);
    Refresh();
}

}  // namespace verbal::shell
