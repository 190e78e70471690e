// Local tables: shared content, navigation, editing, filters, sorting, sums and signals.
#include "runtime/db/database.h"
#include "runtime/db/localtable.h"
#include <QDate>
#include <gtest/gtest.h>
#include <utility>

namespace {

using db::FieldDef;
using db::LocalTable;

class LocalTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.addField({"BACC_NO", FieldDef::Type::Text, 20});
        table.addField({"BACC_NO1", FieldDef::Type::Text, 8});
        table.addField({"YG_NAME", FieldDef::Type::Text, 30});
        table.addField({"A_MTN", FieldDef::Type::Float});
        table.createTable();
        table.open();
    }

    void add(const QVariant& account, const QVariant& account1, const QVariant& name, const QVariant& amount)
    {
        table.append();
        table.setField("BACC_NO", account);
        table.setField("bacc_no1", account1);
        table.setField("YG_NAME", name);
        table.setField("A_MTN", amount);
        table.post();
    }

    QStringList names()
    {
        QStringList out;
        for (table.first(); !table.eof(); table.next())
            out << table.fieldText("YG_NAME");
        return out;
    }

    LocalTable table{"RurIzov", "Transfer"};
};

TEST_F(LocalTableTest, TwoComponentsShareOneTableByName)
{
    add("0041", "", "王小明", 100.5);
    LocalTable report("RURIZOV", "transfer");
    report.open();
    EXPECT_EQ(report.recordCount(), 1);
    EXPECT_EQ(report.fieldText("yg_name"), "王小明");
    EXPECT_EQ(report.fieldFloat("A_MTN"), 100.5);
    EXPECT_EQ(report.data(), table.data());
}

TEST_F(LocalTableTest, NavigationEditAndPostLikeADataSet)
{
    EXPECT_TRUE(table.eof() && table.bof() && table.isEmpty());
    EXPECT_THROW(table.edit(), db::DatabaseError);
    add("A", "", "甲", 1);
    add("B", "", "乙", 2);
    EXPECT_EQ(table.fieldText("BACC_NO"), "B");   // the posted row is current
    table.last();
    EXPECT_TRUE(table.eof());
    table.edit();
    table.setField("A_MTN", table.fieldFloat("A_MTN") + 5);
    table.post();
    table.first();
    EXPECT_TRUE(table.bof());
    table.next();
    EXPECT_EQ(table.fieldFloat("A_MTN"), 7.0);
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.fieldText("BACC_NO"), "B");   // still on the last row
    table.prior();
    EXPECT_EQ(table.recNo(), 0);
    EXPECT_THROW(table.setField("YG_NAME", "x"), db::DatabaseError);   // not editing
    EXPECT_THROW(table.field("NOPE"), std::invalid_argument);
}

TEST_F(LocalTableTest, ValuesFollowTheFieldDefinition)
{
    add("12345678901234567890123", "", QVariant(), "");
    EXPECT_EQ(table.fieldText("BACC_NO"), "12345678901234567890");   // text 20
    EXPECT_TRUE(table.field("A_MTN").isNull());
    EXPECT_EQ(table.fieldFloat("A_MTN"), 0.0);
    table.edit();
    EXPECT_THROW(table.setField("A_MTN", "12a"), std::invalid_argument);
    table.setField("A_MTN", "1234.5");
    table.post();
    EXPECT_EQ(table.field("A_MTN").toDouble(), 1234.5);

    LocalTable closed("RurIzov", "Transfer");
    EXPECT_THROW(closed.append(), db::DatabaseError);
    LocalTable missing("RurIzov", "NeverCreated");
    EXPECT_THROW(missing.open(), db::DatabaseError);
}

