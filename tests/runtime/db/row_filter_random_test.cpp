// Randomized filters of local tables: expressions built as trees, written out with the fewest
// brackets their precedence needs (Or below And below Not), in any case and spacing, must match
// exactly the rows their tree matches; any other text is parsed or refused, never crashes.
#include "runtime/db/localtable.h"
#include "runtime/db/row_filter.h"
#include "support/random_inputs.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::vector<db::FieldDef> Fields = {{"TXT", db::FieldDef::Type::Text}, {"AMT", db::FieldDef::Type::Float}};
const QStringList Texts = {"", "abc", "ABC", "10", "9", "-1.5", "王小明", "a'b", "a b"};
const QList<double> Numbers = {0, -1.5, 9, 9.99, 10, 123456};

struct Expr {
    enum class Kind { Or, And, Not, Compare } kind;
    std::unique_ptr<Expr> left, right;
    int field = 0;
    QString op;
    QString literal;   // unquoted
    bool number = false;
};

int Precedence(Expr::Kind kind)
{
    return kind == Expr::Kind::Or ? 1 : kind == Expr::Kind::And ? 2 : kind == Expr::Kind::Not ? 3 : 4;
}

std::unique_ptr<Expr> Generate(RandomInputs& random, int depth)
{
    auto e = std::make_unique<Expr>();
    const int choice = depth <= 0 ? 3 : random.below(4);
    if (choice < 2) {
        e->kind = choice == 0 ? Expr::Kind::Or : Expr::Kind::And;
        e->left = Generate(random, depth - 1);
        e->right = Generate(random, depth - 1);
    } else if (choice == 2) {
        e->kind = Expr::Kind::Not;
        e->left = Generate(random, depth - 1);
    } else {
        e->kind = Expr::Kind::Compare;
        e->field = random.below(2);
        e->op = random.pick({"=", "<>", "!=", "<", ">", "<=", ">="});
        e->number = random.chance(50);
        e->literal = e->number ? QString::number(Numbers[random.below(int(Numbers.size()))]) : random.pick(Texts);
    }
    return e;
}

QString Keyword(RandomInputs& random, const char* word)
{
    QString text = QLatin1String(word);
    for (QChar& c : text)
        c = random.chance(50) ? c.toUpper() : c.toLower();
    return text;
}

QString Space(RandomInputs& random)
{
    return random.chance(30) ? QStringLiteral("  ") : QStringLiteral(" ");
}

// The expression as text: brackets only where precedence needs them, and now and then a spare pair.
QString Render(RandomInputs& random, const Expr& e, int needed)
{
    QString text;
    switch (e.kind) {
    case Expr::Kind::Or:
    case Expr::Kind::And: {
        const int own = Precedence(e.kind);
        text = Render(random, *e.left, own) + Space(random) + Keyword(random, e.kind == Expr::Kind::Or ? "or" : "and")
            + Space(random) + Render(random, *e.right, own + 1);
        break;
    }
    case Expr::Kind::Not:
        text = Keyword(random, "not") + Space(random) + Render(random, *e.left, 3);
        break;
    case Expr::Kind::Compare: {
        QString literal = e.literal;
        if (!e.number)
            literal = u'\'' + literal.replace(u'\'', QStringLiteral("''")) + u'\'';
        const QString sp = random.chance(50) ? QString() : QStringLiteral(" ");
        text = Keyword(random, e.field == 0 ? "txt" : "amt") + sp + e.op + sp + literal;
        break;
    }
    }
    if (Precedence(e.kind) < needed || random.chance(10))
        return u'(' + text + u')';
    return text;
}

// The meaning of a comparison: numbers by value where both sides read as numbers, else texts.
bool Holds(const Expr& e, const std::vector<QVariant>& row)
{
    const QVariant& value = row[size_t(e.field)];
    const bool numericField = e.field == 1;
    int c = 0;
    bool compared = false;
    if (e.number || (numericField && !value.isNull())) {
        bool literalOk = false, valueOk = true;
        const double literal = e.literal.toDouble(&literalOk);
        const double v = value.isNull() ? 0.0 : (numericField ? value.toDouble() : value.toString().toDouble(&valueOk));
        if (literalOk && valueOk) {
            c = v < literal ? -1 : (v > literal ? 1 : 0);
            compared = true;
        }
    }
    if (!compared)
        c = (value.isNull() ? QString() : value.toString()).compare(e.literal);
    if (e.op == u"=") return c == 0;
    if (e.op == u"<>" || e.op == u"!=") return c != 0;
    if (e.op == u"<") return c < 0;
    if (e.op == u">") return c > 0;
    if (e.op == u"<=") return c <= 0;
    return c >= 0;
}

