#include "gui/app/frm_splash.h"

#include "gui/base/lang_text.h"
#include "lang_text_ids.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frmSplash::frmSplash(const QString& picturePath, std::function<void()> loadMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_loadMain(std::move(loadMain))
{
    setObjectName(QStringLiteral("frmSplash"));
    m_picLogo = new QLabel(this);
    m_picLogo->setObjectName(QStringLiteral("picLogo"));
    m_picLogo->setAlignment(Qt::AlignCenter);
    const QPixmap picture(picturePath);
    if (picture.isNull()) {
        // Without its picture the splash still says what is starting. The
        // application title is set only after the splash exists, so the
        // text is looked up here.
        m_picLogo->setText(LangText(Txt::AppTitle));
        m_picLogo->setMinimumSize(480, 240);
        m_picLogo->setFrameStyle(QFrame::Box);
    } else {
        m_picLogo->setPixmap(picture);
    }
    m_picLogo->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picLogo);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(ShowMs);
    connect(m_timer1, &QTimer::timeout, this, &frmSplash::handOver);
    m_timer1->start();
}

void frmSplash::handOver()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_timer1->stop();
    // The main window is shown before the splash closes, so that the program
    // never runs for a moment without a window.
    if (m_loadMain)
        m_loadMain();
    close();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picLogo && event->type() == QEvent::MouseButtonPress) {
        handOver();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
