// The pages that ship with the program (aide.htm, defaut.htm, enligne.htm),
// as they are laid out beside the programs: every link leads somewhere,
// every picture is there, and the browser shows them without a page that
// must be scrolled sideways.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <memory>

#include "HelpviewDoc.h"
#include "TestFiles.h"
#include "HelpviewIds.h"
#include "HelpviewView.h"
#include "MainFrame.h"

namespace helpview {
namespace {

const QStringList kPages = {QStringLiteral("aide.htm"), QStringLiteral("defaut.htm"),
                            QStringLiteral("enligne.htm")};
// A picture of a page stays small, so that the installation does.
constexpr qint64 kMaxPictureBytes = 64 * 1024;

QString PagePath(const QString& name) {
    return QDir(QStringLiteral(VERBAL_PAGES_DIR)).filePath(name);
}

QString ReadPage(const QString& name) {
    QFile file(PagePath(name));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString() : text;
}

QString WithoutComments(QString html) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return html.remove(comment);
}

QStringList Captures(const QString& html, const QString& pattern) {
    QStringList values;
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
    for (auto it = re.globalMatch(html); it.hasNext();) values << it.next().captured(1);
    return values;
}

QStringList Anchors(const QString& html) {
    return Captures(WithoutComments(html), QStringLiteral("<a\\s[^>]*name=\"([^\"]+)\""));
}

// Every element is closed, in order: the browser forgives a lot, other
// browsers the user may choose forgive other things.
QString UnbalancedTag(const QString& html) {
    static const QSet<QString> kVoid = {QStringLiteral("meta"), QStringLiteral("img"),
                                        QStringLiteral("br"),   QStringLiteral("hr"),
                                        QStringLiteral("link"), QStringLiteral("!doctype")};
    static const QRegularExpression tag(QStringLiteral("<(/?)([!a-zA-Z0-9]+)[^>]*>"));
    QStringList open;
    for (auto it = tag.globalMatch(WithoutComments(html)); it.hasNext();) {
        const auto match = it.next();
        const QString name = match.captured(2).toLower();
        if (kVoid.contains(name)) continue;
        if (match.captured(1).isEmpty()) {
            open << name;
        } else if (open.isEmpty() || open.takeLast() != name) {
            return QStringLiteral("</%1> at offset %2").arg(name).arg(match.capturedStart());
        }
    }
    return open.isEmpty() ? QString() : QStringLiteral("<%1> never closed").arg(open.last());
}

TEST(Pages, AreUtf8AndWellFormed) {
    for (const QString& name : kPages) {
        SCOPED_TRACE(name.toStdString());
        const QString html = ReadPage(name);
        ASSERT_FALSE(html.isEmpty()) << "missing, empty or not UTF-8";
        EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"fr\">")));
        EXPECT_FALSE(html.contains(QLatin1String("example.org"))) << "a placeholder address";
        EXPECT_FALSE(html.contains(QLatin1String("http-equiv=\"refresh\"")));
        EXPECT_EQ(UnbalancedTag(html), QString());
        const QStringList anchors = Anchors(html);
        EXPECT_EQ(QSet<QString>(anchors.begin(), anchors.end()).size(), anchors.size())
            << "an anchor name is used twice";
    }
}

// Internal links, links between the pages, pictures and the one web address.
TEST(Pages, EveryLinkAndPictureLeadsSomewhere) {
    for (const QString& name : kPages) {
        SCOPED_TRACE(name.toStdString());
        const QString html = WithoutComments(ReadPage(name));
        for (const QString& href : Captures(html, QStringLiteral("href=\"([^\"]*)\""))) {
            SCOPED_TRACE(href.toStdString());
            // The site page ships with the help: no page leads out of the
            // installation, nor sends the reader there by itself.
            ASSERT_FALSE(href.contains(QLatin1String("://"))) << "a page leads outside";
            const int hash = href.indexOf(QLatin1Char('#'));
            const QString file = hash < 0 ? href : href.left(hash);
            const QString target = file.isEmpty() ? name : file;
            ASSERT_TRUE(kPages.contains(target)) << "a link to a page that is not shipped";
            if (hash >= 0) {
                EXPECT_TRUE(Anchors(ReadPage(target)).contains(href.mid(hash + 1)));
            }
        }
        const QStringList images = Captures(html, QStringLiteral("<img\\s[^>]*src=\"([^\"]+)\""));
        EXPECT_EQ(images.size(), html.count(QStringLiteral("<img "))) << "an image without src";
        EXPECT_EQ(html.count(QStringLiteral("<img ")), html.count(QRegularExpression(
                                                           QStringLiteral("<img [^>]*alt=\""))))
            << "an image without alt text";
        for (const QString& src : images) {
            SCOPED_TRACE(src.toStdString());
            const QString path = PagePath(src);
            EXPECT_FALSE(QImage(path).isNull()) << "missing or unreadable";
            EXPECT_LE(QFileInfo(path).size(), kMaxPictureBytes);
        }
    }
}

