#include "runtime/db/row_filter.h"
#include "runtime/db/localtable.h"
#include <stdexcept>

namespace db {

enum class CompareOp { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

struct RowFilter::Node {
    enum class Kind { And, Or, Not, Compare } kind;
    std::shared_ptr<const Node> left, right;   // And, Or: both; Not: left
    QString field;
    CompareOp op = CompareOp::Equal;
    QString text;                              // the literal as written (without quotes)
    bool numberLiteral = false;
};

namespace {

using Node = RowFilter::Node;
using NodePtr = std::shared_ptr<const Node>;

struct Token {
    enum class Kind { Open, Close, Name, Text, Number, Operator, End } kind;
    QString text;
    qsizetype at;
};

[[noreturn]] void Fail(const QString& expression, const QString& reason)
{
    throw std::invalid_argument(
        QStringLiteral("The filter \"%1\" is not valid: %2.").arg(expression, reason).toStdString());
}

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c.unicode() >= 0x80;
}

std::vector<Token> Tokenize(const QString& s)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'(' || c == u')') {
            tokens.push_back({c == u'(' ? Token::Kind::Open : Token::Kind::Close, c, i});
            ++i;
        } else if (c == u'\'') {
            QString text;
            qsizetype j = i + 1;
            for (;; ++j) {
                if (j >= s.size())
                    Fail(s, QStringLiteral("the text that starts at position %1 has no closing quote").arg(i + 1));
                if (s[j] == u'\'') {
                    if (j + 1 < s.size() && s[j + 1] == u'\'') {
                        text += u'\'';
                        ++j;
                        continue;
                    }
                    break;
                }
                text += s[j];
            }
            tokens.push_back({Token::Kind::Text, text, i});
            i = j + 1;
        } else if (QStringLiteral("=<>!").contains(c)) {
            qsizetype j = i + 1;
            if (j < s.size() && (s[j] == u'=' || (c == u'<' && s[j] == u'>')))
                ++j;
            tokens.push_back({Token::Kind::Operator, s.mid(i, j - i), i});
            i = j;
        } else if (c.isDigit() || ((c == u'-' || c == u'.') && i + 1 < s.size() && s[i + 1].isDigit())) {
            qsizetype j = i + 1;
            while (j < s.size() && (s[j].isDigit() || s[j] == u'.'))
                ++j;
            tokens.push_back({Token::Kind::Number, s.mid(i, j - i), i});
            i = j;
        } else if (IsNameChar(c)) {
            qsizetype j = i + 1;
            while (j < s.size() && IsNameChar(s[j]))
                ++j;
            tokens.push_back({Token::Kind::Name, s.mid(i, j - i), i});
            i = j;
        } else {
            Fail(s, QStringLiteral("the character \"%1\" at position %2 is not understood").arg(c).arg(i + 1));
        }
    }
    tokens.push_back({Token::Kind::End, QString(), s.size()});
    return tokens;
}

// expression := term { Or term };  term := factor { And factor };
// factor := Not factor | ( expression ) | field operator literal
class Parser {
public:
    explicit Parser(const QString& expression) : expression_(expression), tokens_(Tokenize(expression)) {}

