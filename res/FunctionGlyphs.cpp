// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/FunctionGlyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

// Glyphs are drawn on a grid of kGrid x kGrid units laid over a square box; strokes are measured in
// grid units too, so every glyph keeps its proportions from the 12-pixel mouse tiles up to the large
// function tiles.
constexpr double kGrid = 24.0;
constexpr double kStroke = 1.8;
constexpr double kPi = std::numbers::pi;

class Sketch {
public:
    Sketch(QPainter& painter, const QRectF& box, const QColor& colour) : painter_(painter), colour_(colour) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.translate(box.topLeft());
        const double unit = box.width() / kGrid;
        painter_.scale(unit, unit);
        // Never thinner than one pixel.
        minimumStroke_ = 1.0 / unit;
        stroke(kStroke);
    }
    ~Sketch() { painter_.restore(); }
    Sketch(const Sketch&) = delete;
    Sketch& operator=(const Sketch&) = delete;

    void stroke(double width) {
        QPen pen(colour_, std::max(width, minimumStroke_), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
    }
    void line(double x1, double y1, double x2, double y2) {
        painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void polyline(std::initializer_list<QPointF> points) {
        const QPolygonF polygon(QList<QPointF>(points.begin(), points.end()));
        painter_.drawPolyline(polygon);
    }
    void outline(std::initializer_list<QPointF> points) {
        const QPolygonF polygon(QList<QPointF>(points.begin(), points.end()));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPolygon(polygon);
    }
    void fill(std::initializer_list<QPointF> points) {
        const QPolygonF polygon(QList<QPointF>(points.begin(), points.end()));
        painter_.setBrush(colour_);
        painter_.drawPolygon(polygon);
        painter_.setBrush(Qt::NoBrush);
    }
    void box(double x, double y, double w, double h, double radius = 0.0) {
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRoundedRect(QRectF(x, y, w, h), radius, radius);
    }
    void solidBox(double x, double y, double w, double h) { painter_.fillRect(QRectF(x, y, w, h), colour_); }
    void circle(double cx, double cy, double r) {
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(QPointF(cx, cy), r, r);
    }
    void disc(double cx, double cy, double r) {
        painter_.save();
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour_);
        painter_.drawEllipse(QPointF(cx, cy), r, r);
        painter_.restore();
    }
    // An arc of the circle around (cx, cy), angles in degrees counter-clockwise from three o'clock.
    void arc(double cx, double cy, double r, double startDegrees, double spanDegrees) {
        painter_.drawArc(QRectF(cx - r, cy - r, 2 * r, 2 * r), static_cast<int>(startDegrees * 16),
                         static_cast<int>(spanDegrees * 16));
    }
    void path(const QPainterPath& shape, bool filled) {
        painter_.setBrush(filled ? QBrush(colour_) : QBrush(Qt::NoBrush));
        painter_.drawPath(shape);
        painter_.setBrush(Qt::NoBrush);
    }
    // Text centred in the box (x, y, w, h), size grid units high.
    void text(double x, double y, double w, double h, const char* words, double size) {
        QFont font = painter_.font();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
        font.setBold(true);
        painter_.setFont(font);
        painter_.drawText(QRectF(x, y, w, h), Qt::AlignCenter | Qt::TextDontClip, QString::fromUtf8(words));
    }

private:
    QPainter& painter_;
    QColor colour_;
    double minimumStroke_ = 0.0;
};

// ---------------------------------------------------------------------------------------------
// Pieces several glyphs share.

void arrowHead(Sketch& s, double tipX, double tipY, double dx, double dy, double size) {
    // dx, dy: the unit direction the arrow points in.
    const double backX = tipX - dx * size;
    const double backY = tipY - dy * size;
    s.fill({{tipX, tipY},
            {backX - dy * size * 0.7, backY + dx * size * 0.7},
            {backX + dy * size * 0.7, backY - dx * size * 0.7}});
}

void arrow(Sketch& s, double x1, double y1, double x2, double y2, double head = 4.5) {
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double dx = (x2 - x1) / length;
    const double dy = (y2 - y1) / length;
    s.line(x1, y1, x2 - dx * head * 0.6, y2 - dy * head * 0.6);
    arrowHead(s, x2, y2, dx, dy, head);
}

void speaker(Sketch& s) {
    s.fill({{2, 9}, {6, 9}, {11, 4.5}, {11, 19.5}, {6, 15}, {2, 15}});
}

