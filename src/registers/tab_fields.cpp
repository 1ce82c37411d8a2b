#include "registers/tab_fields.h"

#include "registers/edit_window.h"

namespace registers {

const ui::Ctl& placeField(const TabPage& p, const std::string& label, const std::string& caption, Star star, int row,
                          const ui::Ctl& field, int width, const std::string& tooltip, int labelWidth) {
    if (labelWidth == 0) labelWidth = (star == Star::None ? p.fieldCol - 5 : p.starCol) - p.labelCol;
    ui::addLabel(p.window, label).at(p.labelCol, row, labelWidth, 20).text(caption).onPage(p.tab, p.page);
    const std::string starName = label + "Obavezno";
    if (star == Star::Required) requiredMark(p.window, starName, p.starCol, row);
    if (star == Star::NaturalPersons)
        ui::addLabel(p.window, starName).at(p.starCol, row, 15, 20).text("*").color({0, 0, 255});
    if (star != Star::None) ui::Ctl(p.window, starName).onPage(p.tab, p.page);
    return field.at(p.fieldCol, row, width, 20).tooltip(tooltip).onPage(p.tab, p.page);
}

}  // namespace registers
