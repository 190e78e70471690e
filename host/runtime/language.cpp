// Texts by group and number, in three languages, read from the compiled-in table texts.tsv.
#include "runtime/language.h"

#include "runtime/qt_texts.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <array>

namespace Language {
int LanguageID = 1;
}

namespace {

constexpr int LanguageCount = 3;
constexpr int TraditionalChinese = 1;

using TextKey = QPair<QString, int>;
using Translations = std::array<QString, LanguageCount>;

// The whole table, read once: (group, id) -> texts in language-id order.
const QHash<TextKey, Translations>& TextTable()
{
    static const QHash<TextKey, Translations> table = [] {
        QHash<TextKey, Translations> texts;
        QFile file(QStringLiteral(":/rar1/texts/texts.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return texts;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (QString line : lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList cells = line.split(u'\t');
            bool numeric = false;
            const int id = cells.value(1).toInt(&numeric);
            if (cells.size() != 2 + LanguageCount || !numeric)
                continue;
            texts.insert({cells[0].toUpper(), id}, {cells[2], cells[3], cells[4]});
        }
        return texts;
    }();
    return table;
}

// The language whose texts are shown; switched only by InitLanguage.
int activeLanguage = TraditionalChinese;

} // namespace

void InitLanguage()
{
    // A language id the table does not have shows the traditional texts, the data's own language.
    activeLanguage = (Language::LanguageID >= 0 && Language::LanguageID < LanguageCount)
        ? Language::LanguageID : TraditionalChinese;
    InstallQtTexts(activeLanguage);
}

QString LoadFormResourceStr(const QString& group, int id, int /*reserved*/)
{
    const auto found = TextTable().constFind({group.toUpper(), id});
    if (found == TextTable().constEnd())
        return QStringLiteral("#%1 %2").arg(group).arg(id);
    const QString& text = (*found)[activeLanguage];
    return text.isEmpty() ? (*found)[TraditionalChinese] : text;
}

QStringList LoadFormResourceStrAll(const QString& group, int id)
{
    const auto found = TextTable().constFind({group.toUpper(), id});
    if (found == TextTable().constEnd())
        return {};
    QStringList texts;
    for (const QString& text : *found) {
        if (!text.isEmpty())
            texts << text;
    }
    return texts;
}
