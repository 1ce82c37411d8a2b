#pragma once
// The two calculations of a payment item's amounts, in whole denars: gross to
// net keeps the typed gross, net to gross keeps the typed net. They use
// different tax rules and are not inverses of each other. Integer arithmetic
// throughout; every rounding is half away from zero.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace payments {

// What the chosen sub-revenue, revenue type and recipient say about the tax.
struct TaxRates {
    std::int64_t deductionPercent = 0;  // share of the gross that is not taxed
    bool taxWithheld = false;           // the sub-revenue's personal-tax flag is 1
    bool progressive = false;           // the revenue type's progressive flag is 1
    bool vatLiable = false;             // the recipient's VAT flag is 1
};

// One amount box and the value a calculation puts into it.
struct BoxValue {
    std::string_view box;
    std::int64_t value = 0;
};
// The four boxes a calculation fills, in the order it fills them.
using BoxValues = std::array<BoxValue, 4>;

// CHANGEBRUTO: deductions, tax, net and VAT of a gross.
BoxValues grossToNet(std::int64_t gross, const TaxRates& rates);
// CHANGENETO: deductions, tax, gross and VAT of a net.
BoxValues netToGross(std::int64_t net, const TaxRates& rates);

// The largest amount an amount box holds (8 digits).
inline constexpr std::int64_t maxBoxAmount = 99'999'999;
// The first box whose value an amount box cannot hold (beyond 8 digits or below 0).
std::optional<std::string_view> firstTooWide(const BoxValues& values);

// One box and what a calculation leaves in it; no value: the box is emptied.
struct BoxFill {
    std::string_view box;
    std::optional<std::int64_t> value;
};
// What a calculation leaves in its four boxes: its values when every one fits
// its box; otherwise every box emptied, so that the gross or net among them
// reads 0 and the save refuses the item until a calculation fits, instead of
// storing the other boxes' earlier amounts beside the new one typed.
std::array<BoxFill, 4> boxFills(const BoxValues& values);

}  // namespace payments