void keycap(Sketch& s, double x, double y, double w, double h) {
    s.box(x, y, w, h, 2.5);
}

void windowsLogo(Sketch& s, double x, double y, double side) {
    const double pane = side * 0.45;
    const double gap = side - 2 * pane;
    s.solidBox(x, y, pane, pane);
    s.solidBox(x + pane + gap, y, pane, pane);
    s.solidBox(x, y + pane + gap, pane, pane);
    s.solidBox(x + pane + gap, y + pane + gap, pane, pane);
}

void padlock(Sketch& s, double x, double y, double w, double h) {
    const double bodyTop = y + h * 0.45;
    s.arc(x + w / 2, bodyTop, w * 0.3, 0, 180);
    s.solidBox(x, bodyTop, w, h - (bodyTop - y));
}

void keyboard(Sketch& s, double x, double y, double w, double h) {
    s.box(x, y, w, h, 1.5);
    const double pitch = w / 6;
    for (int row = 0; row < 2; ++row) {
        for (int k = 1; k < 6; ++k)
            s.disc(x + pitch * k, y + h * (row == 0 ? 0.33 : 0.6), 0.9);
    }
    s.line(x + pitch * 1.6, y + h * 0.83, x + w - pitch * 1.6, y + h * 0.83);
}

void sun(Sketch& s, double cx, double cy, double r) {
    s.disc(cx, cy, r);
    for (int k = 0; k < 8; ++k) {
        const double angle = k * kPi / 4;
        s.line(cx + std::cos(angle) * (r + 1.8), cy + std::sin(angle) * (r + 1.8),
               cx + std::cos(angle) * (r + 3.6), cy + std::sin(angle) * (r + 3.6));
    }
}

void plus(Sketch& s, double cx, double cy, double half) {
    s.line(cx - half, cy, cx + half, cy);
    s.line(cx, cy - half, cx, cy + half);
}

void minus(Sketch& s, double cx, double cy, double half) {
    s.line(cx - half, cy, cx + half, cy);
}

void cross(Sketch& s, double cx, double cy, double half) {
    s.line(cx - half, cy - half, cx + half, cy + half);
    s.line(cx - half, cy + half, cx + half, cy - half);
}

// A double arrow across the foot of the box: the two things above it change places.
void exchange(Sketch& s) {
    s.line(5.5, 19, 18.5, 19);
    arrowHead(s, 2, 19, -1, 0, 4);
    arrowHead(s, 22, 19, 1, 0, 4);
}

// The mouse pointer, in the left two thirds of the box.
void pointer(Sketch& s) {
    s.fill({{2, 2}, {2, 17}, {5.5, 13.5}, {8, 19.5}, {10.5, 18.5}, {8, 12.5}, {13, 12.5}});
}

// A mouse body; button 0 left, 1 right, 2 the wheel, -1 none marked.
void mouse(Sketch& s, double x, double w, int button) {
    const double y = 2;
    const double h = 20;
    s.box(x, y, w, h, w / 2);
    s.line(x, y + h * 0.42, x + w, y + h * 0.42);
    s.line(x + w / 2, y, x + w / 2, y + h * 0.42);
    if (button == 0)
        s.fill({{x + w / 2, y + 1},
                {x + w / 2, y + h * 0.42},
                {x + 0.5, y + h * 0.42},
                {x + 1, y + w * 0.3},
                {x + w * 0.25, y + 1.2}});
    else if (button == 1)
        s.fill({{x + w / 2, y + 1},
                {x + w / 2, y + h * 0.42},
                {x + w - 0.5, y + h * 0.42},
                {x + w - 1, y + w * 0.3},
                {x + w * 0.75, y + 1.2}});
    else if (button == 2)
        s.solidBox(x + w / 2 - 1.5, y + 2.5, 3, 6);
}

// A wavy line across the top of the box: a light effect.
void wave(Sketch& s) {
    QPainterPath shape(QPointF(2, 7.5));
    shape.cubicTo(QPointF(5, 1.5), QPointF(8, 1.5), QPointF(12, 7.5));
    shape.cubicTo(QPointF(16, 13.5), QPointF(19, 13.5), QPointF(22, 7.5));
    s.path(shape, false);
}

