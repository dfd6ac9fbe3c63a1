// The help browser with the shipped pages, in its 700 x 550 window.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolBar>
#include <memory>

#include "HelpviewDoc.h"
#include "HelpviewView.h"
#include "MainFrame.h"
#include "Pictures.h"

namespace verbal::pictures {

void TakeBrowserPictures(const QString& helpDir, const QString& screensDir) {
    // The browser remembers its start directory in the temporary directory:
    // one of its own, and the pages where the build lays them out.
    QTemporaryDir tmp;
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    const QString savedCwd = QDir::currentPath();
    const QString pages = QString::fromStdString(InstallDir());
    QDir::setCurrent(pages);
    helpview::CHelpviewDoc doc;
    auto frame = std::make_unique<helpview::CMainFrame>(&doc);
    frame->show();
    frame->View()->OnInitialUpdate();
    Settle(20);

    if (!helpDir.isEmpty()) {
        QDir().mkpath(helpDir);
        QToolBar* toolbar = frame->ToolBar();
        QRect buttons;
        for (QAction* action : toolbar->actions())
            if (QWidget* button = toolbar->widgetForAction(action))
                buttons = buttons.united(button->geometry());
        // As wide as the pictures of the help, so that the page needs no
        // sideways scrolling.
        const QImage image = toolbar->grab(buttons.adjusted(-4, -4, 4, 4))
                                 .toImage()
                                 .scaledToWidth(540, Qt::SmoothTransformation);
        if (!Indexed(image).save(QDir(helpDir).filePath(QStringLiteral("navigateur.png")), "PNG", 0))
            Fail("image navigateur.png");
    }
    if (!screensDir.isEmpty()) {
        QDir().mkpath(screensDir);
        for (const QString& name : {QStringLiteral("aide.htm"), QStringLiteral("defaut.htm"),
                                    QStringLiteral("enligne.htm")}) {
            frame->View()->Navigate2(QDir(pages).filePath(name));
            Settle(20);
            const QString base =
                QDir(screensDir).filePath(QStringLiteral("page-") + name.section('.', 0, 0));
            if (!frame->grab().save(base + QStringLiteral(".png"))) Fail("image de " + name.toStdString());
            QTextDocument* text = frame->View()->document();
            QImage full(frame->View()->viewport()->width(), int(text->size().height()),
                        QImage::Format_RGB32);
            full.fill(Qt::white);
            QPainter painter(&full);
            text->drawContents(&painter);
            painter.end();
            // In pieces a screen high, to be looked at one after the other.
            for (int top = 0, piece = 1; top < full.height(); top += 900, ++piece)
                if (!full.copy(0, top, full.width(), std::min(900, full.height() - top))
                         .save(base + QStringLiteral("-%1.png").arg(piece)))
                    Fail("image de " + name.toStdString());
        }
    }

    frame.reset();
    QDir::setCurrent(savedCwd);
    qputenv("TMPDIR", savedTmp);
}

}  // namespace verbal::pictures
