#include "SplashWindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "FormFont.h"
#include "SplashPicture.h"
#include "Twips.h"

namespace corvane {

namespace {

QLabel* title(QWidget* parent, const char* name, const char* text, double points, int left, int top,
              int width, int height) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(FormFont::sized(points, true));
    Twips::place(label, left, top, width, height);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(Twips::toPixels(9480), Twips::toPixels(3345));
    auto* frame = new QFrame(this);
    frame_ = frame;
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Raised);
    Twips::place(frame, 0, 0, 9465, 3330);
    frame->installEventFilter(this);

    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("Picture2"));
    Twips::place(picture, 120, 480, 4215, 2775);
    picture->setPixmap(SplashPicture::draw(picture->size()));
    title(frame, "Label2", "ATC", 32.25, 6240, 480, 1335, 765);
    title(frame, "Label1", "CORVANE", 32.25, 4560, 1200, 4740, 765);
    title(frame, "lblPlatform", "Piattaforma Windows", 15.75, 6120, 2280, 3210, 360);
    title(frame, "lblVersion", "Versione 2.0", 12, 7800, 2640, 1410, 285);

    for (QLabel* label : frame->findChildren<QLabel*>()) {
        label->installEventFilter(this);
    }

    timer3_.setObjectName(QStringLiteral("Timer3"));
    timer3_.setSingleShot(true);
    timer3_.setInterval(kTimeoutMs);
    connect(&timer3_, &QTimer::timeout, this, &SplashWindow::end);
    timer3_.start();
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void SplashWindow::keyPressEvent(QKeyEvent* /*event*/) {
    end();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    // The window's own area outside Frame1 is the frame's border: bare area too.
    event->accept();
    end();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only a press on Frame1 itself counts; the picture and the labels take theirs and do
    // nothing (a QLabel passes presses on, so they would otherwise reach the frame).
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == frame_) {
            end();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    timer3_.stop();
    close();
    emit finished();
}

}  // namespace corvane
