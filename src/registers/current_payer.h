#pragma once
// The current payer: the payer fields that an order or payment window carries
// into its files, printouts and orders. Each such window owns one record and
// fills it through ISPLAKJACICITAJ for the payer chosen in its payer combo.
#include <string>

namespace registers {

struct CurrentPayer {
    // Fixed-width fields are held at their width in bytes: padded on the right
    // with blanks or cut at the last whole character.
    static constexpr std::size_t taxNumberBytes = 13, municipalityBytes = 3, abbreviationBytes = 3,
                                 treasuryKindBytes = 3, programmeBytes = 2;

    std::string MISPLAKJACINAZIV;       // name, as stored
    std::string MISPLAKJACISEDISTE;     // seat, as stored
    std::string MDANOCENBROJ;           // tax number, 13 bytes
    std::string MEMAIL;                 // e-mail, as stored
    std::string MTREZORSKAKANCELARIJA;  // treasury office, as stored
    std::string MOPSTINAKOD;            // municipality code, 3 bytes; blanks when none matches
    std::string MKRATENKAINSTITUCIJA;   // institution abbreviation, 3 bytes: names the treasury order file
    std::string MVIDNATREZOR;           // treasury kind, 3 bytes: "TRZ" or "FZM"
    std::string MPROGRAMAZADOLZUVA;     // programme, 2 bytes
};

// Loads the payer whose ID is the decimal text `payerId` into the record,
// overwriting all its fields.
void ISPLAKJACICITAJ(const std::string& payerId, CurrentPayer& payer);

}  // namespace registers
