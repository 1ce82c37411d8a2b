#pragma once
// The program-wide behaviour of focus and keys, installed once on the
// application: the user's focus changes reach the got/lost focus handlers, and
// Enter runs the focused control's own action and then moves on when the
// program asks for that.
namespace ui::detail {

void installKeyboard();

}  // namespace ui::detail
