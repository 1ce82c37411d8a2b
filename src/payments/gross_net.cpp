#include "payments/gross_net.h"

namespace payments {

namespace {

constexpr std::string_view DEDUCTIONS = "txtTransakciiIznosOdbitoci";
constexpr std::string_view TAX = "txtTransakciiIznosDanok";
constexpr std::string_view NET = "txtTransakciiIznosNeto";
constexpr std::string_view GROSS = "txtTransakciiIznosBruto";
constexpr std::string_view VAT = "txtTransakciiIznosDDV";

// numerator / denominator rounded to a whole number, halves away from zero.
std::int64_t rounded(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) numerator = -numerator, denominator = -denominator;
    std::int64_t quotient = numerator / denominator;
    const std::int64_t remainder = numerator % denominator;
    if (2 * (remainder < 0 ? -remainder : remainder) >= denominator) quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

// The tax of a net when the net is grossed up at a tax share of
// `ratePercent` × (100 − P) / 100 percent of the gross, q below:
// N × q / (100 − q), written over the common denominator 100.
std::int64_t taxOfNet(std::int64_t net, std::int64_t ratePercent, std::int64_t taxedShare) {
    const std::int64_t q100 = ratePercent * taxedShare;  // q × 100
    const std::int64_t denominator = 10'000 - q100;
    return denominator == 0 ? 0 : rounded(net * q100, denominator);
}

// The progressive net-to-gross tax. With s = (100 − P) / 100 the net threshold
// is 81000 × s and the tax up to it 9000 × s, both whole for a whole P; above
// it the excess net is grossed up at 18 % of the taxed share.
// For P > 0 the rule jumps at the threshold: at the threshold the lower rule
// gives less than 9000 × s (with P 35, 3660 on 52650), one denar above it the
// tax is 9000 × s and more (5850). The tax law sets the two rules so; the
// calculation keeps them as they are and does not smooth the step.
std::int64_t progressiveTax(std::int64_t net, std::int64_t taxedShare) {
    const std::int64_t threshold = 810 * taxedShare;
    if (net <= threshold) return taxOfNet(net, 10, taxedShare);
    const std::int64_t upper = 18 * taxedShare;  // s × 18 × 100
    return 90 * taxedShare + rounded((net - threshold) * upper, 10'000 - upper);
}

BoxValues withVat(BoxValues values, std::int64_t gross, const TaxRates& rates) {
    values[3] = {VAT, rates.vatLiable ? rounded(gross * 18, 100) : 0};
    return values;
}

}  // namespace

BoxValues grossToNet(std::int64_t gross, const TaxRates& rates) {
    const std::int64_t deductions = rounded(gross * rates.deductionPercent, 100);
    // Every revenue type, progressive or not, is taxed at 10 % of its taxed base
    // in this direction; the deductions lower only that base, not the net.
    const std::int64_t tax = rates.taxWithheld ? rounded((gross - deductions) * 10, 100) : 0;
    return withVat({{{DEDUCTIONS, deductions}, {TAX, tax}, {NET, gross - tax}, {}}}, gross, rates);
}

BoxValues netToGross(std::int64_t net, const TaxRates& rates) {
    const std::int64_t taxedShare = 100 - rates.deductionPercent;  // s × 100
    std::int64_t tax = 0;
    if (rates.taxWithheld)
        tax = rates.progressive ? progressiveTax(net, taxedShare) : taxOfNet(net, 15, taxedShare);
    const std::int64_t gross = net + tax;
    const std::int64_t deductions = rounded(gross * rates.deductionPercent, 100);
    return withVat({{{DEDUCTIONS, deductions}, {TAX, tax}, {GROSS, gross}, {}}}, gross, rates);
}

std::optional<std::string_view> firstTooWide(const BoxValues& values) {
    for (const BoxValue& v : values)
        if (v.value < 0 || v.value > maxBoxAmount) return v.box;
    return std::nullopt;
}

std::array<BoxFill, 4> boxFills(const BoxValues& values) {
    const bool fits = !firstTooWide(values);
    std::array<BoxFill, 4> fills;
    for (std::size_t i = 0; i < values.size(); ++i)
        fills[i] = {values[i].box, fits ? std::optional(values[i].value) : std::nullopt};
    return fills;
}

}  // namespace payments