void gauge(Sketch& s, bool fast) {
    s.arc(12, 16, 9, 0, 180);
    s.line(3, 16, 21, 16);
    const double angle = fast ? kPi * 0.25 : kPi * 0.75;
    s.line(12, 16, 12 + std::cos(angle) * 7, 16 - std::sin(angle) * 7);
    s.disc(12, 16, 1.6);
}

void bluetoothRune(Sketch& s, double x) {
    s.polyline({{x, 8}, {x + 9, 16}, {x + 4.5, 20.5}, {x + 4.5, 3.5}, {x + 9, 8}, {x, 16}});
}

void bluetooth(Sketch& s, const char* device) {
    bluetoothRune(s, 2.5);
    s.text(13, 6, 10, 13, device, 13);
}

void monitor(Sketch& s) {
    s.box(2, 3, 20, 13, 1);
    s.line(12, 16, 12, 20);
    s.line(7, 21, 17, 21);
}

// ---------------------------------------------------------------------------------------------
// Multimedia and browser.

void mediaSelect(Sketch& s) {
    s.disc(6.5, 18, 3);
    s.disc(17.5, 16, 3);
    s.stroke(2.2);
    s.line(9.3, 18, 9.3, 5);
    s.line(20.3, 16, 20.3, 3);
    s.line(9.3, 5, 20.3, 3);
    s.line(9.3, 8.5, 20.3, 6.5);
}
void playPause(Sketch& s) {
    s.fill({{3, 5}, {3, 19}, {12, 12}});
    s.solidBox(14.5, 5, 3, 14);
    s.solidBox(19, 5, 3, 14);
}
void stop(Sketch& s) {
    s.solidBox(6, 6, 12, 12);
}
void nextTrack(Sketch& s) {
    s.fill({{2, 6}, {2, 18}, {10, 12}});
    s.fill({{10, 6}, {10, 18}, {18, 12}});
    s.solidBox(18.5, 6, 2.5, 12);
}
void previousTrack(Sketch& s) {
    s.fill({{22, 6}, {22, 18}, {14, 12}});
    s.fill({{14, 6}, {14, 18}, {6, 12}});
    s.solidBox(3, 6, 2.5, 12);
}
void volumeDown(Sketch& s) {
    speaker(s);
    minus(s, 18, 12, 3.5);
}
void volumeUp(Sketch& s) {
    speaker(s);
    plus(s, 18, 12, 3.5);
}
void mute(Sketch& s) {
    speaker(s);
    cross(s, 18, 12, 3);
}
void browserBack(Sketch& s) {
    s.circle(12, 12, 9.5);
    arrow(s, 17, 12, 6, 12);
}
void browserForward(Sketch& s) {
    s.circle(12, 12, 9.5);
    arrow(s, 7, 12, 18, 12);
}
void browserStop(Sketch& s) {
    s.outline({{8, 2.5}, {16, 2.5}, {21.5, 8}, {21.5, 16}, {16, 21.5}, {8, 21.5}, {2.5, 16}, {2.5, 8}});
    cross(s, 12, 12, 4);
}
void browserRefresh(Sketch& s) {
    s.arc(12, 12, 8, 110, 290);
    arrowHead(s, 10, 2.6, -0.95, 0.3, 4.5);
}
void favourites(Sketch& s) {
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? 10.0 : 4.2;
        const double angle = -kPi / 2 + k * kPi / 5;
        star << QPointF(12 + std::cos(angle) * r, 12.8 + std::sin(angle) * r);
    }
    QPainterPath shape;
    shape.addPolygon(star);
    shape.closeSubpath();
    s.path(shape, true);
}
void search(Sketch& s) {
    s.stroke(2.2);
    s.circle(10, 10, 6.5);
    s.stroke(3.4);
    s.line(15, 15, 20.5, 20.5);
}
void email(Sketch& s) {
    s.box(2, 5, 20, 14, 1);
    s.polyline({{2.5, 5.5}, {12, 13}, {21.5, 5.5}});
}
void home(Sketch& s) {
    s.polyline({{2, 12}, {12, 3}, {22, 12}});
    s.outline({{5, 10}, {5, 21}, {19, 21}, {19, 10}});
    s.solidBox(10, 14, 4, 7);
}
void myComputer(Sketch& s) {
    monitor(s);
    s.solidBox(4.5, 5.5, 15, 8);
}
void calculator(Sketch& s) {
    s.box(5, 2, 14, 20, 1.5);
    s.solidBox(7.5, 4.5, 9, 4);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            s.solidBox(7.5 + column * 3.3, 11 + row * 3.5, 2.2, 2.2);
    }
}

