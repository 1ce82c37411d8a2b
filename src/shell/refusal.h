#pragma once
// A save's refusal of what is typed: the user is told why, and the focus goes
// back to the box at fault, so that what is typed next mends it.
#include <string>

namespace shell {

// The message of a failed check and the control it is about (empty when the
// fault lies in no box of the window).
struct Refusal {
    std::string message;
    std::string box;
};

enum class RefusalBox { Information, Plain };

// Shows the message (an information box titled "Грешка!!!", or a plain box)
// and puts the focus on the refused box.
void refuse(const std::string& window, const Refusal& refusal, RefusalBox kind = RefusalBox::Information);

}  // namespace shell
