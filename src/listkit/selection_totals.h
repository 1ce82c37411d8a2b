#pragma once
// What every action on several selected rows of a list shows: the count and
// total of the selection in the window's two total boxes, and the question
// that names them before anything is changed.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace listkit {

struct SelectionTotals {
    int count = 0;
    std::int64_t total = 0;  // in the unit `amountOf` gives (cents of orders, whole denars of items)
};

// Counts the lines and adds up their amounts.
SelectionTotals selectionTotals(const std::vector<int>& lines, const std::function<std::int64_t(int line)>& amountOf);

// Puts the count into txtVkupnoVir and the total, in whole denars, into
// txtVkupenIznos of the window.
void showSelectionTotals(const std::string& window, int count, std::int64_t wholeDenars);

// The total of payment items as the question shows it: a whole number
// right-aligned in 10 characters (the total of orders has two decimals in 13).
std::string itemsTotalText(std::int64_t whole);

// The question before an action on several rows: the action's text, then
// "Вкупно вирмани:" with the count right-aligned in 10 characters, "Вкупен
// износ:" with the total text, and "Дали сте сигурни?", joined by CR LF.
std::string selectionQuestion(std::string_view action, int count, std::string_view totalText);

}  // namespace listkit
