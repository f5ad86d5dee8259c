#include "Shell/Dialogs/CSplashScreen.h"

#include "Shell/ShellPictures/ShellPictures.h"
#include "ui_CSplashScreen.h"

#include <QGuiApplication>
#include <QScreen>

CSplashScreen::CSplashScreen(std::function<void()> done)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ui(new Ui::CSplashScreen), done(std::move(done))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QImage picture = ShellPictures::LoadLibraryBitmap(pictureID);
    if (!picture.isNull()) {
        ui->picture->setPixmap(QPixmap::fromImage(picture));
        setFixedSize(picture.size());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
        show();
    }
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [this] { close(); deleteLater(); });
    timer.start(durationMilliseconds);
}

CSplashScreen::~CSplashScreen()
{
    if (done)
        done();
}