bool Evaluate(const Expr& e, const std::vector<QVariant>& row)
{
    switch (e.kind) {
    case Expr::Kind::Or: return Evaluate(*e.left, row) || Evaluate(*e.right, row);
    case Expr::Kind::And: return Evaluate(*e.left, row) && Evaluate(*e.right, row);
    case Expr::Kind::Not: return !Evaluate(*e.left, row);
    case Expr::Kind::Compare: return Holds(e, row);
    }
    return false;
}

std::vector<std::vector<QVariant>> AllRows()
{
    std::vector<std::vector<QVariant>> rows;
    QList<QVariant> texts{QVariant()};
    for (const QString& t : Texts)
        texts << t;
    QList<QVariant> numbers{QVariant()};
    for (double n : Numbers)
        numbers << n;
    for (const QVariant& t : texts)
        for (const QVariant& n : numbers)
            rows.push_back({t, n});
    return rows;
}

TEST(RowFilterRandom, WrittenTreesMatchWhatTheirTreesMatch)
{
    RandomInputs random(20260302);
    const auto rows = AllRows();
    const int count = RandomInputs::Count(2000);
    for (int i = 0; i < count; ++i) {
        const auto tree = Generate(random, random.below(5));
        const QString text = Render(random, *tree, 0);
        const std::string shown = "input " + std::to_string(i) + " (seed " + std::to_string(random.seed()) + "): " + text.toStdString();
        std::unique_ptr<db::RowFilter> filter;
        try {
            filter = std::make_unique<db::RowFilter>(text);
        } catch (const std::invalid_argument& e) {
            FAIL() << shown << ": " << e.what();
        }
        for (const auto& row : rows)
            ASSERT_EQ(filter->matches(Fields, row), Evaluate(*tree, row))
                << shown << " on " << row[0].toString().toStdString() << ", " << row[1].toString().toStdString();
    }
    ReportInputsTried("local-table filters written from trees", count);
}

TEST(RowFilterRandom, AnyTextIsParsedOrRefusedNeverACrash)
{
    const QStringList pieces = {"TXT", "amt", "=", "<>", "<", ">=", "!", "'a'", "'", "''", "(", ")", " And ", " or ",
                                "NOT ", "1.5", "-", ".", "..", "-.5", "王", " ", "\t", "AndTXT", "=='", "1e5"};
    RandomInputs random(20260303);
    const auto rows = AllRows();
    const int count = RandomInputs::Count(3000);
    int parsed = 0;
    for (int i = 0; i < count; ++i) {
        QString text;
        if (random.chance(40)) {
            // A valid filter with a few pieces put in or taken out.
            text = Render(random, *Generate(random, random.below(3)), 0);
            for (int n = random.below(3); n > 0; --n) {
                const int at = random.below(int(text.size()) + 1);
                if (random.chance(50))
                    text.insert(at, random.pick(pieces));
                else
                    text.remove(at, random.between(1, 4));
            }
        } else {
            text = random.chance(70) ? random.joined(pieces, 16) : random.anyText(20);
        }
        try {
            const db::RowFilter filter(text);
            ++parsed;
            const QStringList known{"TXT", "AMT"};
            bool allKnown = true;
            for (const QString& name : filter.fieldNames())
                allKnown = allKnown && known.contains(name);
            if (allKnown) {
                for (const auto& row : rows)
                    filter.matches(Fields, row);
            }
        } catch (const std::invalid_argument&) {
        }
    }
    // A filter nested beyond reason is refused, not a stack exhausted.
    for (const QString& deep : {QString(100000, u'(') + "TXT='a'" + QString(100000, u')'), QString("not ").repeated(100000) + "TXT='a'"})
        EXPECT_THROW(db::RowFilter{deep}, std::invalid_argument);
    EXPECT_GT(parsed, 0);
    ReportInputsTried("local-table filters of any text", count);
}

} // namespace
