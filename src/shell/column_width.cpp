#include "shell/column_width.h"

#include <cctype>
#include <string>

namespace shell {

namespace {
bool isNamePart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

int columnWidth(std::string_view statement, std::string_view column) {
    for (std::size_t at = statement.find(column); at != std::string_view::npos;
         at = statement.find(column, at + 1)) {
        const std::size_t end = at + column.size();
        // The declaration: the name as a whole word, its type after blanks.
        if ((at > 0 && isNamePart(statement[at - 1])) || end >= statement.size() || !isBlank(statement[end]))
            continue;
        std::size_t i = end;
        while (i < statement.size() && isBlank(statement[i])) ++i;
        std::size_t typeEnd = i;
        while (typeEnd < statement.size() && isNamePart(statement[typeEnd])) ++typeEnd;
        std::string type(statement.substr(i, typeEnd - i));
        for (char& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!type.ends_with("CHAR") || typeEnd >= statement.size() || statement[typeEnd] != '(') return 0;
        int width = 0;
        for (i = typeEnd + 1; i < statement.size() && std::isdigit(static_cast<unsigned char>(statement[i])); ++i)
            width = width * 10 + (statement[i] - '0');
        return width;
    }
    return 0;
}

}  // namespace shell