// ---------------------------------------------------------------------------------------------
// Mouse.

void moveLeft(Sketch& s) {
    s.stroke(2.6);
    arrow(s, 21, 12, 3, 12, 7);
}
void moveRight(Sketch& s) {
    s.stroke(2.6);
    arrow(s, 3, 12, 21, 12, 7);
}
void moveUp(Sketch& s) {
    s.stroke(2.6);
    arrow(s, 12, 21, 12, 3, 7);
}
void moveDown(Sketch& s) {
    s.stroke(2.6);
    arrow(s, 12, 3, 12, 21, 7);
}
void leftButton(Sketch& s) {
    mouse(s, 4, 16, 0);
}
void rightButton(Sketch& s) {
    mouse(s, 4, 16, 1);
}
void middleButton(Sketch& s) {
    mouse(s, 4, 16, 2);
}
void wheelUp(Sketch& s) {
    mouse(s, 1, 12, 2);
    s.stroke(2.4);
    arrow(s, 19, 20, 19, 3, 6);
}
void wheelDown(Sketch& s) {
    mouse(s, 1, 12, 2);
    s.stroke(2.4);
    arrow(s, 19, 4, 19, 21, 6);
}
void doubleLeft(Sketch& s) {
    mouse(s, 1, 12, 0);
    s.text(13, 3, 11, 18, "2", 17);
}
void pointMove(Sketch& s) {
    pointer(s);
    s.disc(17, 12, 2);
    s.disc(22, 12, 2);
}
void continuousMove(Sketch& s) {
    pointer(s);
    s.stroke(2.6);
    s.line(15, 12, 22.5, 12);
}
void accelerateMove(Sketch& s) {
    pointer(s);
    s.stroke(2.2);
    s.polyline({{14, 7}, {18, 12}, {14, 17}});
    s.polyline({{18.5, 7}, {22.5, 12}, {18.5, 17}});
}
void accelerateKey(Sketch& s) {
    keycap(s, 1.5, 3, 21, 18);
    s.stroke(2.2);
    s.polyline({{6, 7.5}, {10.5, 12}, {6, 16.5}});
    s.polyline({{12.5, 7.5}, {17, 12}, {12.5, 16.5}});
}

// ---------------------------------------------------------------------------------------------
// Keyboard functions.

