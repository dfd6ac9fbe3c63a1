#include "CluePanel.h"

#include <QHeaderView>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

#include "QtText.h"
#include "Strings.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::shell {
namespace {

constexpr int kWordRole = Qt::UserRole + 1;

// A clue comes from a file anyone may have written: shown as plain text on
// one line of its own, whatever control characters it carries.
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

}  // namespace

CCluePanel::CCluePanel(QWidget* parent) : QDockWidget(QStringLiteral("Définitions"), parent) {
    setObjectName(QStringLiteral("definitions"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);

    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderHidden(true);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setIndentation(0);
    m_list->setWordWrap(true);
    m_list->setUniformRowHeights(false);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->header()->setStretchLastSection(true);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setWidget(m_list);
    setMinimumWidth(220);

    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnItemClicked(item); });
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
    m_list->clear();
    m_words.clear();
    m_items.clear();
    m_greyed.clear();
    m_nCurrent = -1;
    if (!m_bBuiltReady) return;
    const CVerbalineDoc& doc = *m_view->GetDocument();
    m_words = GridWords(doc);

    QFont headingFont = m_list->font();
    headingFont.setBold(true);
    QFont letterFont = m_list->font();
    letterFont.setItalic(true);
    if (letterFont.pointSizeF() > 0) letterFont.setPointSizeF(letterFont.pointSizeF() * 0.9);

    int lastLine = 0;
    Direction lastDirection = Direction::Down;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const CWordSpan& w = m_words[i];
        if (i == 0 || w.direction != lastDirection) {
            auto* heading = new QTreeWidgetItem(m_list);
            heading->setText(0, w.direction == Direction::Across
                                    ? QStringLiteral("Horizontalement")
                                    : QStringLiteral("Verticalement"));
            heading->setFont(0, headingFont);
            heading->setFlags(Qt::ItemIsEnabled);
            heading->setFirstColumnSpanned(true);
            lastLine = 0;
            lastDirection = w.direction;
        }
        auto* item = new QTreeWidgetItem(m_list);
        // The row's (column's) number once, on its first word.
        if (w.line != lastLine) item->setText(0, QString::number(w.line));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignTop);
        lastLine = w.line;
        const std::string& clue = doc.Clue(w.direction, w.line, w.number);
        QString text = PlainClue(clue);
        if (text.isEmpty()) text = QStringLiteral("(sans définition)");
        item->setText(1, text);
        item->setData(0, kWordRole, static_cast<int>(i));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        // A single letter counts as a word, but it is hardly one: it is
        // listed quietly.
        if (w.length == 1) item->setFont(1, letterFont);
        m_items.push_back(item);
    }
    m_greyed.assign(m_words.size(), false);
}

void CCluePanel::UpdateStates() {
    if (m_words.empty() || !m_view) return;
    const CVerbalineDoc& doc = *m_view->GetDocument();
    const QColor normal = m_list->palette().color(QPalette::Active, QPalette::Text);
    const QColor done = m_list->palette().color(QPalette::Disabled, QPalette::Text);
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        const bool filled = WordFilled(doc, m_words[i]);
        if (filled == m_greyed[i]) continue;
        m_greyed[i] = filled;
        for (int column = 0; column < 2; ++column)
            m_items[i]->setForeground(column, filled ? done : normal);
    }

    int current = -1;
    const CPlayCursor& cursor = m_view->Cursor();
    if (cursor.Active() && doc.GridReady()) {
        const CWordSpan word = cursor.CurrentWord(doc);
        for (std::size_t i = 0; i < m_words.size(); ++i)
            if (m_words[i].Same(word)) current = static_cast<int>(i);
    }
    if (current == m_nCurrent) return;
    m_nCurrent = current;
    if (current < 0) {
        m_list->clearSelection();
        return;
    }
    m_list->setCurrentItem(m_items[current]);
    m_items[current]->setSelected(true);
    m_list->scrollToItem(m_items[current], QAbstractItemView::EnsureVisible);
}

void CCluePanel::OnItemClicked(QTreeWidgetItem* item) {
    if (!item || !m_view) return;
    const QVariant index = item->data(0, kWordRole);
    if (!index.isValid()) return;
    const int i = index.toInt();
    if (i < 0 || static_cast<std::size_t>(i) >= m_words.size()) return;
    m_view->GoToWord(m_words[i]);
    m_view->setFocus(Qt::OtherFocusReason);
    Refresh();
}

}  // namespace verbal::shell
