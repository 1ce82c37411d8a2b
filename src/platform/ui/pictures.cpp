#include "platform/ui/pictures.h"

#include <QFile>
#include <map>

#include "platform/ui/control_kit.h"
#include "platform/ui/controls.h"

namespace ui::detail {

namespace {

// Pictures the program has drawn, by resource name.
std::map<std::string, QPixmap, std::less<>>& drawnPictures() {
    static std::map<std::string, QPixmap, std::less<>> pictures;
    return pictures;
}

QColor colour(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

QPixmap picture(std::string_view resource) {
    const auto drawn = drawnPictures().find(resource);
    if (drawn != drawnPictures().end()) return drawn->second;
    const QString path = ":/" + q(resource) + ".png";
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

QIcon icon(std::string_view resource) {
    const QPixmap p = picture(resource);
    return p.isNull() ? QIcon() : QIcon(p);
}

void paint(QPainter& painter, const std::vector<Shape>& shapes) {
    for (const Shape& shape : shapes) {
        painter.setPen(QPen(colour(shape.pen), 1));
        const QRectF box(QPointF(shape.col1, shape.row1), QPointF(shape.col2, shape.row2));
        switch (shape.kind) {
            case Shape::Kind::Line:
                painter.drawLine(QLineF(shape.col1, shape.row1, shape.col2, shape.row2));
                break;
            case Shape::Kind::Rectangle:
                painter.setBrush(shape.fill ? QBrush(colour(*shape.fill)) : QBrush(Qt::NoBrush));
                painter.drawRect(box);
                break;
            case Shape::Kind::Text: {
                QFont font("Arial");
                font.setPointSize(shape.points);
                font.setBold(shape.bold);
                painter.setFont(font);
                const Qt::Alignment across = shape.align == Align::Right    ? Qt::AlignRight
                                             : shape.align == Align::Center ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft;
                painter.drawText(box, across | Qt::AlignTop | Qt::TextSingleLine, q(shape.text));
                break;
            }
        }
    }
}

void drawPicture(std::string_view resource, int width, int height, const std::vector<Shape>& shapes) {
    QPixmap sheet(width, height);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, shapes);
    painter.end();
    drawnPictures().insert_or_assign(std::string(resource), sheet);
}

}  // namespace ui::detail
