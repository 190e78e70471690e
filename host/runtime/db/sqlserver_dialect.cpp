#include "runtime/db/sqlserver_dialect.h"
#include "runtime/db/sql_tokenizer.h"

namespace db {
namespace {

using Kind = SqlToken::Kind;

// A statement being rewritten: tokens can be dropped, and text can be put after a token or in front
// of the whole statement. Rewrites never overlap, so they can be recorded independently.
struct Rewrite {
    std::vector<SqlToken> tokens;
    std::vector<bool> dropped;
    std::vector<QString> after;
    QString prefix;

    explicit Rewrite(const QString& statement)
        : tokens(TokenizeSql(statement)), dropped(tokens.size(), false), after(tokens.size())
    {
    }

    size_t nextSignificant(size_t from) const
    {
        while (from < tokens.size() && !tokens[from].significant())
            ++from;
        return from;
    }

    QString render() const
    {
        QString out = prefix;
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (!dropped[i])
                out += tokens[i].text;
            out += after[i];
        }
        return out;
    }
};

bool IsTemporaryName(const SqlToken& t)
{
    return t.kind == Kind::Word && t.text.startsWith(u'#');
}

QString NameText(const SqlToken& t)
{
    return IsTemporaryName(t) ? u'"' + t.text + u'"' : t.text;
}

bool EndsSelectList(const SqlToken& t)
{
    static const char* const clauses[] = {"FROM", "INTO", "WHERE", "GROUP", "ORDER", "HAVING",
                                          "UNION", "EXCEPT", "INTERSECT", "OPTION", "FOR"};
    for (const char* c : clauses)
        if (t.isWord(c))
            return true;
    return t.isSymbol(";");
}

// The select list that starts at `from`: its item boundaries (the top-level commas) and its end,
// the token that closes it (a clause keyword, the closing parenthesis of a subquery, or the end).
// Commas inside parentheses and inside Case ... End belong to their item.
struct SelectList {
    size_t begin;
    size_t end;
    std::vector<size_t> commas;
};

SelectList ScanSelectList(const Rewrite& r, size_t from)
{
    SelectList list{from, r.tokens.size(), {}};
    int parens = 0, cases = 0;
    for (size_t i = from; i < r.tokens.size(); ++i) {
        const SqlToken& t = r.tokens[i];
        if (t.isSymbol("(")) {
            ++parens;
        } else if (t.isSymbol(")")) {
            if (parens == 0) {
                list.end = i;
                break;
            }
            --parens;
        } else if (t.isWord("CASE")) {
            ++cases;
        } else if (t.isWord("END") && cases > 0) {
            --cases;
        } else if (parens == 0 && cases == 0) {
            if (EndsSelectList(t)) {
                list.end = i;
                break;
            }
            if (t.isSymbol(","))
                list.commas.push_back(i);
        }
    }
    return list;
}

size_t SelectListStart(const Rewrite& r, size_t selectToken)
{
    const size_t first = r.nextSignificant(selectToken + 1);
    if (first < r.tokens.size() && (r.tokens[first].isWord("DISTINCT") || r.tokens[first].isWord("ALL")))
        return first + 1;
    return selectToken + 1;
}

void QuoteTemporaryNames(Rewrite& r)
{
    for (SqlToken& t : r.tokens)
        if (IsTemporaryName(t))
            t.text = NameText(t);
}

// SQL Server names a result column "name=expression"; SQLite writes "expression AS name".
void MoveItemAlias(Rewrite& r, size_t begin, size_t end)
{
    const size_t name = r.nextSignificant(begin);
    if (name >= end)
        return;
    const SqlToken& nameToken = r.tokens[name];
    if (nameToken.kind != Kind::Word && nameToken.kind != Kind::Quoted)
        return;
    const size_t equals = r.nextSignificant(name + 1);
    if (equals >= end || !r.tokens[equals].isSymbol("="))
        return;
    size_t last = end;
    while (last > equals + 1 && !r.tokens[last - 1].significant())
        --last;
    if (last == equals + 1)
        return;   // "name=" without an expression: leave it for the engine to reject
    const size_t expression = r.nextSignificant(equals + 1);
    for (size_t i = name; i < expression; ++i)
        r.dropped[i] = true;
    r.after[last - 1] += QStringLiteral(" AS ") + nameToken.text;
}

void MoveSelectListAliases(Rewrite& r)
{
    for (size_t i = 0; i < r.tokens.size(); ++i) {
        if (!r.tokens[i].isWord("SELECT"))
            continue;
        const SelectList list = ScanSelectList(r, SelectListStart(r, i));
        size_t itemBegin = list.begin;
        for (size_t comma : list.commas) {
            MoveItemAlias(r, itemBegin, comma);
            itemBegin = comma + 1;
        }
        MoveItemAlias(r, itemBegin, list.end);
    }
}

// "Select <list> Into T From ..." creates T from the result; SQLite says "CREATE TABLE T AS Select
// <list> From ...", and a #name is a temporary table of the connection.
void TurnSelectIntoIntoCreate(Rewrite& r)
{
    const size_t select = r.nextSignificant(0);
    if (select >= r.tokens.size() || !r.tokens[select].isWord("SELECT"))
        return;
    const SelectList list = ScanSelectList(r, SelectListStart(r, select));
    if (list.end >= r.tokens.size() || !r.tokens[list.end].isWord("INTO"))
        return;
    const size_t target = r.nextSignificant(list.end + 1);
    if (target >= r.tokens.size())
        return;
    const SqlToken& name = r.tokens[target];
    r.prefix = (IsTemporaryName(name) ? QStringLiteral("CREATE TEMP TABLE ") : QStringLiteral("CREATE TABLE "))
        + NameText(name) + QStringLiteral(" AS ");
    for (size_t i = list.end; i <= target; ++i)
        r.dropped[i] = true;
}

} // namespace

QString SqlServerToStandardSql(const QString& statement)
{
    Rewrite r(statement);
    // A statement that ends inside a literal, a quoted name or a comment cannot be read; whatever
    // the rewrite appended would land inside it. It goes to the engine as written, to be refused.
    if (!r.tokens.empty() && r.tokens.back().unclosed)
        return statement;
    TurnSelectIntoIntoCreate(r);
    MoveSelectListAliases(r);
    QuoteTemporaryNames(r);
    return r.render();
}

} // namespace db
