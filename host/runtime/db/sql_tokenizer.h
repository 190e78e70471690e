#pragma once
// Splits an SQL statement into tokens without losing a character: joining the texts of the tokens
// gives the statement back. Used to rewrite statements outside their string literals.
#include <QString>
#include <vector>

namespace db {

struct SqlToken {
    enum class Kind {
        Space,     // blanks and line ends
        Comment,   // -- to the line end, or /* ... */
        Literal,   // '...' with '' inside
        Quoted,    // "name" or [name]
        Word,      // keywords, names, numbers, #temporary names
        Symbol     // operators and punctuation: ( ) , = <> <= ...
    };
    Kind kind;
    QString text;
    bool unclosed = false;   // a literal, quoted name or block comment that the text ends inside

    bool significant() const { return kind != Kind::Space && kind != Kind::Comment; }
    bool isWord(const char* word) const;      // a Word equal to `word`, without regard to case
    bool isSymbol(const char* symbol) const;
};

std::vector<SqlToken> TokenizeSql(const QString& statement);

} // namespace db