// The pages as the browser shows them, in its 700 x 550 window.
class PagesInBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        m_strSavedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QByteArray::fromStdString(m_tmp.Path()));
        m_strSavedCwd = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(VERBAL_PAGES_DIR));
        m_frame = std::make_unique<CMainFrame>(&m_doc);
        m_frame->show();
        View()->OnInitialUpdate();
        Settle();
    }
    void TearDown() override {
        m_frame.reset();
        QDir::setCurrent(m_strSavedCwd);
        qputenv("TMPDIR", m_strSavedTmp);
    }
    CHelpviewView* View() const { return m_frame->View(); }
    static void Settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
    void Show(const QString& name) {
        View()->Navigate2(PagePath(name));
        Settle();
    }

    verbal::test::TempDir m_tmp;
    QByteArray m_strSavedTmp;
    QString m_strSavedCwd;
    CHelpviewDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(PagesInBrowser, ShowEveryPageWithItsPicturesAndNoSidewaysScrolling) {
    EXPECT_EQ(View()->source().toLocalFile(), PagePath(QStringLiteral("defaut.htm")));
    for (const QString& name : kPages) {
        SCOPED_TRACE(name.toStdString());
        Show(name);
        const QString text = View()->toPlainText();
        EXPECT_FALSE(text.contains(QStringLiteral("Page introuvable")));
        EXPECT_TRUE(text.contains(QStringLiteral("Verbaline 2000")));
        EXPECT_FALSE(text.contains(QStringLiteral("Ã"))) << "UTF-8 read as Latin-1";
        EXPECT_EQ(m_frame->windowTitle(), QString::fromUtf8(kBrowserTitle));
        EXPECT_EQ(View()->horizontalScrollBar()->maximum(), 0) << "wider than the window";

        // Every picture of the page reaches the browser, and every anchor
        // the page names is one the browser knows.
        const QStringList anchors = Anchors(ReadPage(name));
        QSet<QString> known;
        for (QTextBlock block = View()->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& anchor : format.anchorNames()) known.insert(anchor);
                if (format.isImageFormat()) {
                    const QString src = format.toImageFormat().name();
                    EXPECT_TRUE(View()
                                    ->document()
                                    ->resource(QTextDocument::ImageResource, QUrl(src))
                                    .isValid())
                        << src.toStdString();
                }
            }
        }
        for (const QString& anchor : anchors)
            EXPECT_TRUE(known.contains(anchor)) << anchor.toStdString();
    }
}

// The help's table of contents takes the reader to the section, and back
// returns to the top of the page.
TEST_F(PagesInBrowser, TableOfContentsLinksScrollToTheirSection) {
    Show(QStringLiteral("aide.htm"));
    ASSERT_EQ(View()->verticalScrollBar()->value(), 0);
    emit View()->anchorClicked(QUrl(QStringLiteral("#problemes")));
    Settle();
    EXPECT_EQ(View()->source().fragment(), QStringLiteral("problemes"));
    const int section = View()->verticalScrollBar()->value();
    EXPECT_GT(section, 0);
    emit View()->anchorClicked(QUrl(QStringLiteral("defaut.htm")));
    Settle();
    EXPECT_EQ(View()->source().toLocalFile(), PagePath(QStringLiteral("defaut.htm")));
    View()->OnNavBack();
    Settle();
    EXPECT_EQ(View()->source().fragment(), QStringLiteral("problemes"));
}

}  // namespace
}  // namespace helpview
