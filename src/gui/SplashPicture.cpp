#include "SplashPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace corvane {

namespace {

void drawScope(QPainter& painter, const QRectF& scope) {
    QRadialGradient glow(scope.center(), scope.width() / 2);
    glow.setColorAt(0.0, QColor(10, 70, 40));
    glow.setColorAt(1.0, QColor(2, 20, 12));
    painter.setBrush(glow);
    painter.setPen(QPen(QColor(90, 200, 120), scope.width() / 60));
    painter.drawEllipse(scope);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 160, 90, 160), scope.width() / 200));
    for (int ring = 1; ring <= 3; ++ring) {
        const double inset = scope.width() / 8 * ring;
        painter.drawEllipse(scope.adjusted(inset, inset, -inset, -inset));
    }
    painter.drawLine(QPointF(scope.center().x(), scope.top()),
                     QPointF(scope.center().x(), scope.bottom()));
    painter.drawLine(QPointF(scope.left(), scope.center().y()),
                     QPointF(scope.right(), scope.center().y()));
}

void drawSweep(QPainter& painter, const QRectF& scope) {
    QConicalGradient sweep(scope.center(), 60);
    sweep.setColorAt(0.0, QColor(120, 255, 150, 150));
    sweep.setColorAt(0.15, QColor(120, 255, 150, 0));
    sweep.setColorAt(1.0, QColor(120, 255, 150, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sweep);
    painter.drawEllipse(scope);
}

void drawRunwayAndTrack(QPainter& painter, const QRectF& scope) {
    const QPointF centre = scope.center();
    const double unit = scope.width() / 100;
    painter.save();
    painter.translate(centre);
    painter.rotate(-25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 230, 230));
    painter.drawRect(QRectF(-2 * unit, -14 * unit, 4 * unit, 28 * unit));
    QPen track(QColor(255, 210, 60), unit * 0.8, Qt::DashLine);
    painter.setPen(track);
    painter.drawLine(QPointF(0, 14 * unit), QPointF(0, 44 * unit));
    painter.restore();
}

void drawBlip(QPainter& painter, const QPointF& at, double unit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(160, 255, 170));
    painter.drawEllipse(at, unit * 1.6, unit * 1.6);
    painter.setPen(QPen(QColor(160, 255, 170), unit * 0.5));
    painter.drawLine(at, at + QPointF(unit * 5, -unit * 3));
}

}  // namespace

QPixmap SplashPicture::draw(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(size.width(), size.height()) * 0.96;
    const QRectF scope((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    drawScope(painter, scope);
    drawSweep(painter, scope);
    drawRunwayAndTrack(painter, scope);
    const double unit = side / 100;
    drawBlip(painter, scope.center() + QPointF(-22 * unit, -18 * unit), unit);
    drawBlip(painter, scope.center() + QPointF(20 * unit, 26 * unit), unit);
    drawBlip(painter, scope.center() + QPointF(26 * unit, -12 * unit), unit);
    return picture;
}

}  // namespace corvane
