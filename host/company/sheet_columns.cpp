#include "company/sheet_columns.h"

#include "company/import_texts.h"

namespace company {

namespace {

ColumnRule rule(const char* column, QStringList headings, ValueKind kind, int maxLength, bool required = false, bool code = false)
{
    return ColumnRule{QString::fromLatin1(column), std::move(headings), kind, maxLength, required, code};
}

std::vector<ColumnRule> EmployeeColumns(bool pay)
{
    using V = ValueKind;
    std::vector<ColumnRule> columns = {
        rule("YG_NO", {"員工代號", "員工編號", "工號"}, V::Text, 12, true, true),
        rule("NAME", {"姓名", "員工姓名"}, V::Text, 30),
        rule("ENG_NAME", {"英文姓名"}, V::Text, 40),
        rule("ID_NO", {"身分證號", "身分證字號", "身份證字號"}, V::Text, 10, false, true),
        rule("DEP", {"部門", "部門代號"}, V::Text, 12, false, true),
        rule("PAY_MTH", {"發薪方式"}, V::PayMethod, 1),
        rule("BACC1_NO", {"帳號", "銀行帳號", "帳號一"}, V::Digits, 20, false, true),
        rule("BACC1_TIT", {"戶名", "戶名一"}, V::Text, 30),
        rule("BACC2_NO", {"帳號二"}, V::Digits, 20, false, true),
        rule("BACC2_TIT", {"戶名二"}, V::Text, 30),
        rule("IN_DD", {"到職日"}, V::Date, 0),
    };
    if (pay) {
        columns.push_back(rule("AMTN_NET", {"實發金額", "實發", "金額", "轉帳金額"}, V::Amount, 0, true));
        columns.push_back(rule("FS_DD", {"發薪日"}, V::Date, 0));
        columns.push_back(rule("FS_NO", {"發薪單號"}, V::Text, 20, false, true));
    }
    return columns;
}

} // namespace

const std::vector<ColumnRule>& ColumnsOf(SheetKind kind)
{
    static const std::vector<ColumnRule> pay = EmployeeColumns(true);
    static const std::vector<ColumnRule> employees = EmployeeColumns(false);
    static const std::vector<ColumnRule> departments = {
        rule("DEP", {"部門代號"}, ValueKind::Text, 12, true, true),
        rule("NAME", {"部門名稱"}, ValueKind::Text, 30),
        rule("ENG_NAME", {"英文名稱"}, ValueKind::Text, 40),
        rule("DEP_UP", {"上層部門"}, ValueKind::Text, 12, false, true),
    };
    return kind == SheetKind::Pay ? pay : kind == SheetKind::Employees ? employees : departments;
}

QString NormalHeading(const QString& heading)
{
    QString normal = heading.normalized(QString::NormalizationForm_KC).toUpper();
    normal.removeIf([](QChar c) { return c.isSpace(); });
    return normal;
}

SheetLayout ReadLayout(SheetKind kind, const std::vector<QString>& headings)
{
    const std::vector<ColumnRule>& rules = ColumnsOf(kind);
    SheetLayout layout;
    layout.sheetColumnOf.assign(rules.size(), -1);
    for (size_t at = 0; at < headings.size(); ++at) {
        const QString heading = NormalHeading(headings[at]);
        int found = -1;
        for (size_t i = 0; i < rules.size() && found < 0 && !heading.isEmpty(); ++i) {
            if (heading == rules[i].column)
                found = int(i);
            for (const QString& name : rules[i].headings)
                if (heading == NormalHeading(name))
                    found = int(i);
        }
        layout.ruleAt.push_back(found);
        if (heading.isEmpty())
            continue;
        if (found < 0)
            layout.faults.push_back({headings[at], UnknownHeading});
        else if (layout.sheetColumnOf[size_t(found)] >= 0)
            layout.faults.push_back({headings[at], HeadingTwice});
        else
            layout.sheetColumnOf[size_t(found)] = int(at);
    }
    for (size_t i = 0; i < rules.size(); ++i)
        if (rules[i].required && layout.sheetColumnOf[i] < 0)
            layout.faults.push_back({rules[i].headings.first(), ColumnMissing});
    return layout;
}

} // namespace company