TEST_F(LocalTableTest, FiltersOfTheReports)
{
    add("0041", "001", "甲", 10);
    add("", "", QVariant(), 20);      // a subtotal row: no name
    add("0043", "", "丙", 30);        // half an account
    add("", "", "丁", -5);
    add(QVariant(), QVariant(), "戊", QVariant());
    table.setFilter("YG_NAME<>''");
    table.setFiltered(true);
    EXPECT_EQ(names(), (QStringList{"甲", "丙", "丁", "戊"}));
    EXPECT_EQ(table.sum("A_MTN"), 35.0);
    table.setFilter("((BACC_NO<>'')And(BACC_NO1<>''))Or((BACC_NO='')And(BACC_NO1=''))");
    EXPECT_EQ(names(), (QStringList{"甲", "", "丁", "戊"}));
    table.setFilter("not (a_mtn > 0) or yg_name = '丙'");
    EXPECT_EQ(names(), (QStringList{"丙", "丁", "戊"}));
    table.setFilter("A_MTN>=10 AND A_MTN<'30'");
    EXPECT_EQ(names(), (QStringList{"甲", ""}));
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 5);
    EXPECT_EQ(table.sum("A_MTN"), 55.0);
}

TEST_F(LocalTableTest, FilteredViewFollowsAppends)
{
    table.setFilter("YG_NAME<>''");
    table.setFiltered(true);
    add("1", "", "", 1);
    add("2", "", "乙", 2);
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.fieldText("BACC_NO"), "2");
}

TEST_F(LocalTableTest, InvalidFiltersAreRefusedWithTheReason)
{
    for (const char* filter : {"YG_NAME<>", "(YG_NAME='x'", "YG_NAME=='x'", "YG_NAME<>'abc", "YG_NAME 'x'",
                               "YG_NAME='a' And", "NOPE=''", "YG_NAME='a' Xor A_MTN=1"}) {
        try {
            table.setFilter(filter);
            ADD_FAILURE() << "accepted: " << filter;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(QString(e.what()).indexOf(filter), -1) << e.what();
        }
    }
}

TEST_F(LocalTableTest, SortByFieldsThenSum)
{
    add("B", "", "x", 10);
    add("A", "", "y", 9);
    add("B", "", "z", 9.5);
    add("A", "", "w", 100);
    table.sortBy({"BACC_NO", "A_MTN"});
    EXPECT_EQ(names(), (QStringList{"y", "w", "z", "x"}));   // amounts by value, not as text
    EXPECT_EQ(table.sum("a_mtn"), 128.5);
    EXPECT_THROW(table.sortBy({"NOPE"}), std::invalid_argument);
}

TEST_F(LocalTableTest, SignalsOnlyWhenWatchedAndOnceInAnUpdate)
{
    int rows = 0, structure = 0;
    auto data = table.data();
    QObject::connect(data.get(), &db::LocalTableData::rowsChanged, [&] { ++rows; });
    QObject::connect(data.get(), &db::LocalTableData::structureChanged, [&] { ++structure; });
    add("1", "", "a", 1);
    EXPECT_EQ(rows, 1);
    {
        db::LocalTableUpdate update(data);
        for (int i = 0; i < 1000; ++i)
            add("1", "", "a", i);
        table.emptyTable();
        EXPECT_EQ(rows, 1);
    }
    EXPECT_EQ(rows, 2);
    table.addField({"REM", FieldDef::Type::Text, 30});
    EXPECT_EQ(structure, 1);
}

TEST_F(LocalTableTest, AppendsAHundredThousandRows)
{
    const QString account = QStringLiteral("BACC_NO"), name = QStringLiteral("YG_NAME"), amount = QStringLiteral("A_MTN");
    const QVariant accountValue("00412345678901"), nameValue("王小明");
    for (int i = 0; i < 100000; ++i) {
        table.append();
        table.setField(account, accountValue);
        table.setField(name, nameValue);
        table.setField(amount, i + 0.5);
        table.post();
    }
    EXPECT_EQ(table.recordCount(), 100000);
    EXPECT_EQ(table.fieldFloat(amount), 99999.5);
    table.first();
    EXPECT_EQ(table.fieldFloat(amount), 0.5);
    EXPECT_EQ(table.fieldText(name), "王小明");
}

