#include "listkit/selection_totals.h"

#include "platform/ui/ui.h"
#include "shell/vocabulary.h"

namespace listkit {

namespace {

std::string rightAligned(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

SelectionTotals selectionTotals(const std::vector<int>& lines, const std::function<std::int64_t(int line)>& amountOf) {
    SelectionTotals totals;
    for (int line : lines) {
        ++totals.count;
        totals.total += amountOf(line);
    }
    return totals;
}

void showSelectionTotals(const std::string& window, int count, std::int64_t wholeDenars) {
    ui::Ctl(window, "txtVkupnoVir").number(count);
    ui::Ctl(window, "txtVkupenIznos").number(static_cast<double>(wholeDenars));
}

std::string itemsTotalText(std::int64_t whole) { return rightAligned(std::to_string(whole), 10); }

std::string selectionQuestion(std::string_view action, int count, std::string_view totalText) {
    using namespace vocab;
    return std::string(action) + "\r\n" + CVALUEVKUPNOVIRMANI + rightAligned(std::to_string(count), 10) + "\r\n" +
           CVALUEVKUPENIZNOS + std::string(totalText) + "\r\n" + CPORSIGURNI;
}

}  // namespace listkit