void winMacSwitch(Sketch& s) {
    windowsLogo(s, 2, 3, 9);
    // The command sign: a square with a loop at every corner.
    s.stroke(1.4);
    s.box(15.5, 5.5, 4, 4);
    for (const QPointF corner :
         {QPointF(15.5, 5.5), QPointF(19.5, 5.5), QPointF(15.5, 9.5), QPointF(19.5, 9.5)})
        s.circle(corner.x() + (corner.x() < 17 ? -1.3 : 1.3), corner.y() + (corner.y() < 7 ? -1.3 : 1.3),
                 1.4);
    s.stroke(kStroke);
    exchange(s);
}
void programSwitch(Sketch& s) {
    keyboard(s, 2, 10, 20, 11);
    s.box(4.5, 3, 4, 4);
    s.solidBox(10, 3, 4, 4);
    s.box(15.5, 3, 4, 4);
}
void capsCtrlExchange(Sketch& s) {
    // Caps Lock's arrow on the left key, Ctrl's caret on the right one.
    keycap(s, 1.5, 2, 9.5, 11);
    keycap(s, 13, 2, 9.5, 11);
    s.stroke(1.5);
    s.outline({{6.25, 4}, {9, 7}, {7.5, 7}, {7.5, 10}, {5, 10}, {5, 7}, {3.5, 7}});
    s.polyline({{15, 9.5}, {17.75, 5.5}, {20.5, 9.5}});
    s.stroke(kStroke);
    exchange(s);
}
void triggerPoint(Sketch& s) {
    s.fill({{3, 2.5}, {15, 2.5}, {13.5, 7}, {4.5, 7}});
    s.stroke(2.4);
    arrow(s, 9, 9, 9, 21.5, 5);
    s.stroke(1.6);
    for (const double y : {10.5, 15.0, 19.5})
        s.line(15, y, 22, y);
}
void screenDimmer(Sketch& s) {
    monitor(s);
    sun(s, 8, 9.5, 1.6);
    minus(s, 16.5, 9.5, 2.5);
}
void screenBrighter(Sketch& s) {
    monitor(s);
    sun(s, 8, 9.5, 1.6);
    plus(s, 16.5, 9.5, 2.5);
}
void macFn(Sketch& s) {
    keycap(s, 1.5, 3, 21, 18);
    s.text(1.5, 3, 21, 18, "fn", 12);
}
void doubleZero(Sketch& s) {
    keycap(s, 1.5, 3, 21, 18);
    s.text(1.5, 3, 21, 18, "00", 12);
}
void winAppLock(Sketch& s) {
    windowsLogo(s, 2, 2, 11);
    padlock(s, 13, 9, 9, 13);
}
void keyboardLock(Sketch& s) {
    keyboard(s, 1.5, 3, 17, 10);
    padlock(s, 13.5, 10, 9, 12.5);
}
void repeatRate(Sketch& s) {
    keycap(s, 1.5, 6, 10, 12);
    s.stroke(2.2);
    for (const double x : {13.5, 17.0, 20.5})
        s.polyline({{x, 8}, {x + 2, 12}, {x, 16}});
}
void repeatDelay(Sketch& s) {
    s.circle(12, 13.5, 8);
    s.solidBox(10, 2, 4, 2.5);
    s.line(12, 13.5, 12, 8.5);
    s.line(12, 13.5, 15.5, 16);
}
void backspaceBarExchange(Sketch& s) {
    // Backspace's arrow on the left, the bar on the right.
    s.stroke(1.5);
    s.outline({{1.5, 7.5}, {5.5, 2.5}, {13, 2.5}, {13, 12.5}, {5.5, 12.5}});
    cross(s, 9, 7.5, 2);
    s.stroke(2.6);
    s.line(18.5, 2, 18.5, 13);
    s.stroke(kStroke);
    exchange(s);
}
void fnKey(Sketch& s) {
    keycap(s, 1.5, 3, 21, 18);
    s.text(1.5, 3, 21, 18, "Fn", 12);
}
void fn2Key(Sketch& s) {
    keycap(s, 1.5, 3, 21, 18);
    s.text(1.5, 3, 21, 18, "Fn2", 10.5);
}
void reportRate(Sketch& s) {
    s.line(12, 20, 12, 5);
    s.fill({{12, 1.5}, {9, 5.5}, {15, 5.5}});
    s.disc(12, 20, 2.2);
    s.polyline({{12, 16}, {6.5, 12}, {6.5, 9.5}});
    s.disc(6.5, 8.5, 1.8);
    s.polyline({{12, 13}, {17.5, 9.5}, {17.5, 7.5}});
    s.solidBox(16, 4.5, 3.2, 3.2);
}
void bluetooth1(Sketch& s) {
    bluetooth(s, "1");
}
void bluetooth2(Sketch& s) {
    bluetooth(s, "2");
}
void bluetooth3(Sketch& s) {
    bluetooth(s, "3");
}
void bluetooth4(Sketch& s) {
    bluetooth(s, "4");
}
void bluetooth5(Sketch& s) {
    bluetooth(s, "5");
}
void dongle(Sketch& s) {
    s.box(3, 11, 9, 11, 1.5);
    s.box(5, 6.5, 5, 4.5);
    s.arc(10, 9, 5, 0, 90);
    s.arc(10, 9, 9.5, 0, 90);
}
void wiredWireless(Sketch& s) {
    // A plug on its cable on the left, radio waves on the right.
    s.solidBox(2.5, 9, 7, 7);
    s.line(4.5, 5, 4.5, 9);
    s.line(7.5, 5, 7.5, 9);
    s.line(6, 16, 6, 22);
    s.stroke(1.4);
    s.line(11, 21, 13.5, 3);
    s.stroke(kStroke);
    s.disc(18.5, 18, 1.7);
    s.arc(18.5, 18, 4.8, 45, 90);
    s.arc(18.5, 18, 9, 50, 80);
}
void gameMode(Sketch& s) {
    QPainterPath body(QPointF(6, 7));
    body.lineTo(18, 7);
    body.cubicTo(QPointF(22, 7), QPointF(23.5, 18), QPointF(21, 19.5));
    body.cubicTo(QPointF(19, 20.5), QPointF(17, 17), QPointF(15, 15.5));
    body.lineTo(9, 15.5);
    body.cubicTo(QPointF(7, 17), QPointF(5, 20.5), QPointF(3, 19.5));
    body.cubicTo(QPointF(0.5, 18), QPointF(2, 7), QPointF(6, 7));
    s.path(body, false);
    s.stroke(1.6);
    plus(s, 7.5, 11.2, 2.2);
    s.disc(16, 10, 1.2);
    s.disc(18.5, 12.5, 1.2);
}
void ecoMode(Sketch& s) {
    QPainterPath leaf(QPointF(4, 20));
    leaf.cubicTo(QPointF(2, 9), QPointF(10, 3), QPointF(21, 3));
    leaf.cubicTo(QPointF(21, 14), QPointF(15, 21), QPointF(4, 20));
    s.path(leaf, false);
    s.line(4, 20, 14, 10);
}
void shutdownTimer(Sketch& s) {
    s.circle(12, 7.5, 5.5);
    s.stroke(1.5);
    s.line(12, 7.5, 12, 4.5);
    s.line(12, 7.5, 14.5, 8.5);
    s.stroke(kStroke);
    s.box(3, 15, 16, 7, 1);
    s.solidBox(19, 17, 2, 3);
    s.solidBox(5, 17, 5, 3);
}

