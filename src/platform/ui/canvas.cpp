// Canvases: a drawing the program replaces as a whole.
#include "platform/ui/controls.h"

#include <QPainter>
#include <QWidget>

#include "platform/ui/control_kit.h"
#include "platform/ui/pictures.h"

namespace ui::detail {

namespace {

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    std::vector<Shape> shapes;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint(painter, shapes);
    }
};

class CanvasControl : public Control, public Drawn {
public:
    CanvasControl(Window& w, std::string n, CanvasWidget* c) : Control(w, std::move(n), Kind::Canvas, c), canvas_(c) {}
    // The driver shows how many shapes of each kind the drawing holds.
    std::string show() const override {
        const auto count = [this](Shape::Kind kind) {
            return std::to_string(std::count_if(canvas_->shapes.begin(), canvas_->shapes.end(),
                                                [kind](const Shape& s) { return s.kind == kind; }));
        };
        const std::string texts = count(Shape::Kind::Text);
        return "canvas " + count(Shape::Kind::Rectangle) + " rectangles " + count(Shape::Kind::Line) + " lines" +
               (texts == "0" ? "" : " " + texts + " texts");
    }
    void setDrawing(std::vector<Shape> shapes) override {
        canvas_->shapes = std::move(shapes);
        canvas_->update();
    }

private:
    CanvasWidget* canvas_;
};

}  // namespace

std::unique_ptr<Control> makeCanvas(Window& w, std::string n, QWidget* p) {
    return make<CanvasControl>(w, std::move(n), new CanvasWidget(p));
}

}  // namespace ui::detail
