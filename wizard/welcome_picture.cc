#include "wizard/welcome_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace zum {

namespace {

// Draws the barrier boom: red and white stripes along a bar of LENGTH,
// pivoting at the origin of the painter.
void DrawBoom(QPainter* p, double length, double thickness) {
  const int stripes = 7;
  double step = length / stripes;
  for (int s = 0; s < stripes; ++s) {
    p->setBrush(s % 2 == 0 ? QColor(200, 30, 40) : QColor(245, 245, 245));
    p->drawRect(QRectF(s * step, -thickness / 2, step, thickness));
  }
}

}  // namespace

QPixmap DrawWelcomePicture(int width, int height) {
  QPixmap pixmap(width, height);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = width;
  const double h = height;
  const double ground = h * 0.72;

  QLinearGradient sky(0, 0, 0, ground);
  sky.setColorAt(0, QColor(38, 70, 140));
  sky.setColorAt(0.65, QColor(240, 150, 90));
  sky.setColorAt(1, QColor(252, 214, 140));
  p.fillRect(QRectF(0, 0, w, ground), sky);

  // Sun setting behind the hills.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 170));
  p.drawEllipse(QPointF(w * 0.72, ground - h * 0.06), w * 0.11, w * 0.11);
  QPainterPath hills;
  hills.moveTo(0, ground);
  hills.cubicTo(w * 0.25, ground - h * 0.14, w * 0.45, ground - h * 0.02,
                w * 0.62, ground - h * 0.09);
  hills.cubicTo(w * 0.80, ground - h * 0.16, w * 0.92, ground - h * 0.05, w,
                ground - h * 0.08);
  hills.lineTo(w, ground);
  hills.closeSubpath();
  p.setBrush(QColor(70, 100, 80));
  p.drawPath(hills);

  // Apron and taxiway.
  QLinearGradient tarmac(0, ground, 0, h);
  tarmac.setColorAt(0, QColor(95, 95, 100));
  tarmac.setColorAt(1, QColor(55, 55, 60));
  p.fillRect(QRectF(0, ground, w, h - ground), tarmac);
  p.setBrush(QColor(240, 200, 40));
  for (int i = 0; i < 5; ++i) {
    double x = w * (0.05 + i * 0.2);
    p.drawRect(QRectF(x, h * 0.86, w * 0.1, h * 0.015));
  }

  // Gate booth.
  QRectF booth(w * 0.08, ground - h * 0.26, w * 0.22, h * 0.26);
  p.setBrush(QColor(225, 225, 215));
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  p.drawRect(booth);
  p.setBrush(QColor(150, 200, 230));
  p.drawRect(QRectF(booth.left() + booth.width() * 0.15,
                    booth.top() + booth.height() * 0.18, booth.width() * 0.7,
                    booth.height() * 0.35));
  p.setBrush(QColor(160, 40, 40));
  QPolygonF roof;
  roof << QPointF(booth.left() - w * 0.02, booth.top())
       << QPointF(booth.center().x(), booth.top() - h * 0.08)
       << QPointF(booth.right() + w * 0.02, booth.top());
  p.drawPolygon(roof);

  // Barrier post and its raised boom.
  QRectF post(w * 0.36, ground - h * 0.16, w * 0.06, h * 0.16);
  p.setBrush(QColor(230, 190, 30));
  p.drawRect(post);
  p.save();
  p.translate(post.center().x(), post.top() + h * 0.03);
  p.rotate(-28);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  DrawBoom(&p, w * 0.6, h * 0.035);
  p.restore();
  p.setBrush(QColor(40, 40, 40));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(post.center().x(), post.top() + h * 0.03), w * 0.018,
                w * 0.018);

  // A frame around the picture.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.drawRect(QRectF(1, 1, w - 2, h - 2));
  return pixmap;
}

}  // namespace zum
