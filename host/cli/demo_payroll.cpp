#include "demo_payroll.h"
#include "demo_accounts.h"
#include "demo_company_data.h"
#include "demo_people.h"
#include <cmath>

namespace {

// Which employees show the cases a clerk meets; spread evenly so that even a small company has each.
bool PaidInCash(int i) { return i % 12 == 5; }
bool HasNoAccount(int i) { return i % 50 == 9; }
bool FirstAccountEmpty(int i) { return i % 13 == 4; }
bool PostOfficeAccount(int i) { return i % 15 == 3; }
bool WrongPostOfficeCheckDigit(int i) { return i % 30 == 3; }
bool AccountOfARelative(int i) { return i % 25 == 11; }
bool AccountTitleMissing(int i) { return i % 45 == 20; }
bool RareName(int i) { return i % 40 == 7; }
bool MovedInFebruary(int i) { return i % 20 == 13; }
bool JoinedInFebruary(int i) { return i % 17 == 16; }
bool GetsYearEndBonus(int i) { return i % 3 == 0; }
bool GetsFestivalBonus(int i) { return i % 10 == 1; }
bool GetsPerformanceBonus(int i) { return i % 33 == 2; }
bool GetsBackPay(int i) { return i % 50 == 7; }

QString PickDepartment(DemoRandom& random)
{
    int total = 0;
    for (const DemoDepartment& d : DemoDepartments())
        total += d.staffWeight;
    int r = random.below(total);
    for (const DemoDepartment& d : DemoDepartments()) {
        if (r < d.staffWeight)
            return QString::fromLatin1(d.code);
        r -= d.staffWeight;
    }
    return QString::fromLatin1(DemoDepartments().back().code);
}

// An amount in cents as the database keeps it; some amounts end in exactly half a dollar.
// Regular salary lines carry no additional run: NULL in January, an empty text in February (both occur).
const QVariant NoRun;
const QVariant EmptyText = QVariant(QString(""));   // not a null text, which would be written as NULL

QVariant Money(qint64 cents)
{
    return QVariant(double(cents) / 100.0);
}

qint64 Cents(DemoRandom& random, qint64 dollars)
{
    return dollars * 100 + (random.percent(8) ? 50 : random.below(100));
}

struct Accounts {
    QVariant first, firstTitle, second, secondTitle;
};

Accounts MakeAccounts(DemoRandom& random, int i, const QString& name)
{
    Accounts a;
    if (HasNoAccount(i))
        return a;
    const QString holder = AccountOfARelative(i) ? MakeDemoPerson(random, false).name : name;
    if (FirstAccountEmpty(i)) {
        a.first = random.percent(50) ? EmptyText : QVariant();
    } else {
        a.first = PostOfficeAccount(i) ? MakePostOfficeAccount(random, WrongPostOfficeCheckDigit(i))
                                       : MakeBankAccount(random);
        a.firstTitle = AccountTitleMissing(i) ? QVariant() : QVariant(holder);
    }
    if (FirstAccountEmpty(i) || random.percent(30)) {
        a.second = random.percent(10) ? MakePostOfficeAccount(random, false) : MakeBankAccount(random);
        a.secondTitle = holder;
    }
    return a;
}

QString JoiningDate(DemoRandom& random, int i)
{
    if (JoinedInFebruary(i))
        return QStringLiteral("2026-02-02");
    return QStringLiteral("%1-%2-%3").arg(random.between(2003, 2025)).arg(random.between(1, 12), 2, 10, QChar(u'0'))
        .arg(random.between(1, 28), 2, 10, QChar(u'0'));
}

// Net pay of a month: salary and allowances less labour and health insurance and tax withheld.
qint64 MonthlyNetPay(DemoRandom& random, int salary)
{
    const int allowances = random.between(0, 30) * 100;
    const int deductions = int(std::lround(salary * 0.044));
    return Cents(random, salary + allowances - deductions);
}

class PayrollWriter {
public:
    PayrollWriter(DemoSqlite& db, int employees)
        : db_(db),
          employee_(db.prepare(QStringLiteral("INSERT INTO MF_YG VALUES (?,?,?,?,?,?,?,?,?,?,?)"))),
          line_(db.prepare(QStringLiteral("INSERT INTO TF_FS1 VALUES (?,?,?,?,?)"))),
          numberWidth_(std::max(5, int(QString::number(employees).size())))
    {
    }

    void writeEmployee(DemoRandom& random, int i)
    {
        const DemoPerson person = MakeDemoPerson(random, RareName(i));
        const QString number = QString::number(i + 1).rightJustified(numberWidth_, u'0');
        const QString department = PickDepartment(random);
        const Accounts accounts = MakeAccounts(random, i, person.name);
        db_.run(employee_, {number, person.name, person.englishName, person.idNumber, department,
                            PaidInCash(i) ? "1" : "2", accounts.first, accounts.firstTitle, accounts.second,
                            accounts.secondTitle, JoiningDate(random, i)});
        ++count_.employees;

        const int salary = random.between(300, 900) * 100 + (department.endsWith(QLatin1String("000")) ? 60000 : 0);
        const QString januaryDepartment = MovedInFebruary(i) ? PickDepartment(random) : department;
        using namespace DemoRuns;
        if (!JoinedInFebruary(i)) {
            if (GetsPerformanceBonus(i))
                line(JanuaryBonusRun, number, januaryDepartment, Cents(random, random.between(50, 300) * 100), PerformanceBonus);
            line(JanuarySalaryRun, number, januaryDepartment, MonthlyNetPay(random, salary), NoRun);
            if (GetsYearEndBonus(i))
                line(YearEndBonusRun, number, department, Cents(random, salary * random.between(10, 25) / 10), YearEndBonus);
        }
        if (GetsFestivalBonus(i))
            line(FestivalBonusRun, number, department, qint64(random.between(30, 100)) * 10000, FestivalBonus);
        line(FebruarySalaryRun, number, department, MonthlyNetPay(random, salary), EmptyText);
        if (GetsBackPay(i))
            line(BackPayRun, number, department, Cents(random, random.between(500, 5000)), BackPay);
    }

    DemoPayrollCount count() const { return count_; }

private:
    void line(const QString& run, const QString& employee, const QString& department, qint64 cents, const QVariant& bill)
    {
        db_.run(line_, {run, employee, department, Money(cents), bill});
        ++count_.payLines;
    }

    DemoSqlite& db_;
    QSqlQuery employee_, line_;
    int numberWidth_;
    DemoPayrollCount count_;
};

} // namespace

DemoPayrollCount WriteDemoPayroll(DemoSqlite& db, int employees, quint32 seed)
{
    DemoRandom random(seed);
    PayrollWriter writer(db, employees);
    for (int i = 0; i < employees; ++i)
        writer.writeEmployee(random, i);
    return writer.count();
}
