// The treasury parameters: loaded at start-up, edited in frmParametriTrezor.
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/column_width.h"
#include "shell/dialog_buttons.h"
#include "shell/entries.h"
#include "shell/number_boxes.h"
#include "shell/parametri_sql.h"
#include "shell/sql1.h"
#include "shell/tax_account_fields.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

const std::string WINDOW = "frmParametriTrezor";
const std::string PERCENT_MASK = "99";

struct Field {
    std::string name;  // the text box is "txtParametri" + name, its label "lblParametri" + name
    const std::string& label;
    const std::string& tooltip;
    int row;
    int labelHeight;
};

void addTextField(const Field& f, const std::string& value) {
    ui::addLabel(WINDOW, "lblParametri" + f.name).at(30, f.row, 190, f.labelHeight).text(f.label);
    ui::addTextBox(WINDOW, "txtParametri" + f.name)
        .at(230, f.row, 250, 20)
        .maxLength(columnWidth(PARAMETRICREATE, f.name))
        .text(value)
        .tooltip(f.tooltip);
}

void addPercentField(const Field& f, double value) {
    ui::addLabel(WINDOW, "lblParametri" + f.name).at(30, f.row, 190, f.labelHeight).text(f.label);
    ui::addNumberBox(WINDOW, "txtParametri" + f.name, PERCENT_MASK)
        .minusSign(false)  // a percentage of tax is never below zero
        .at(230, f.row, 50, 20)
        .number(value)
        .tooltip(f.tooltip);
}

std::string typed(const std::string& name) { return ui::Ctl(WINDOW, "txtParametri" + name).text(); }
double typedNumber(const std::string& name) { return ui::Ctl(WINDOW, "txtParametri" + name).number(); }

// The application state takes the typed values only once they are stored, so
// that a failed save leaves the run on the values the table holds.
void PARAMETRITREZORSAVE() {
    if (!numberBoxReady(WINDOW, "txtParametriProcentZaPD", vocab::CVALUELBLPROCENTZAPD) ||
        !numberBoxReady(WINDOW, "txtParametriProcentZaDDV", vocab::CVALUELBLPROCENTZADDV))
        return;
    const TreasuryParameters p{typed("TrezorskaSmetkaNaRM"),   typed("TrezorskaSmetkaNaFZOM"),
                               typed("PodsmetkaGotovinaNaRM"), typed("PodsmetkaGotovinaNaFZOM"),
                               typed("KontoGotovinaNaRM"),     typed("KontoGotovinaNaFZOM"),
                               typedNumber("ProcentZaPD"),     typed("UplatnaSmetkaZaPD1"),
                               typed("UplatnaSmetkaZaPD2"),    typedNumber("ProcentZaDDV")};
    if (!storeParameters(app().DB, p)) return;
    setParameters(app(), p);
    ui::Win(WINDOW).release();
}

void defineWindow() {
    using namespace vocab;
    const TreasuryParameters p = parametersOf(app());
    ui::defineWindow(
        {.name = WINDOW, .kind = ui::WindowKind::Modal, .title = CTITPARAMETRI, .width = 500, .height = 400});
    addTextField({"TrezorskaSmetkaNaRM", CVALUELBLTREZORSKASMETKANARM, CTOOLTIPTREZORSKASMETKANARM, 20, 20},
                 p.trezorskaSmetkaNaRM);
    addTextField({"TrezorskaSmetkaNaFZOM", CVALUELBLTREZORSKASMETKANAFZOM, CTOOLTIPTREZORSKASMETKANAFZOM, 50, 20},
                 p.trezorskaSmetkaNaFZOM);
    addTextField({"PodsmetkaGotovinaNaRM", CVALUELBLPODSMETKAGOTOVINANARM, CTOOLTIPPODSMETKAGOTOVINANARM, 80, 30},
                 p.podsmetkaGotovinaNaRM);
    addTextField({"PodsmetkaGotovinaNaFZOM", CVALUELBLPODSMETKAGOTOVINANAFZOM, CTOOLTIPPODSMETKAGOTOVINANAFZOM, 110, 30},
                 p.podsmetkaGotovinaNaFZOM);
    addTextField({"KontoGotovinaNaRM", CVALUELBLKONTOGOTOVINANARM, CTOOLTIPKONTOGOTOVINANARM, 140, 30},
                 p.kontoGotovinaNaRM);
    addTextField({"KontoGotovinaNaFZOM", CVALUELBLKONTOGOTOVINANAFZOM, CTOOLTIPKONTOGOTOVINANAFZOM, 170, 30},
                 p.kontoGotovinaNaFZOM);
    addPercentField({"ProcentZaPD", CVALUELBLPROCENTZAPD, CTOOLTIPPROCENTZAPD, 200, 30}, p.procentZaPD);

    // The personal-tax payment account: first part, the municipality code's place, second part.
    addTaxAccountFields(WINDOW, "Parametri", PARAMETRICREATE, {30, 230, 230, 290}, p.uplatnaSmetkaZaPD1, p.uplatnaSmetkaZaPD2);

    addPercentField({"ProcentZaDDV", CVALUELBLPROCENTZADDV, CTOOLTIPPROCENTZADDV, 260, 20}, p.procentZaDDV);

    shell::addConfirmButton(WINDOW, 100, 325, PARAMETRITREZORSAVE);
    shell::addCancelButton(WINDOW, 300, 325);
}

}  // namespace

void PARAMETRITREZORGETDATA() { setParameters(app(), loadParameters(app().DB)); }

void PARAMETRITREZOR() {
    if (ui::windowExists(WINDOW)) return;
    {
        ui::WaitWindow wait(vocab::CPORSEPREZEMAATPODATOCITEODBAZA);
        MISCSQL1(app().DB, PARAMETRICREATEWINDOW);
    }
    defineWindow();
    ui::Win(WINDOW).center().activate();
}

}  // namespace shell
