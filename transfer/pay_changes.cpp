#include "transfer/pay_changes.h"

#include "runtime/language.h"
#include "runtime/ui/display_format.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

// One employee's pay in one of the two exports, as views into its lines. The amount is read as a
// number only when it must be: an amount the same as before in the same words needs no reading.
struct Paid {
    QStringView account;
    QStringView amountText;   // of the first line
    double earlierLines = 0;  // the amounts of the lines before the last, added up
    int lines = 0;
    bool severalAccounts = false;

    void add(QStringView lineAccount, QStringView lineAmount)
    {
        if (lines == 0)
            account = lineAccount;
        else if (account != lineAccount)
            severalAccounts = true;
        if (lines > 0)
            earlierLines += amountText.toDouble();
        amountText = lineAmount;
        ++lines;
    }
    bool present() const { return lines > 0; }
    double amount() const { return earlierLines + amountText.toDouble(); }
    LoggedPay pay() const { return {account.toString() + (severalAccounts ? QStringLiteral(", …") : QString()), amount()}; }
    bool sameAccount(const Paid& other) const { return account == other.account && severalAccounts == other.severalAccounts; }
    bool sameAmount(const Paid& other) const { return lines == 1 && other.lines == 1 && amountText == other.amountText; }
};

struct Compared {
    Paid before, after;
};

QString AmountText(double amount)
{
    return FormatNumber(amount, amount == std::floor(amount) ? QStringLiteral("#,##0") : QStringLiteral("#,##0.00"));
}

// Walks the lines of two texts side by side, handing `take` the lines at each place (null past
// the end of a text).
template <class Take>
void WalkInStep(QStringView beforeLines, QStringView afterLines, Take take)
{
    PayLineReader before(beforeLines), after(afterLines);
    PayLineFields was, is;
    for (;;) {
        const bool hasBefore = before.next(was), hasAfter = after.next(is);
        if (!hasBefore && !hasAfter)
            return;
        take(hasBefore ? &was : nullptr, hasAfter ? &is : nullptr);
    }
}

// Whether `employee` was not in `seen` before; it is now.
bool Added(QSet<QStringView>& seen, QStringView employee)
{
    const qsizetype before = seen.size();
    seen.insert(employee);
    return seen.size() > before;
}

// The changes of one employee's pay from `before` to `after`.
void AddChanges(QStringView employee, const Paid& before, const Paid& after, std::vector<PayChange>& changes)
{
    using Kind = PayChange::Kind;
    const auto add = [&employee, &changes](Kind kind, LoggedPay was, LoggedPay is) {
        changes.push_back({kind, employee.toString(), std::move(was), std::move(is)});
    };
    if (!after.present())
        add(Kind::LeftOut, before.pay(), {});
    else if (!before.present())
        add(Kind::Added, {}, after.pay());
    else {
        if (!before.sameAccount(after))
            add(Kind::AccountChanged, before.pay(), after.pay());
        if (!before.sameAmount(after) && AmountMoved(before.amount(), after.amount()))
            add(Kind::AmountMoved, before.pay(), after.pay());
    }
}

} // namespace

bool AmountMoved(double before, double after)
{
    return std::fabs(after - before) * 3 > std::fabs(before) + 0.004;
}

PayChanges ComparePay(std::optional<LoggedExport> last, QStringView lastLines, QStringView payLines)
{
    PayChanges result;
    result.last = std::move(last);
    if (!result.last || lastLines == payLines)
        return result;
    // The two lists are mostly in the same order: the lines at the same place that are of the same
    // employee are compared with each other, without a lookup. Only the employees met elsewhere (at
    // another place of the other list, or on more than one line) are gathered by their number and
    // compared as a whole; an employee on lines in step only is seen whole in them.
    QHash<QStringView, Compared> gathered;
    bool ascending = true;   // the employees in step, each after the one before: none is met twice
    QStringView previous;
    WalkInStep(lastLines, payLines, [&](const PayLineFields* before, const PayLineFields* after) {
        if (before && after && before->employee == after->employee) {
            ascending = ascending && (previous.isNull() || previous < after->employee);
            previous = after->employee;
            return;
        }
        if (before)
            gathered[before->employee];
        if (after)
            gathered[after->employee];
    });
    if (!ascending) {
        // Another order: an employee on several lines in step is gathered as well.
        QSet<QStringView> seen;
        WalkInStep(lastLines, payLines, [&](const PayLineFields* before, const PayLineFields* after) {
            if (before && after && before->employee == after->employee && !Added(seen, after->employee))
                gathered[after->employee];
        });
    }
    // Each side's lines reach the gathered employees in their list's order: the first account is
    // the first line's.
    WalkInStep(lastLines, payLines, [&](const PayLineFields* before, const PayLineFields* after) {
        const bool inStep = before && after && before->employee == after->employee;
        const auto gatheredOf = [&gathered](const PayLineFields* line) {
            return line && !gathered.isEmpty() ? gathered.find(line->employee) : gathered.end();
        };
        const auto was = gatheredOf(before), is = inStep ? was : gatheredOf(after);
        if (was != gathered.end())
            was->before.add(before->account, before->amount);
        if (is != gathered.end())
            is->after.add(after->account, after->amount);
        if (!inStep || was != gathered.end() || (before->account == after->account && before->amount == after->amount))
            return;
        Paid paidBefore, paidAfter;
        paidBefore.add(before->account, before->amount);
        paidAfter.add(after->account, after->amount);
        AddChanges(before->employee, paidBefore, paidAfter, result.changes);
    });
    for (auto employee = gathered.cbegin(); employee != gathered.cend(); ++employee)
        AddChanges(employee.key(), employee.value().before, employee.value().after, result.changes);
    std::sort(result.changes.begin(), result.changes.end(), [](const PayChange& a, const PayChange& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.employee < b.employee;
    });
    return result;
}

PayChanges PayChangesSinceLastFile(const QString& bank, QStringView payLines)
{
    std::optional<LoggedExport> last = LastExport(bank);
    const QString lastLines = last ? ExportedPayLines(last->number) : QString();
    return ComparePay(std::move(last), lastLines, payLines);
}

void AppendPayChangeLines(QString& text, const std::vector<PayChange>& changes)
{
    // The words are looked up once, not for each of a hundred thousand changes.
    const auto word = [](int id) { return LoadFormResourceStr(QStringLiteral("WAGBK"), id); };
    const QString accountChanged = word(15952), added = word(15953), leftOut = word(15954), amountMoved = word(15955),
                  pay = word(15956);
    const auto payText = [&pay](const LoggedPay& paid) { return pay.arg(paid.account, AmountText(paid.amount)); };
    for (const PayChange& change : changes) {
        text += u'\n' + change.employee + QStringLiteral(": ");
        switch (change.kind) {
        case PayChange::Kind::AccountChanged:
            text += accountChanged + QStringLiteral(" = ") + change.before.account + QStringLiteral(" → ") + change.after.account;
            break;
        case PayChange::Kind::Added:
            text += added + QStringLiteral(" = ") + payText(change.after);
            break;
        case PayChange::Kind::LeftOut:
            text += leftOut + QStringLiteral(" = ") + payText(change.before);
            break;
        case PayChange::Kind::AmountMoved:
            text += amountMoved + QStringLiteral(" = ") + AmountText(change.before.amount) + QStringLiteral(" → ") + AmountText(change.after.amount);
            break;
        }
    }
}
