#include "shell/refusal.h"

#include "platform/ui/ui.h"
#include "shell/vocabulary.h"

namespace shell {

void refuse(const std::string& window, const Refusal& refusal, RefusalBox kind) {
    if (kind == RefusalBox::Plain) ui::msgPlain(refusal.message);
    else ui::msgInfo(refusal.message, vocab::CPORGRESKA);
    if (refusal.box.empty()) return;
    const ui::Ctl box(window, refusal.box);
    if (box.visible() && box.enabled()) box.focus();
}

}  // namespace shell