// Rows are kept compactly; every cell must come back as it was set, read by any component.
TEST_F(LocalTableTest, CellsComeBackExactlyAsSet)
{
    const QString latin1 = QStringLiteral("Jos\u00e9 M\u00fcller \u00ff"), wide = QStringLiteral("陳\u0100林 😀");
    const QString longText = QString(300, u'x') + QStringLiteral("陳");   // past one byte of length
    const QString names21 = QStringLiteral("陳大文林小明王五趙六錢七孫八李九周十吳鄭馮");
    add(QVariant(), QString(), "", 0.0);
    add(names21, latin1, wide, -1234567.891);
    add("12345678901234567890123", "ABCDEFGHIJ", latin1, 1e18);
    table.addField({"REM", FieldDef::Type::Text, 0});
    table.addField({"N", FieldDef::Type::Integer});
    table.last();
    table.edit();
    table.setField("REM", longText);
    table.setField("N", "42.6");
    table.post();

    LocalTable other("RurIzov", "Transfer");
    other.open();
    EXPECT_EQ(other.recordCount(), 3);
    EXPECT_FALSE(other.field("BACC_NO").isValid()) << "NULL stays NULL";
    EXPECT_TRUE(other.field("BACC_NO1").isValid() && other.field("BACC_NO1").toString().isNull()) << "a null text is no NULL";
    EXPECT_TRUE(other.field("YG_NAME").isValid() && !other.field("YG_NAME").toString().isNull()) << "an empty text stays a text";
    EXPECT_EQ(other.field("A_MTN").typeId(), QMetaType::Double);
    EXPECT_FALSE(other.field("REM").isValid()) << "a field added later is NULL in the rows before";
    other.next();
    EXPECT_EQ(other.fieldText("BACC_NO"), names21.left(20));
    EXPECT_EQ(other.fieldText("BACC_NO1"), latin1.left(8));
    EXPECT_EQ(other.fieldText("YG_NAME"), wide);
    EXPECT_EQ(other.fieldFloat("A_MTN"), -1234567.891);
    other.next();
    EXPECT_EQ(other.fieldText("BACC_NO"), "12345678901234567890");
    EXPECT_EQ(other.fieldText("YG_NAME"), latin1);
    EXPECT_EQ(other.fieldFloat("A_MTN"), 1e18);
    EXPECT_EQ(other.fieldText("REM"), longText);
    EXPECT_EQ(other.field("N").typeId(), QMetaType::LongLong);
    EXPECT_EQ(other.field("N").toLongLong(), 43);

    // Changing one cell of a row leaves the others as they were.
    other.first();
    other.next();
    other.edit();
    other.setField("A_MTN", 7);
    other.post();
    table.first();
    table.next();
    EXPECT_EQ(table.fieldText("YG_NAME"), wide);
    EXPECT_EQ(table.fieldText("BACC_NO1"), latin1.left(8));
    EXPECT_EQ(table.fieldFloat("A_MTN"), 7.0);
}

// Qt's SQL layer gives a NULL as a variant of the column's type with no value: such a cell is a
// NULL, whether a field is set to it or the rows store it; a value of any other type is its text.
TEST_F(LocalTableTest, ANullOfATypeIsStoredAsANull)
{
    const QVariant nullText(QMetaType::fromType<QString>(), nullptr), nullNumber(QMetaType::fromType<double>(), nullptr);
    add(nullText, QString(), "", nullNumber);
    EXPECT_FALSE(table.field("BACC_NO").isValid());
    EXPECT_TRUE(table.field("BACC_NO1").isValid()) << "a null text is no NULL";
    EXPECT_FALSE(table.field("A_MTN").isValid());

    db::LocalRows rows;
    rows.push_back({nullText, nullNumber, QVariant(QMetaType::fromType<qlonglong>(), nullptr), QVariant(QDate(2026, 3, 5)), QVariant(7),
                    QVariant(QString())});
    EXPECT_FALSE(rows.cell(0, 0).isValid());
    EXPECT_FALSE(rows.cell(0, 1).isValid());
    EXPECT_FALSE(rows.cell(0, 2).isValid());
    EXPECT_EQ(rows.cell(0, 3), QVariant(QStringLiteral("2026-03-05")));
    EXPECT_EQ(rows.cell(0, 4), QVariant(QStringLiteral("7")));
    EXPECT_TRUE(rows.cell(0, 5).isValid() && rows.cell(0, 5).toString().isNull());
}

