#include "payments/carried_items.h"

#include "payments/item_row.h"
#include "shell/dates.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

std::vector<shell::CarriedValue> xmlValues() {
    using namespace vocab;
    return {
        {item::ADVANCE, readableAmount, CVALUELBLIZNOSAVANS},
        {item::GROSS, readableAmount, CVALUELBLIZNOSBRUTO},
        {item::VAT, readableAmount, CVALUELBLIZNOSDDV},
        {item::DECISIONDATE, [](std::string_view v) { return shell::isBlank(v) || shell::isDate(v); },
         CVALUELBLDATUMRESENIEDO},
    };
}

std::vector<shell::CarriedValue> paidOrderValues() {
    using namespace vocab;
    return {
        {item::NET, readableAmount, CVALUELBLIZNOSNETO},
        {item::TAX, readableAmount, CVALUELBLIZNOSDANOK},
    };
}

}  // namespace payments
