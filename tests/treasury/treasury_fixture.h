#pragma once
// A small batch of two treasury order rows: one in Latin letters, one with
// Cyrillic texts too long for their fields, so that the cuts fall inside a
// two-byte letter.
#include "treasury/order_row.h"

namespace treasury_fixture {

using treasury::RowValue;

inline treasury::TreasuryOrderRow latinRow() {
    treasury::TreasuryOrderRow r;
    r.set(RowValue::sequence, "000001");
    r.set(RowValue::debitAccount, "100000000063095");
    r.set(RowValue::debitSubAccount, "788014101263814");
    r.set(RowValue::expenditureKonto, "423110");
    r.set(RowValue::debitProgramme, "11");
    r.set(RowValue::purpose, "Kancelariski materijali");
    r.amount = 123450;
    r.set(RowValue::recipientAccount, "300000000211222");
    r.set(RowValue::recipientName, "Kniznica Grigor Prlicev");
    r.set(RowValue::reference, "2024\r\n117");  // a line end must not split the record
    r.set(RowValue::form, "60");
    r.set(RowValue::method, "2");
    r.set(RowValue::taxNumber, "4030990123456");
    r.set(RowValue::closing, "20240315");
    return r;
}

inline treasury::TreasuryOrderRow cyrillicRow() {
    treasury::TreasuryOrderRow r;
    r.set(RowValue::sequence, "000002");
    r.set(RowValue::debitAccount, "100000000063095");
    r.set(RowValue::debitSubAccount, "788014101263814");
    r.set(RowValue::expenditureKonto, "464990");
    r.set(RowValue::debitProgramme, "11");
    r.set(RowValue::purpose, "ХНадоместок за патни трошоци за службено патување во странство");
    r.amount = 7;
    r.set(RowValue::recipientAccount, "210000000123456789");
    r.set(RowValue::recipientName, "AЈованка Трајковска-Поповска, Здравствен дом Скопје");
    r.set(RowValue::recipientSubAccount, "123456789012345");
    r.set(RowValue::revenueKonto, "722319");
    r.set(RowValue::recipientProgramme, "AB");
    r.set(RowValue::form, "92");
    r.set(RowValue::method, "2");
    r.set(RowValue::taxNumber, "0101990450011");
    r.set(RowValue::closing, "20241231");
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
