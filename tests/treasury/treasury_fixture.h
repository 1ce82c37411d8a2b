#pragma once
// A small batch of two treasury order rows: one in Latin letters, one with
// Cyrillic texts too long for their fields, so that the cuts fall inside a
// two-byte letter.
#include "treasury/order_row.h"

namespace treasury_fixture {

inline treasury::TreasuryOrderRow latinRow() {
    treasury::TreasuryOrderRow r;
    r.sequence = "000001";
    r.debitAccount = "100000000063095";
    r.debitSubAccount = "788014101263814";
    r.expenditureKonto = "423110";
    r.debitProgramme = "11";
    r.purpose = "Kancelariski materijali";
    r.amount = 123450;
    r.recipientAccount = "300000000211222";
    r.recipientName = "Kniznica Grigor Prlicev";
    r.reference = "2024\r\n117";  // a line end must not split the record
    r.form = "60";
    r.method = "2";
    r.taxNumber = "4030990123456";
    r.closing = "20240315";
    return r;
}

inline treasury::TreasuryOrderRow cyrillicRow() {
    treasury::TreasuryOrderRow r;
    r.sequence = "000002";
    r.debitAccount = "100000000063095";
    r.debitSubAccount = "788014101263814";
    r.expenditureKonto = "464990";
    r.debitProgramme = "11";
    r.purpose = "ХНадоместок за патни трошоци за службено патување во странство";
    r.amount = 7;
    r.recipientAccount = "210000000123456789";
    r.recipientName = "AЈованка Трајковска-Поповска, Здравствен дом Скопје";
    r.recipientSubAccount = "123456789012345";
    r.revenueKonto = "722319";
    r.recipientProgramme = "AB";
    r.form = "92";
    r.method = "2";
    r.taxNumber = "0101990450011";
    r.closing = "20241231";
    return r;
}

inline treasury::TreasuryFileInput batch(const char* kind) {
    treasury::TreasuryFileInput input;
    input.AGFAJL = {latinRow(), cyrillicRow()};
    input.DDATANAPODNESUVANJE = "20240305";
    input.DDATANAOBRABOTKA = "20240306";
    input.CFOLIO = "Plata za mesec 02.2024";
    input.LODBITOCI = true;
    input.CSMETKAZADOLZUVA = "100000000063095";
    input.payer.MISPLAKJACINAZIV = "ООУ Браќа Миладиновци";
    input.payer.MISPLAKJACISEDISTE = "Струга";
    input.payer.MKRATENKAINSTITUCIJA = "ABC";
    input.payer.MVIDNATREZOR = kind;
    input.payer.MPROGRAMAZADOLZUVA = "11";
    return input;
}

}  // namespace treasury_fixture
