#include "payments/carried_items.h"

#include "payments/item_row.h"
#include "shell/dates.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

// An item's amount is a whole number of at most nine characters and never
// negative, as the edit window stores it: no file carries a negative income,
// net or tax.
void addAmount(std::vector<shell::CarriedValue>& values, int column, const std::string& name) {
    values.push_back({column, readableAmount, name});
    values.push_back({column, [](std::string_view v) { return amountOf(v) >= 0; }, name,
                      vocab::CPORNEGATIVENZACUVANIZNOS});
}

}  // namespace

std::vector<shell::CarriedValue> xmlValues() {
    using namespace vocab;
    std::vector<shell::CarriedValue> values;
    addAmount(values, item::ADVANCE, CVALUELBLIZNOSAVANS);
    addAmount(values, item::GROSS, CVALUELBLIZNOSBRUTO);
    addAmount(values, item::VAT, CVALUELBLIZNOSDDV);
    values.push_back({item::DECISIONDATE, [](std::string_view v) { return shell::isBlank(v) || shell::isDate(v); },
                      CVALUELBLDATUMRESENIEDO});
    return values;
}

std::vector<shell::CarriedValue> paidOrderValues() {
    using namespace vocab;
    std::vector<shell::CarriedValue> values;
    addAmount(values, item::NET, CVALUELBLIZNOSNETO);
    addAmount(values, item::TAX, CVALUELBLIZNOSDANOK);
    return values;
}

}  // namespace payments
