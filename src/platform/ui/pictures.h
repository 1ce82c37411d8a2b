#pragma once
// Pictures that buttons and images show and the drawings of canvases.
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <string_view>
#include <vector>

#include "platform/ui/ui.h"

namespace ui::detail {

// A drawn picture of that name, else the resource file; null when neither exists.
QPixmap picture(std::string_view resource);
QIcon icon(std::string_view resource);
void paint(QPainter& painter, const std::vector<Shape>& shapes);

}  // namespace ui::detail
