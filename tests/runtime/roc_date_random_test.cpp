// Randomized ROC date texts: every real date survives the way to text and back in any spelling of
// it, and any other text is refused by name or read as the date its three parts say, never more.
#include "runtime/getdate.h"
#include "support/random_inputs.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The date the text names when read as year/month/day of the ROC calendar, or none.
std::optional<QDate> Expected(const QString& text)
{
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[/.-]")));
    if (parts.size() != 3)
        return std::nullopt;
    int numbers[3];
    const int widths[3] = {3, 2, 2};
    for (int i = 0; i < 3; ++i) {
        const QString digits = parts[i].trimmed();
        if (digits.isEmpty() || digits.size() > widths[i])
            return std::nullopt;
        for (QChar c : digits) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
        }
        numbers[i] = digits.toInt();
    }
    const QDate date(numbers[0] + 1911, numbers[1], numbers[2]);
    if (numbers[0] < 1 || !date.isValid())
        return std::nullopt;
    return date;
}

TEST(RocDateRandom, EveryDateComesBackFromItsText)
{
    RandomInputs random(20260304);
    const int count = RandomInputs::Count(20000);
    const QDate first(1912, 1, 1), last(2910, 12, 31);
    for (int i = 0; i < count; ++i) {
        const QDate date = first.addDays(random.below(int(first.daysTo(last)) + 1));
        const QString text = R_ChinaToTWData(date);
        ASSERT_EQ(R_TWtoChina(text), date) << text.toStdString();
        // The same date spelt otherwise: other separators, no leading zeros, blanks of a mask.
        const QString sep = random.pick({"/", "-", "."});
        const QString loose = QStringLiteral("%1%2%3%2%4").arg(date.year() - 1911).arg(sep).arg(date.month()).arg(date.day());
        ASSERT_EQ(R_TWtoChina(random.chance(50) ? loose : u' ' + loose + u' '), date) << loose.toStdString();
        ASSERT_EQ(R_ChinaToTW(date.toString(QStringLiteral("yyyy/MM/dd"))), text);
    }
    ReportInputsTried("ROC dates to text and back", count);
}

TEST(RocDateRandom, AnyTextIsReadAsItsPartsSayOrRefused)
{
    RandomInputs random(20260305);
    const QStringList pieces = {"0", "1", "2", "9", "12", "29", "30", "31", "115", "999", "1000", "/", "/", "-", ".", " ", "  ", "+", "a", "１"};
    const int count = RandomInputs::Count(20000);
    for (int i = 0; i < count; ++i) {
        const QString text = random.chance(85) ? random.joined(pieces, 7) : random.anyText(10);
        const std::string shown = "input " + std::to_string(i) + ": \"" + text.toStdString() + "\"";
        QDate read;
        bool refused = false;
        try {
            read = R_TWtoChina(text, QStringLiteral("起止發薪日"));
        } catch (const DateError& e) {
            refused = true;
            ASSERT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("起止發薪日"))) << shown << ": " << e.what();
        }
        if (DateIsEmpty(text)) {
            ASSERT_FALSE(refused) << shown;
            ASSERT_TRUE(read.isNull()) << shown;
            continue;
        }
        const std::optional<QDate> expected = Expected(text);
        ASSERT_EQ(!refused, expected.has_value()) << shown;
        if (expected)
            ASSERT_EQ(read, *expected) << shown;

        try {
            const QString roc = R_ChinaToTW(text);
            ASSERT_TRUE(roc.isEmpty() || R_TWtoChina(roc).isValid()) << shown;
        } catch (const DateError&) {
        }
    }
    ReportInputsTried("ROC date texts", count);
}

} // namespace
