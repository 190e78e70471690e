#include "company/sheet_columns.h"

#include "company/import_texts.h"

namespace company {

namespace {

ColumnSpec spec(const char* column, QStringList headings, ValueKind kind, int maxLength, bool required = false, bool code = false)
{
    return ColumnSpec{QString::fromLatin1(column), std::move(headings), kind, maxLength, required, code};
}

std::vector<ColumnSpec> EmployeeColumns(bool pay)
{
    using V = ValueKind;
    std::vector<ColumnSpec> columns = {
        spec("YG_NO", {"員工代號", "員工編號", "工號"}, V::Text, 12, true, true),
        spec("NAME", {"姓名", "員工姓名"}, V::Text, 30),
        spec("ENG_NAME", {"英文姓名"}, V::Text, 40),
        spec("ID_NO", {"身分證號", "身分證字號", "身份證字號"}, V::Text, 10, false, true),
        spec("DEP", {"部門", "部門代號"}, V::Text, 12, false, true),
        spec("PAY_MTH", {"發薪方式"}, V::PayMethod, 1),
        spec("BACC1_NO", {"帳號", "銀行帳號", "帳號一"}, V::Digits, 20, false, true),
        spec("BACC1_TIT", {"戶名", "戶名一"}, V::Text, 30),
        spec("BACC2_NO", {"帳號二"}, V::Digits, 20, false, true),
        spec("BACC2_TIT", {"戶名二"}, V::Text, 30),
        spec("IN_DD", {"到職日"}, V::Date, 0),
    };
    if (pay) {
        columns.push_back(spec("AMTN_NET", {"實發金額", "實發", "金額", "轉帳金額"}, V::Amount, 0, true));
        columns.push_back(spec("FS_DD", {"發薪日"}, V::Date, 0));
        columns.push_back(spec("FS_NO", {"發薪單號"}, V::Text, 20, false, true));
    }
    return columns;
}

} // namespace

const std::vector<ColumnSpec>& ColumnsOf(SheetKind kind)
{
    static const std::vector<ColumnSpec> pay = EmployeeColumns(true);
    static const std::vector<ColumnSpec> employees = EmployeeColumns(false);
    static const std::vector<ColumnSpec> departments = {
        spec("DEP", {"部門代號"}, ValueKind::Text, 12, true, true),
        spec("NAME", {"部門名稱"}, ValueKind::Text, 30),
        spec("ENG_NAME", {"英文名稱"}, ValueKind::Text, 40),
        spec("DEP_UP", {"上層部門"}, ValueKind::Text, 12, false, true),
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
    const std::vector<ColumnSpec>& specs = ColumnsOf(kind);
    SheetLayout layout;
    layout.sheetColumnOf.assign(specs.size(), -1);
    for (size_t at = 0; at < headings.size(); ++at) {
        const QString heading = NormalHeading(headings[at]);
        int found = -1;
        for (size_t i = 0; i < specs.size() && found < 0 && !heading.isEmpty(); ++i) {
            if (heading == specs[i].column)
                found = int(i);
            for (const QString& name : specs[i].headings)
                if (heading == NormalHeading(name))
                    found = int(i);
        }
        layout.specAt.push_back(found);
        if (heading.isEmpty())
            continue;
        if (found < 0)
            layout.faults.push_back({headings[at], UnknownHeading});
        else if (layout.sheetColumnOf[size_t(found)] >= 0)
            layout.faults.push_back({headings[at], HeadingTwice});
        else
            layout.sheetColumnOf[size_t(found)] = int(at);
    }
    for (size_t i = 0; i < specs.size(); ++i)
        if (specs[i].required && layout.sheetColumnOf[i] < 0)
            layout.faults.push_back({specs[i].headings.first(), ColumnMissing});
    return layout;
}

} // namespace company
