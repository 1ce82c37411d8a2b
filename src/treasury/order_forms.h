#pragma once
// The nine order forms: which treasury each belongs to, the five sets the
// forms fall into, which payers may use them, where the order's money comes
// from and goes to, which boxes each form shows, and the sheet each form is
// drawn on with the place of every box.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/ui.h"

namespace treasury {

// Forms of the state treasury and of the health fund's treasury; 76 is in both.
extern const std::vector<std::string> ANALOZITRZ;
extern const std::vector<std::string> ANALOZIFZM;

enum class FormSet {
    Outside,  // 60, 90: payment to an account outside the treasury account
    Levies,   // 70, 91: public levies within the treasury account
    Refund,   // 73, 93: cashless refund or transfer, recipient typed
    Between,  // 76: between the two treasuries
    Cash,     // 80, 94: cash paid to a person
};

// "TRZ" or "FZM" (the state treasury's list searched first); nothing for a
// code of neither list.
std::optional<std::string> treasuryKindOf(std::string_view formCode);
// The form's set; nothing for a code of neither list.
std::optional<FormSet> formSetOf(std::string_view formCode);

// The payers offered for the form (ID, ID, name and seat): every payer for 76,
// the payers of the form's kind for the others.
std::string payerRowsQuery(std::string_view formCode, std::string_view kind);

// The two treasury accounts of the treasury parameters.
struct TreasuryAccounts {
    std::string rm;    // the state treasury's
    std::string fzom;  // the health fund's treasury's
};

// The treasury account an order debits, by the payer's treasury kind (its
// first three characters), padded to 15; nothing for a kind of neither.
std::optional<std::string> debitedAccount(std::string_view payerKind, const TreasuryAccounts& accounts);

// The account an order of the set pays into before a recipient is chosen:
// 18 blanks where the recipient's own account is chosen or typed, the state
// treasury's for levies, the other treasury's on 76, nothing for cash.
std::string payeeAccount(FormSet set, std::string_view payerKind, const TreasuryAccounts& accounts);

// How a box of the edit window appears on a form.
enum class Look { Enabled, Disabled, Hidden };
Look lookOf(std::string_view control, std::string_view formCode);

// One box of a form's sheet: its caption, its place on the sheet and the
// controls lying in it (two where a combo and a typed box share a place).
struct FormBox {
    std::string caption;
    int col = 0, row = 0, width = 0;
    std::vector<std::string> controls;
};
inline constexpr int BOXHEIGHT = 42;
inline constexpr int SHEETWIDTH = 690, SHEETHEIGHT = 380;
// The part of the sheet's width the edit window shows: its frame covers the rest.
inline constexpr int SHEETSHOWN = 680;
// The sheet's place in the edit window.
inline constexpr int SHEETCOL = 10, SHEETROW = 10;

// The boxes of the form set's sheet.
const std::vector<FormBox>& formBoxes(FormSet set);

// Where a control lies in the edit window: inside its box, below the caption;
// nothing for a control the set's sheet has no box for.
struct Place {
    int col = 0, row = 0;
};
std::optional<Place> placeOf(std::string_view control, FormSet set);

// The picture's resource name, "imgPP" + the form code.
std::string formPictureName(std::string_view formCode);
// The sheet of the form: number and title, the sections and a labelled box
// for every field the form shows.
std::vector<ui::Shape> formSheet(std::string_view formCode);

}  // namespace treasury
