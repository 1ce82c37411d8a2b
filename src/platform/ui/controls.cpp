#include "platform/ui/controls.h"

#include <QVariant>
#include <QWidget>

#include "platform/ui/control_kit.h"

namespace ui::detail {

void tagWidget(QWidget* widget, const Window& w, const std::string& control) {
    widget->setProperty("kasavel.window", q(w.name()));
    widget->setProperty("kasavel.control", q(control));
}

}  // namespace ui::detail