// Rows lie one after another in shared chunks: a row that grows, one larger than a chunk and rows
// changed after a sort each keep their own cells and leave their neighbours' alone.
TEST_F(LocalTableTest, RowsKeepTheirCellsAsTheyGrowAcrossChunks)
{
    table.addField({"REM", FieldDef::Type::Text, 0});
    const QString large(70 * 1024, u'y');
    for (int i = 0; i < 3000; ++i) {
        add(QString::number(i), "B", QStringLiteral("陳%1").arg(i), 3000 - i);
        if (i % 1000 == 999) {   // the row just stored grows, once past the room its chunk has left
            table.edit();
            table.setField("REM", i == 1999 ? large : QString(40000, u'x'));
            table.post();
        }
    }
    table.sortBy({"A_MTN"});   // the last row stored comes first
    table.first();
    table.edit();
    table.setField("YG_NAME", "first");
    table.post();
    table.addField({"N", FieldDef::Type::Integer});

    table.first();
    EXPECT_EQ(table.fieldText("YG_NAME"), "first");
    EXPECT_EQ(table.fieldText("REM"), QString(40000, u'x'));
    int checked = 0;
    for (table.next(); !table.eof(); table.next(), ++checked) {
        const int i = 2998 - checked;
        ASSERT_EQ(table.fieldText("BACC_NO"), QString::number(i));
        ASSERT_EQ(table.fieldText("YG_NAME"), QStringLiteral("陳%1").arg(i));
        ASSERT_EQ(table.fieldText("REM"), i == 1999 ? large : i == 999 ? QString(40000, u'x') : QString());
        ASSERT_FALSE(table.field("N").isValid());
    }
    EXPECT_EQ(checked, 2999);
}

// A reader of one employee of a row of several reads his columns by the first employee's names,
// and knows no others; the table itself keeps its own names.
TEST_F(LocalTableTest, AReaderByOtherNamesSeesOnlyTheFieldsTheyStandFor)
{
    add("004", "B1", "first", 10);
    add("005", "B2", "second", 20);
    LocalTable reader = table;
    reader.readFieldsAs({{"YG_NAME", "BACC_NO1"}, {"A_MTN", "A_MTN"}});
    reader.moveTo(0);
    EXPECT_EQ(reader.fieldAscii("YG_NAME").value_or(QByteArrayView("?")), "B1");
    EXPECT_EQ(reader.fieldText(QStringLiteral("yg_name")), "B1") << "names are found in any case";
    reader.next();
    EXPECT_EQ(reader.fieldText("YG_NAME"), "B2");
    EXPECT_EQ(reader.fieldFloat("A_MTN"), 20);
    EXPECT_FALSE(reader.hasField("BACC_NO"));
    EXPECT_THROW(reader.field("BACC_NO1"), std::invalid_argument);
    table.last();
    EXPECT_EQ(table.fieldText("YG_NAME"), "second");
}

// A cell's text is what its value gives as text, whether read first as text or as a value first,
// for every kind of cell: NULL, null and empty texts, Latin-1, wider and long texts, numbers.
TEST_F(LocalTableTest, TextOfEveryKindOfCellAsItsValueGivesIt)
{
    add(QVariant(), QString(), "", 0.5);
    add(QString(300, u'\u00e9'), "陳 😀", QString(260, u'陳'), -1e18);
    add(QStringLiteral(" \t\u00a0 "), QStringLiteral("\u3000 "), QStringLiteral(" A "), 0);   // blanks of each kind
    table.addField({"N", FieldDef::Type::Integer});
    table.first();
    table.edit();
    table.setField("N", -9007199254740993LL);
    table.post();
    const QStringList names{"BACC_NO", "BACC_NO1", "YG_NAME", "A_MTN", "N"};
    for (bool valueFirst : {false, true}) {
        LocalTable reader("RurIzov", "Transfer");
        reader.open();
        for (reader.first(); !reader.eof(); reader.next()) {
            for (const QString& name : names) {
                QVariant value;
                if (valueFirst)
                    value = reader.field(name);
                const bool blank = reader.fieldBlank(name);
                const QString text = reader.fieldText(name);
                if (!valueFirst)
                    value = reader.field(name);
                EXPECT_EQ(text, value.isNull() ? QString() : value.toString()) << name.toStdString() << valueFirst;
                EXPECT_EQ(text.isNull(), value.isNull() || value.toString().isNull()) << name.toStdString();
                EXPECT_EQ(blank, text.trimmed().isEmpty()) << name.toStdString() << ' ' << text.toStdString();
            }
        }
    }
    table.first();
    table.edit();
    table.setField("BACC_NO", "E9");
    EXPECT_EQ(table.fieldText("BACC_NO"), "E9") << "the row being edited reads as edited";
    table.cancel();
    EXPECT_EQ(table.fieldText("BACC_NO"), "") << "and as stored once the edit is dropped";
}

