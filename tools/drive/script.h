#pragma once
// The lines of a scenario script.
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

namespace drive {

enum class Verb {
    Menu, Click, Set, Type, Enter, Leave, DblClick, Header, Cell, Key, Close,
    AnswerYes, AnswerNo, SaveFile, OpenFile, Folder, Cancel, Show, Expect
};

struct Line {
    int number = 0;
    std::string source;
    Verb verb = Verb::Show;
    std::string window;   // W of W or W.C
    std::string control;  // C of W.C, empty for a window
    std::string value;    // VALUE, unquoted (for expect: as written)
    int line = 0, column = 0;  // header N; cell LINE COL
};

// A line the driver cannot read: exit status 2.
struct Unreadable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Script {
public:
    explicit Script(std::istream& in) : in_(in) {}
    // The next line to run, skipping blanks and comments; nullopt at the end.
    std::optional<Line> next();

private:
    std::istream& in_;
    int number_ = 0;
};

Line parse(const std::string& text, int number);

}  // namespace drive
