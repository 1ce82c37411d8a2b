#pragma once
// The toolkit's own words in the program's language: the buttons of message
// boxes and questions, the labels of the file dialogs, the edit menu of text
// boxes, and the month and day names of the calendar.
namespace ui::detail {

// Once, after the application object exists.
void installToolkitWords();

}  // namespace ui::detail