    NodePtr parse(QStringList& fields)
    {
        fields_ = &fields;
        NodePtr root = expression();
        if (peek().kind != Token::Kind::End)
            fail(QStringLiteral("unexpected \"%1\"").arg(peek().text));
        return root;
    }

private:
    const Token& peek() const { return tokens_[pos_]; }
    const Token& take() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
    bool isKeyword(const char* word) const
    {
        return peek().kind == Token::Kind::Name && peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    [[noreturn]] void fail(const QString& reason) const
    {
        Fail(expression_, reason + QStringLiteral(" at position %1").arg(peek().at + 1));
    }

    NodePtr joined(Node::Kind kind, NodePtr left, NodePtr right)
    {
        auto n = std::make_shared<Node>();
        n->kind = kind;
        n->left = std::move(left);
        n->right = std::move(right);
        return n;
    }

    NodePtr expression()
    {
        NodePtr left = term();
        while (isKeyword("OR")) {
            take();
            left = joined(Node::Kind::Or, left, term());
        }
        return left;
    }

    NodePtr term()
    {
        NodePtr left = factor();
        while (isKeyword("AND")) {
            take();
            left = joined(Node::Kind::And, left, factor());
        }
        return left;
    }

    NodePtr factor()
    {
        // Each Not and each parenthesis is a level of the parse; a filter is never nested this deep,
        // and refusing it keeps an absurd one from exhausting the stack.
        if (++depth_ > MaxDepth)
            fail(QStringLiteral("the expression is nested more than %1 levels deep").arg(MaxDepth));
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{depth_};
        if (isKeyword("NOT")) {
            take();
            return joined(Node::Kind::Not, factor(), nullptr);
        }
        if (peek().kind == Token::Kind::Open) {
            take();
            NodePtr inner = expression();
            if (peek().kind != Token::Kind::Close)
                fail(QStringLiteral("a closing parenthesis is missing"));
            take();
            return inner;
        }
        return comparison();
    }

    NodePtr comparison()
    {
        if (peek().kind != Token::Kind::Name || isKeyword("AND") || isKeyword("OR"))
            fail(QStringLiteral("a field name is expected"));
        auto n = std::make_shared<Node>();
        n->kind = Node::Kind::Compare;
        n->field = take().text.toUpper();
        if (!fields_->contains(n->field))
            fields_->append(n->field);
        if (peek().kind != Token::Kind::Operator)
            fail(QStringLiteral("a comparison (=, <>, <, >, <=, >=) is expected after %1").arg(n->field));
        n->op = compareOp(take().text);
        if (peek().kind != Token::Kind::Text && peek().kind != Token::Kind::Number)
            fail(QStringLiteral("a quoted text or a number is expected after %1").arg(n->field));
        n->numberLiteral = peek().kind == Token::Kind::Number;
        n->text = take().text;
        if (n->numberLiteral) {
            bool ok = false;
            n->text.toDouble(&ok);
            if (!ok)
                fail(QStringLiteral("%1 is not a number").arg(n->text));
        }
        return n;
    }

    CompareOp compareOp(const QString& op)
    {
        if (op == u"=") return CompareOp::Equal;
        if (op == u"<>" || op == u"!=") return CompareOp::NotEqual;
        if (op == u"<") return CompareOp::Less;
        if (op == u">") return CompareOp::Greater;
        if (op == u"<=") return CompareOp::LessOrEqual;
        if (op == u">=") return CompareOp::GreaterOrEqual;
        --pos_;
        fail(QStringLiteral("\"%1\" is not a comparison").arg(op));
    }

    static constexpr int MaxDepth = 100;
    QString expression_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    int depth_ = 0;
    QStringList* fields_ = nullptr;
};

bool Holds(CompareOp op, int c)
{
    switch (op) {
    case CompareOp::Equal: return c == 0;
    case CompareOp::NotEqual: return c != 0;
    case CompareOp::Less: return c < 0;
    case CompareOp::Greater: return c > 0;
    case CompareOp::LessOrEqual: return c <= 0;
    case CompareOp::GreaterOrEqual: return c >= 0;
    }
    return false;
}

int CompareNumbers(double a, double b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

int Compare(const Node& n, const FieldDef& def, const QVariant& value)
{
    const bool numericField = def.type != FieldDef::Type::Text;
    if (n.numberLiteral || (numericField && !value.isNull())) {
        bool literalOk = false, valueOk = true;
        const double literal = n.text.toDouble(&literalOk);
        const double v = value.isNull() ? 0.0 : (numericField ? value.toDouble() : value.toString().toDouble(&valueOk));
        if (literalOk && valueOk)
            return CompareNumbers(v, literal);
    }
    return (value.isNull() ? QString() : value.toString()).compare(n.text);
}

bool Evaluate(const Node& n, const std::vector<FieldDef>& fields, const std::function<QVariant(size_t)>& cell)
{
    switch (n.kind) {
    case Node::Kind::And: return Evaluate(*n.left, fields, cell) && Evaluate(*n.right, fields, cell);
    case Node::Kind::Or: return Evaluate(*n.left, fields, cell) || Evaluate(*n.right, fields, cell);
    case Node::Kind::Not: return !Evaluate(*n.left, fields, cell);
    case Node::Kind::Compare: break;
    }
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(n.field, Qt::CaseInsensitive) == 0)
            return Holds(n.op, Compare(n, fields[i], cell(i)));
    throw std::invalid_argument(QStringLiteral("The filter names the field %1, which the table does not have.")
                                    .arg(n.field)
                                    .toStdString());
}

} // namespace

RowFilter::RowFilter(const QString& expression)
{
    root_ = Parser(expression).parse(fields_);
}

bool RowFilter::matches(const std::vector<FieldDef>& fields, const std::vector<QVariant>& row) const
{
    return Evaluate(*root_, fields, [&row](size_t i) { return i < row.size() ? row[i] : QVariant(); });
}

bool RowFilter::matches(const std::vector<FieldDef>& fields, const std::function<QVariant(size_t)>& cell) const
{
    return Evaluate(*root_, fields, cell);
}

} // namespace db