// Backlight.

void lightDimmer(Sketch& s) {
    sun(s, 9, 12, 3.5);
    minus(s, 20, 12, 3);
}
void lightBrighter(Sketch& s) {
    sun(s, 9, 12, 3.5);
    plus(s, 20, 12, 3);
}
void backlightColour(Sketch& s) {
    s.stroke(1.6);
    s.circle(8.5, 9, 5.5);
    s.circle(15.5, 9, 5.5);
    s.circle(12, 15, 5.5);
}
void effectColour(Sketch& s) {
    wave(s);
    s.disc(5, 18.5, 2.4);
    s.circle(12, 18.5, 2.4);
    s.circle(19, 18.5, 2.4);
}
void effectSwitch(Sketch& s) {
    wave(s);
    s.fill({{8, 14}, {8, 22}, {14, 18}});
    s.fill({{14, 14}, {14, 22}, {20, 18}});
}
void effectQuit(Sketch& s) {
    wave(s);
    cross(s, 12, 18, 3.5);
}
void backlightSwitch(Sketch& s) {
    s.arc(12, 9, 6.5, -30, 240);
    s.line(9, 14, 9, 16.5);
    s.line(15, 14, 15, 16.5);
    s.line(8.5, 17.5, 15.5, 17.5);
    s.line(9.5, 20.5, 14.5, 20.5);
}
void customBacklight(Sketch& s) {
    keycap(s, 1.5, 7, 14, 14);
    s.stroke(3);
    s.line(11, 13, 19.5, 4.5);
    s.stroke(kStroke);
    s.fill({{9, 15}, {10, 12}, {12, 14}});
}
void speedUp(Sketch& s) {
    gauge(s, true);
    plus(s, 19, 21, 2.3);
}
void speedDown(Sketch& s) {
    gauge(s, false);
    minus(s, 5, 21, 2.3);
}
void directionLeft(Sketch& s) {
    wave(s);
    s.stroke(2.4);
    arrow(s, 20, 18.5, 4, 18.5, 5.5);
}
void directionRight(Sketch& s) {
    wave(s);
    s.stroke(2.4);
    arrow(s, 4, 18.5, 20, 18.5, 5.5);
}

// Power.

void wake(Sketch& s) {
    s.arc(12, 16, 5.5, 0, 180);
    for (const double degrees : {20.0, 60.0, 90.0, 120.0, 160.0}) {
        const double angle = degrees * kPi / 180;
        s.line(12 + std::cos(angle) * 7.5, 16 - std::sin(angle) * 7.5, 12 + std::cos(angle) * 10,
               16 - std::sin(angle) * 10);
    }
    s.line(2, 19, 22, 19);
}
void sleep(Sketch& s) {
    QPainterPath moon;
    moon.addEllipse(QPointF(10.5, 13), 8.5, 8.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(15.5, 9), 7, 7);
    s.path(moon.subtracted(bite), true);
    s.stroke(1.5);
    s.polyline({{16, 3}, {21, 3}, {16, 8}, {21, 8}});
}
void power(Sketch& s) {
    s.stroke(2.4);
    s.arc(12, 13, 8, 125, 290);
    s.line(12, 2.5, 12, 11.5);
}

