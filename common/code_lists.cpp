#include "common/code_lists.h"

#include "common/sql_text.h"
#include "runtime/db/database.h"
#include "runtime/db/msqltable.h"
#include "runtime/language.h"

namespace {
constexpr int ShortStringLength = 255;
}

void SplitUniqueList(const QString& text, QStringList& list)
{
    list.clear();
    if (text.isEmpty())
        return;
    const QStringList pieces = text.split(u';');
    for (const QString& piece : pieces) {
        if (!piece.isEmpty() && !list.contains(piece))
            list << piece;
    }
}

void SplitCodeList(const QString& text, QStringList& list)
{
    list.clear();
    if (text.isEmpty())
        return;
    const QStringList pieces = text.split(u';');
    for (const QString& piece : pieces)
        list << (piece == NoValueCode ? QString() : piece);
}

QString BuildInCondition(const QStringList& list, const QString& column)
{
    QString nullPart;
    QStringList values;
    for (const QString& item : list) {
        if (item.isEmpty() || item == NoValueCode)
            nullPart = QStringLiteral("(%1 IS NULL)Or(%1='')").arg(column);
        else
            values << SqlLiteral(item);
    }
    const QString valueText = values.join(u',');
    if (!values.isEmpty() && !nullPart.isEmpty())
        return QStringLiteral("((%1 IS NULL)Or(%1='')Or(%1 IN (%2)))").arg(column, valueText);
    if (!values.isEmpty())
        return QStringLiteral("(%1 IN (%2))").arg(column, valueText);
    return nullPart;
}

QString BuildListCondition(int mode, const QString& value, const QString& column)
{
    QStringList items;
    if (mode == -1) {
        SplitUniqueList(value, items);
    } else if (mode == 0) {
        SplitCodeList(value, items);
    } else {
        items << value;
        db::MSQLTable tree(db::CompanyDatabaseName, QStringLiteral("DEPT_CHK"), QStringLiteral("DEP_UP;DEP_DW"));
        tree.setKeyRecordOnly(true);
        tree.open();
        if (tree.findKey({value})) {
            for (; !tree.eof() && tree.fieldText(QStringLiteral("DEP_UP")) == value; tree.next())
                items << tree.fieldText(QStringLiteral("DEP_DW"));
        }
    }
    return BuildInCondition(items, column);
}

namespace {
QString itemName(db::MSQLTable& dataset)
{
    if (Language::LanguageID == 2) {
        for (const char* column : {"ENG_NAME", "NAME_ENG"}) {
            if (dataset.hasField(QLatin1String(column)))
                return dataset.fieldText(QLatin1String(column));
        }
    }
    return dataset.fieldText(QStringLiteral("NAME"));
}

void addOnce(QStringList& list, const QString& item)
{
    if (!list.contains(item))
        list << item;
}
}

void FillCodeLists(const QString& selection, const QString& keyField, QStringList& available,
                   db::MSQLTable& dataset, QStringList& chosen)
{
    available.clear();
    chosen.clear();
    const QString firstCode = selection.section(u';', 0, 0);
    const QString lastCode = selection.section(u';', -1);

    if (keyField.toUpper() != QLatin1String("CHK_STS")) {
        const int nameId = keyField.toUpper() == QLatin1String("CUR_ID") ? 10203 : 10200;
        const QString item = NoValueCode + PickerSeparator + LoadFormResourceStr(QStringLiteral("INVAH"), nameId);
        addOnce(selection.contains(NoValueCode) ? chosen : available, item);
    }

    QStringList seen;
    for (dataset.first(); !dataset.eof(); dataset.next()) {
        const QString code = dataset.fieldText(keyField);
        if (seen.contains(code))
            continue;
        seen << code;
        const QString item = code + PickerSeparator + itemName(dataset);
        const bool isChosen = selection.contains(u';' + code + u';') || code == firstCode || code == lastCode
            || code == selection;
        addOnce(isChosen ? chosen : available, item);
    }
}

QString JoinChosenCodes(bool multi, const QStringList& chosen)
{
    if (chosen.isEmpty())
        return {};
    auto codeOf = [](const QString& item) { return item.section(PickerSeparator, 0, 0); };
    QString result = codeOf(chosen.first());
    if (multi) {
        for (int i = 1; i < chosen.size(); ++i)
            result += u';' + codeOf(chosen[i]);
    }
    return result.left(ShortStringLength);
}
