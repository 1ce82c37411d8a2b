// Draws the 24-pixel button pictures into src/resources/icons, in the flat
// look of the other icons (one colour per picture, no shading).
// Build and run from the repository's root:
//   g++ -std=c++20 -fPIC tools/icons/draw_icons.cpp -o /tmp/draw_icons $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/draw_icons src/resources/icons
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

const QColor GREEN(0x2e, 0x7d, 0x32), RED(0xc6, 0x28, 0x28), SLATE(0x45, 0x5a, 0x64), BLUE(0x15, 0x65, 0xc0),
    WHITE(0xff, 0xff, 0xff);

QPen stroke(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void add(QPainter& p) {
    p.fillRect(QRectF(10, 3, 4, 18), GREEN);
    p.fillRect(QRectF(3, 10, 18, 4), GREEN);
}

void edit(QPainter& p) {
    p.translate(12, 12);
    p.rotate(45);
    p.setPen(Qt::NoPen);
    p.setBrush(BLUE);
    p.drawRect(QRectF(-3.5, -10, 7, 14));  // the shaft
    QPainterPath tip;
    tip.moveTo(-3.5, 5);
    tip.lineTo(3.5, 5);
    tip.lineTo(0, 10.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.setBrush(WHITE);
    p.drawRect(QRectF(-3.5, -6.5, 7, 1.5));  // the band below the eraser
}

void trash(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(RED);
    p.drawRect(QRectF(4, 5, 16, 2.5));     // the lid
    p.drawRect(QRectF(9.5, 3, 5, 2));      // its handle
    QPainterPath can;
    can.moveTo(5.5, 8.5);
    can.lineTo(18.5, 8.5);
    can.lineTo(17.2, 21);
    can.lineTo(6.8, 21);
    can.closeSubpath();
    p.drawPath(can);
    p.setPen(stroke(WHITE, 1.4));
    for (double x : {9.5, 12.0, 14.5}) p.drawLine(QPointF(x, 11), QPointF(x, 18.5));
}

void filter(QPainter& p) {
    QPainterPath funnel;
    funnel.moveTo(3, 4);
    funnel.lineTo(21, 4);
    funnel.lineTo(14, 12.5);
    funnel.lineTo(14, 19);
    funnel.lineTo(10, 21.5);
    funnel.lineTo(10, 12.5);
    funnel.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(SLATE);
    p.drawPath(funnel);
}

void ok(QPainter& p) {
    p.setPen(stroke(GREEN, 3.6));
    QPainterPath tick;
    tick.moveTo(4, 12.5);
    tick.lineTo(9.5, 18);
    tick.lineTo(20, 6);
    p.drawPath(tick);
}

void cancel(QPainter& p) {
    p.setPen(stroke(RED, 3.8));
    p.drawLine(QPointF(5.5, 5.5), QPointF(18.5, 18.5));
    p.drawLine(QPointF(18.5, 5.5), QPointF(5.5, 18.5));
}

void calc(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(SLATE);
    p.drawRoundedRect(QRectF(4, 2, 16, 20), 2, 2);
    p.setBrush(WHITE);
    p.drawRect(QRectF(6.5, 4.5, 11, 4));  // the display
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.drawRect(QRectF(6.5 + col * 4, 10.5 + row * 3.7, 3, 2.4));
}

// A framed sheet with a short name on it, as the file-type pictures are drawn.
void labelled(QPainter& p, const QColor& colour, const QString& name) {
    p.fillRect(QRectF(0, 0, 24, 24), colour);
    p.fillRect(QRectF(2, 2, 20, 20), WHITE);
    QFont font("DejaVu Sans", 1, QFont::Bold);
    font.setPixelSize(9);
    font.setStretch(QFont::SemiCondensed);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, name);
}

void xml(QPainter& p) { labelled(p, BLUE, "XML"); }

void draw(const QString& folder, const QString& name, const std::function<void(QPainter&)>& picture) {
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    picture(p);
    p.end();
    image.save(folder + "/" + name + ".png");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? argv[1] : ".";
    draw(folder, "img24Add", add);
    draw(folder, "img24Edit", edit);
    draw(folder, "img24Delete", trash);
    draw(folder, "img24Filter", filter);
    draw(folder, "img24OK", ok);
    draw(folder, "img24Cancel", cancel);
    draw(folder, "img24Calc", calc);
    draw(folder, "img24XML", xml);
}