using GlyphDrawer = void (*)(Sketch&);

struct Glyph {
    int code;
    GlyphDrawer draw;
};

// Every device key code with a glyph of its own, by what the code does.
constexpr std::array kGlyphs = std::to_array<Glyph>({
    // Multimedia and browser keys.
    {108, nextTrack},
    {109, previousTrack},
    {110, stop},
    {111, playPause},
    {112, mute},
    {113, volumeUp},
    {114, volumeDown},
    {115, mediaSelect},
    {116, email},
    {117, calculator},
    {118, myComputer},
    {119, search},
    {120, home},
    {121, browserBack},
    {122, browserForward},
    {123, browserStop},
    {124, browserRefresh},
    {125, favourites},
    // Mouse.
    {126, moveLeft},
    {127, moveRight},
    {128, moveUp},
    {129, moveDown},
    {130, leftButton},
    {131, rightButton},
    {132, middleButton},
    {133, wheelUp},
    {134, wheelDown},
    {157, continuousMove},
    {158, pointMove},
    {173, accelerateMove},
    {198, accelerateKey},
    {199, doubleLeft},
    // Backlight.
    {135, backlightSwitch},
    {136, customBacklight},
    {137, effectSwitch},
    {138, effectColour},
    {139, effectQuit},
    {142, speedDown},
    {143, speedUp},
    {144, lightDimmer},
    {145, lightBrighter},
    {146, directionLeft},
    {147, directionRight},
    {148, backlightColour},
    // Keyboard functions.
    {149, triggerPoint},
    {150, keyboardLock},
    {152, capsCtrlExchange},
    {153, winAppLock},
    {154, reportRate},
    {155, winMacSwitch},
    {156, fnKey},
    {159, programSwitch},
    {166, fn2Key},
    {174, repeatRate},
    {175, repeatDelay},
    {177, backspaceBarExchange},
    {203, doubleZero},
    {207, macFn},
    {208, screenDimmer},
    {209, screenBrighter},
    // Wireless.
    {167, wiredWireless},
    {168, bluetooth1},
    {169, bluetooth2},
    {170, bluetooth3},
    {171, gameMode},
    {172, ecoMode},
    {178, shutdownTimer},
    {180, bluetooth4},
    {181, bluetooth5},
    {182, dongle},
    // Power.
    {75, wake},
    {76, sleep},
    {77, power},
});

GlyphDrawer glyphOf(int code) {
    const auto* found = std::find_if(kGlyphs.begin(), kGlyphs.end(),
                                     [code](const Glyph& glyph) { return glyph.code == code; });
    return found == kGlyphs.end() ? nullptr : found->draw;
}

// The square the glyph is drawn in.
QRectF glyphBox(const QRect& area) {
    const double width = area.width();
    const double height = area.height();
    if (width > height * 1.5) {
        // A wide tile carries its word in the middle: the glyph takes the left end.
        const double side = std::min(height, width / 5);
        const double inset = std::min(2.0, (height - side) / 2);
        return {area.left() + inset, area.top() + (height - side) / 2, side, side};
    }
    const double side = std::floor(std::min(width, height) * 0.78);
    return {area.left() + (width - side) / 2, area.top() + (height - side) / 2, side, side};
}

} // namespace

void drawFunctionGlyph(QPainter& painter, const QRect& area, int code, const QColor& colour) {
    if (area.width() < 4 || area.height() < 4)
        return;
    const QRectF box = glyphBox(area);
    if (const GlyphDrawer draw = glyphOf(code)) {
        // On a wide tile the word laid over the tile may run across the glyph: the glyph stays faint
        // there, so the word reads on top of it.
        QColor ink = colour;
        if (box.width() < area.width() * 0.5)
            ink.setAlphaF(0.55F);
        Sketch sketch(painter, box, ink);
        draw(sketch);
        return;
    }
    // Any other code: a small neutral square.
    const int side = std::max(2, static_cast<int>(box.width()) / 3);
    const QPointF centre = box.center();
    painter.fillRect(
        QRect(static_cast<int>(centre.x()) - side / 2, static_cast<int>(centre.y()) - side / 2, side, side),
        colour);
}

bool hasFunctionGlyph(int code) {
    return glyphOf(code) != nullptr;
}