TEST_F(LocalTableTest, SortIsStableAndFiltersReadEveryKindOfText)
{
    add("B", "", "甲", 2);
    add(QVariant(), "", "Ñ1", 1);
    add("B", "", "a", 2);
    add("A", "", "乙", 2);
    add(QString(), "", "Ñ2", 5);
    add("B", "", "丙", 1);
    table.sortBy({"A_MTN", "BACC_NO"});
    EXPECT_EQ(names(), (QStringList{"Ñ1", "丙", "乙", "甲", "a", "Ñ2"})) << "rows of equal keys keep their order";
    table.sortBy({"BACC_NO"});
    EXPECT_EQ(names(), (QStringList{"Ñ1", "Ñ2", "乙", "丙", "甲", "a"})) << "NULL before texts, the null text among them";
    table.setFilter("(BACC_NO='B') or (YG_NAME='Ñ2')");
    table.setFiltered(true);
    EXPECT_EQ(names(), (QStringList{"Ñ2", "丙", "甲", "a"}));
    EXPECT_EQ(table.sum("A_MTN"), 10.0);
    table.setFilter("YG_NAME>'a'");
    EXPECT_EQ(names(), (QStringList{"Ñ1", "Ñ2", "乙", "丙", "甲"}));
}

TEST_F(LocalTableTest, AListenerThatChangesTheRowIsSeenByTheNextRead)
{
    add("1", "", "a", 1);
    LocalTable listener("RurIzov", "Transfer");
    listener.open();
    bool busy = false;
    QObject::connect(table.data().get(), &db::LocalTableData::rowsChanged, [&] {
        if (std::exchange(busy, true))
            return;
        listener.last();
        listener.edit();
        listener.setField("YG_NAME", "changed");
        listener.post();
    });
    table.first();
    table.edit();
    table.setField("YG_NAME", "mine");
    table.post();
    EXPECT_EQ(table.fieldText("YG_NAME"), "changed");
}

TEST_F(LocalTableTest, ANameReadRowAfterRowFindsItsFieldAfterTheFieldsChange)
{
    add("1", "2", "a", 10);
    const QString name = QStringLiteral("YG_NAME"), made = QString::fromLatin1("A_MTN");
    EXPECT_EQ(table.fieldText(name), "a");
    EXPECT_EQ(table.fieldFloat(made), 10);
    EXPECT_EQ(table.fieldFloat(QString::fromLatin1("A_MTN")), 10) << "an equal name made anew";

    // Another component redefines the table: the same names now stand for other fields.
    LocalTable other("RurIzov", "Transfer");
    other.clearFields();
    other.addField({"A_MTN", FieldDef::Type::Float});
    other.addField({"YG_NAME", FieldDef::Type::Text, 30});
    other.createTable();
    other.open();
    other.append();
    other.setField("YG_NAME", "b");
    other.setField("A_MTN", 20);
    other.post();
    table.first();
    EXPECT_EQ(table.fieldText(name), "b");
    EXPECT_EQ(table.fieldFloat(made), 20);
    EXPECT_FALSE(table.hasField(QString::fromLatin1("BACC_NO")));
}

TEST(LocalTableRegistry, ATableLivesWhileAComponentHoldsIt)
{
    {
        LocalTable t("Temp", "ErrorTab");
        t.addField({"BACC_NO", FieldDef::Type::Text, 20});
        t.createTable();
        EXPECT_TRUE(LocalTable("TEMP", "errortab").data()->created);
    }
    EXPECT_FALSE(LocalTable("Temp", "ErrorTab").data()->created);
}

} // namespace
