#include "GeneratorBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "DialogUnits.h"
#include "Icons.h"

namespace verbal::shell {

CStopDlg::CStopDlg()
    : QDialog(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("ARRETER"));
    const CDialogUnits du = PrepareDialog(this, 85, 39);

    m_button = new QPushButton(QStringLiteral("ARRETER"), this);
    QFont big = font();
    big.setPointSize(14);
    big.setBold(true);
    m_button->setFont(big);
    m_button->setDefault(true);
    m_button->setGeometry(rect());
    connect(m_button, &QPushButton::clicked, this, [this] { m_bStopPressed = true; });

    auto* sign = new QLabel(this);
    const int side = du.Y(12);
    sign->setPixmap(RenderPicture(QStringLiteral("stop"), QSize(side, side)));
    sign->setGeometry(4, 4, side, side);
    sign->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CStopDlg::Create(QWidget* mainWindow, QWidget* over) {
    if (mainWindow && mainWindow->isEnabled()) {
        // Disabling moves the focus off the grid, and enabling again would
        // activate whichever grid window then holds it.
        m_focusBefore = mainWindow->focusWidget();
        mainWindow->setEnabled(false);
        m_disabledWindow = mainWindow;
    }
    m_bStopPressed = false;
    QWidget* anchor = over && over->isVisible() ? over : mainWindow;
    if (anchor && anchor->isVisible()) {
        QRect box = rect();
        box.moveCenter(anchor->mapToGlobal(anchor->rect().center()));
        move(box.topLeft());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect box = rect();
        box.moveCenter(screen->availableGeometry().center());
        move(box.topLeft());
    }
    show();
    raise();
    activateWindow();
    m_button->setFocus();
    m_bCreated = true;
}

void CStopDlg::Destroy() {
    if (m_disabledWindow) {
        m_disabledWindow->setEnabled(true);
        if (m_focusBefore) m_focusBefore->setFocus();
        m_disabledWindow->activateWindow();
    }
    m_disabledWindow = nullptr;
    m_focusBefore = nullptr;
    hide();
    m_bCreated = false;
}

bool CStopDlg::CheckStop() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return TakeStopRequest();
}

bool CStopDlg::TakeStopRequest() {
    const bool pressed = m_bStopPressed;
    m_bStopPressed = false;
    return pressed;
}

void CStopDlg::reject() { m_bStopPressed = true; }

void CStopDlg::closeEvent(QCloseEvent* event) {
    // Closing the box asks for the stop; the box itself stays until the
    // computation has ended.
    m_bStopPressed = true;
    event->ignore();
}

CWaitDlg::CWaitDlg()
    : QDialog(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Veuillez patienter"));
    PrepareDialog(this, 85, 39);
    auto* picture = new QLabel(this);
    picture->setGeometry(rect());
    picture->setPixmap(RenderPicture(QStringLiteral("wait"), size()));
}

void CWaitDlg::Create() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    raise();
    // Shown at once: the work that follows pumps no event for a while.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CWaitDlg::Destroy() { hide(); }

void CWaitDlg::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace verbal::shell
