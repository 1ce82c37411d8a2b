#pragma once
// Small stateless operations that many windows share: trimming, zero-filling,
// month texts, check-box conversions, the list status bar, folder helpers and
// combo boxes filled from lookup rows, option texts, file names and masks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"

namespace shell {

// Without leading blanks, tabs and line ends and without trailing blanks.
std::string trimmed(std::string_view text);
std::string_view trimmedView(std::string_view text);
// Without blanks, tabs and line ends at either end: a first name or surname
// as files and messages carry it, also one stored by other means than the
// program's boxes.
std::string_view trimmedName(std::string_view text);
// Empty, or only blanks, tabs and line ends.
bool isBlank(std::string_view text);

// The text trimmed, then filled on the left with "0" to `width` bytes; a
// longer text is returned whole.
std::string DODAJ0(std::string_view text, int width);

// Whether the month part (characters 6 and 7, trimmed) of "yyyy.mm" lies
// between "01" and "12" compared as text; so a lone "1" passes, "2" does not.
bool VALIDENMESEC(std::string_view month);
// "mm.yyyy" of a stored date "yyyymmdd"; the empty date gives "  .    ".
std::string MESODDAT(std::string_view yyyymmdd);
// "yyyy.mm" of "mm.yyyy".
std::string MESUGOD(std::string_view month);

// Stored 0/1 flags, grid ticks ("v" and " ") and check-box values.
std::string CHKINTTOCH(long long n);  // "v" for 1, " " for 0, "" otherwise
bool CHKINTTOBOOL(long long n);       // true only for 1
bool CHKCHTOBOOL(std::string_view tick);  // true only for exactly "v"
int CHKBOOLTOINT(bool flag);
std::optional<bool> INTTOBOOL(long long n);  // no value for anything but 0 and 1

// Gives the window being defined the list-window status bar.
void STATUSBARB(const std::string& window);

// Whether the path is a folder holding at least one entry.
bool IMAFOLDER(std::string_view path);

// The folder path ending in a folder separator: the platform's separator is
// appended unless the path already ends in "/" or "\".
std::string FOLDERSOSLASH(std::string_view path);

// Combo items from lookup rows (ID, two display parts): the second part
// trimmed, then "-" and the third trimmed unless it is blank. Returns the
// initial position: 1, or with `first` false the last row whose ID equals `id`
// exactly (1 when none does).
int NAPUNINIZIZAKOMBO(std::vector<std::string>& items, const ui::TextTable& rows, std::string_view id, bool first);
// The ID of the lookup row at a combo position; empty when there is no such row.
std::string comboId(const ui::TextTable& rows, int position);

// Option texts of three choices and their stored numbers; a number without a
// text gives the empty text, a text without a number gives 0.
inline const std::string COPTVLEZEN = "Влезен";
inline const std::string COPTIZLEZEN = "Излезен";
inline const std::string COPTINTEREN = "Интерен";
inline const std::string COPTODKREIRANJE = "Од креирање";
inline const std::string COPTODZAKLUCUVANJE = "Од заклучување";
inline const std::string COPTIZDVOJUVA = "Се издвојува";
inline const std::string COPTDELIMICNO = "Делимично";
inline const std::string COPTTRAEN = "Трајно";
// A document's direction: 1 incoming, 2 outgoing, 3 internal.
std::string INTTOCHVII(long long n);
int CHTOINTVII(std::string_view text);
// Where a retention period starts: 1 at creation, 2 at closing.
std::string INTTOROKOTSEPRESMETUVAOD(long long n);
int ROKOTSEPRESMETUVAODTOINT(std::string_view text);
// How a document is kept: 1 set apart, 2 partly, 3 for good.
std::string INTTONACINNACUVANJE(long long n);
int NACINNACUVANJETOINT(std::string_view text);

// Whether a file name holds no blank, "/", "\", ":", "*", '"', "<", ">", "|"
// and no character whose code is below 33 or above 122. Stops at the first
// such character and gives it back in `refused`.
bool VALIDFAJLNAME(std::string_view name, std::string* refused = nullptr);
// Opens an existing file with its default program through the desktop; a
// missing file or a refused name is told in an information box instead.
void OTVORIFAJL(const std::string& file);
// Opens a file or a web/mail address with its default program; when no program
// can, the user is told which file or address it was.
void openOnDesktop(const std::string& target);

// An input mask of n digits: n characters "9".
std::string KREIRAJMASKA(int n);

// Text is UTF-8 throughout; the program sets no code page.
void POSTAVILOKCODEPAGE();

}  // namespace shell
