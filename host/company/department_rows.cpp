#include "company/department_rows.h"

#include "company/import_texts.h"

namespace company {

DepartmentRows::DepartmentRows(CompanyDatabase& db, RowChecker& checker, ImportSummary& summary)
    : db_(db), checker_(checker), summary_(summary),
      find_(db, "SELECT NAME,ENG_NAME FROM DEPT WHERE DEP=?"),
      insert_(db, "INSERT INTO DEPT (NAME,ENG_NAME,DEP) VALUES (?,?,?)"),
      update_(db, "UPDATE DEPT SET NAME=?,ENG_NAME=? WHERE DEP=?"),
      parents_(storedParents())
{
}

// Each department's direct parent: of the departments above it, the one that has the most above itself.
QHash<QString, QString> DepartmentRows::storedParents()
{
    QHash<QString, int> depth;
    Statement above(db_, "SELECT DEP_DW,count(*) FROM DEPT_CHK GROUP BY DEP_DW");
    while (above.step())
        depth.insert(above.text(0), int(above.integer(1)));
    QHash<QString, QString> parents;
    Statement pairs(db_, "SELECT DEP_UP,DEP_DW FROM DEPT_CHK");
    while (pairs.step()) {
        const QString up = pairs.text(0), down = pairs.text(1);
        if (!parents.contains(down) || depth.value(up) > depth.value(parents.value(down)))
            parents.insert(down, up);
    }
    Statement all(db_, "SELECT DEP FROM DEPT");
    while (all.step())
        parents.insert(all.text(0), parents.value(all.text(0)));
    return parents;
}

void DepartmentRows::take(int row, const std::vector<QString>& values)
{
    const QString code = values[size_t(checker_.rule("DEP"))];
    QString name = values[size_t(checker_.rule("NAME"))], english = values[size_t(checker_.rule("ENG_NAME"))];
    const QString parent = values[size_t(checker_.rule("DEP_UP"))];
    if (!parent.isEmpty())
        given_.insert(code, {row, parent});
    find_.bind(1, code);
    const bool known = find_.step();
    if (known) {
        name = name.isEmpty() ? find_.text(0) : name;
        english = english.isEmpty() ? find_.text(1) : english;
        const bool same = name == find_.text(0) && english == find_.text(1);
        find_.reset();
        ++(same && (parent.isEmpty() || parents_.value(code) == parent) ? summary_.unchanged : summary_.updated);
        if (same)
            return;
    } else {
        ++summary_.added;
        parents_.insert(code, QString());
    }
    if (!checker_.failed())
        (known ? update_ : insert_).bind(1, name).bind(2, english).bind(3, code).run();
}

void DepartmentRows::finish()
{
    const int parentRule = checker_.rule("DEP_UP");
    for (auto g = given_.cbegin(); g != given_.cend(); ++g) {
        if (!parents_.contains(g->parent))
            checker_.fail(g->row, parentRule, g->parent, ImportString(NoSuchDepartment));
        else
            parents_.insert(g.key(), g->parent);
    }
    // Every department's chain of parents, which must end without coming back to it.
    QList<std::pair<QString, QString>> tree;
    for (auto d = parents_.cbegin(); d != parents_.cend(); ++d) {
        int steps = 0;
        for (QString up = d.value(); !up.isEmpty(); up = parents_.value(up)) {
            if (up == d.key() || ++steps > parents_.size()) {
                if (given_.contains(d.key()))
                    checker_.fail(given_.value(d.key()).row, parentRule, d.value(), ImportString(DepartmentLoop));
                break;
            }
            tree.append({up, d.key()});
        }
    }
    if (checker_.failed())
        return;
    db_.exec("DELETE FROM DEPT_CHK");
    Statement insert(db_, "INSERT INTO DEPT_CHK (DEP_UP,DEP_DW) VALUES (?,?)");
    for (const auto& [up, down] : tree)
        insert.bind(1, up).bind(2, down).run();
}

} // namespace company
