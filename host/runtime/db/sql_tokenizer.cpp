#include "runtime/db/sql_tokenizer.h"

namespace db {

bool SqlToken::isWord(const char* word) const
{
    return kind == Kind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool SqlToken::isSymbol(const char* symbol) const
{
    return kind == Kind::Symbol && text == QLatin1String(symbol);
}

namespace {

bool IsWordChar(QChar c)
{
    if (c.unicode() >= 0x80)
        return !c.isSpace();
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// End (exclusive) of a quoted run that starts at `from` with `open` and closes with `close`;
// a doubled closing character stands for itself. An unclosed run goes to the end of the text.
qsizetype QuotedEnd(const QString& s, qsizetype from, QChar close, bool* unclosed)
{
    qsizetype i = from + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    *unclosed = true;
    return s.size();
}

qsizetype CommentEnd(const QString& s, qsizetype from, bool* unclosed)
{
    if (s[from + 1] == u'-') {
        const qsizetype eol = s.indexOf(u'\n', from);
        return eol < 0 ? s.size() : eol;
    }
    const qsizetype close = s.indexOf(QLatin1String("*/"), from + 2);
    *unclosed = close < 0;
    return close < 0 ? s.size() : close + 2;
}

bool IsTwoCharSymbol(QChar a, QChar b)
{
    static const char* const pairs[] = {"<=", ">=", "<>", "!=", "!<", "!>", "==", "||"};
    for (const char* p : pairs)
        if (a == QLatin1Char(p[0]) && b == QLatin1Char(p[1]))
            return true;
    return false;
}

} // namespace

std::vector<SqlToken> TokenizeSql(const QString& s)
{
    using Kind = SqlToken::Kind;
    std::vector<SqlToken> tokens;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        const QChar next = i + 1 < s.size() ? s[i + 1] : QChar();
        Kind kind;
        qsizetype end;
        bool unclosed = false;
        if (c.isSpace()) {
            kind = Kind::Space;
            end = i + 1;
            while (end < s.size() && s[end].isSpace())
                ++end;
        } else if ((c == u'-' && next == u'-') || (c == u'/' && next == u'*')) {
            kind = Kind::Comment;
            end = CommentEnd(s, i, &unclosed);
        } else if (c == u'\'') {
            kind = Kind::Literal;
            end = QuotedEnd(s, i, u'\'', &unclosed);
        } else if (c == u'"') {
            kind = Kind::Quoted;
            end = QuotedEnd(s, i, u'"', &unclosed);
        } else if (c == u'[') {
            kind = Kind::Quoted;
            end = QuotedEnd(s, i, u']', &unclosed);
        } else if (IsWordChar(c)) {
            kind = Kind::Word;
            end = i + 1;
            while (end < s.size() && IsWordChar(s[end]))
                ++end;
        } else {
            kind = Kind::Symbol;
            end = i + (IsTwoCharSymbol(c, next) ? 2 : 1);
        }
        tokens.push_back({kind, s.mid(i, end - i), unclosed});
        i = end;
    }
    return tokens;
}

} // namespace db
