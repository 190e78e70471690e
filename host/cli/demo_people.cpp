#include "demo_people.h"

namespace {

struct Romanized {
    const char* chinese;
    const char* latin;
};

const Romanized Surnames[] = {
    {"陳", "Chen"}, {"林", "Lin"}, {"黃", "Huang"}, {"張", "Chang"}, {"李", "Lee"}, {"王", "Wang"},
    {"吳", "Wu"}, {"劉", "Liu"}, {"蔡", "Tsai"}, {"楊", "Yang"}, {"許", "Hsu"}, {"鄭", "Cheng"},
    {"謝", "Hsieh"}, {"郭", "Kuo"}, {"洪", "Hung"}, {"邱", "Chiu"}, {"曾", "Tseng"}, {"廖", "Liao"},
    {"賴", "Lai"}, {"徐", "Hsu"}, {"周", "Chou"}, {"葉", "Yeh"}, {"蘇", "Su"}, {"莊", "Chuang"},
    {"呂", "Lu"}, {"江", "Chiang"}, {"何", "Ho"}, {"蕭", "Hsiao"}, {"羅", "Lo"}, {"高", "Kao"},
    {"潘", "Pan"}, {"簡", "Chien"}, {"朱", "Chu"}, {"鍾", "Chung"}, {"彭", "Peng"}, {"游", "Yu"},
    {"詹", "Chan"}, {"胡", "Hu"}, {"施", "Shih"}, {"沈", "Shen"}, {"余", "Yu"}, {"盧", "Lu"},
    {"梁", "Liang"}, {"趙", "Chao"}, {"顏", "Yen"}, {"柯", "Ko"}, {"翁", "Weng"}, {"魏", "Wei"},
    {"孫", "Sun"}, {"戴", "Tai"}, {"歐陽", "Ouyang"}};

const Romanized MenGivenNames[] = {
    {"志明", "Chih-Ming"}, {"俊傑", "Chun-Chieh"}, {"建宏", "Chien-Hung"}, {"家豪", "Chia-Hao"},
    {"冠宇", "Kuan-Yu"}, {"承翰", "Cheng-Han"}, {"柏翰", "Po-Han"}, {"宗憲", "Tsung-Hsien"},
    {"文雄", "Wen-Hsiung"}, {"國華", "Kuo-Hua"}, {"明輝", "Ming-Hui"}, {"俊宏", "Chun-Hung"},
    {"信宏", "Hsin-Hung"}, {"彥廷", "Yen-Ting"}, {"宇軒", "Yu-Hsuan"}, {"育誠", "Yu-Cheng"},
    {"冠廷", "Kuan-Ting"}, {"家瑋", "Chia-Wei"}, {"哲瑋", "Che-Wei"}, {"志豪", "Chih-Hao"}};

const Romanized WomenGivenNames[] = {
    {"淑芬", "Shu-Fen"}, {"美玲", "Mei-Ling"}, {"雅婷", "Ya-Ting"}, {"怡君", "Yi-Chun"},
    {"佳穎", "Chia-Ying"}, {"淑惠", "Shu-Hui"}, {"麗華", "Li-Hua"}, {"秀英", "Hsiu-Ying"},
    {"雅雯", "Ya-Wen"}, {"欣怡", "Hsin-Yi"}, {"詩涵", "Shih-Han"}, {"品妤", "Pin-Yu"},
    {"宜蓁", "Yi-Chen"}, {"郁婷", "Yu-Ting"}, {"惠君", "Hui-Chun"}, {"筱涵", "Hsiao-Han"},
    {"佩君", "Pei-Chun"}, {"婉婷", "Wan-Ting"}, {"思妤", "Szu-Yu"}, {"心怡", "Hsin-Yi"}};

// Given names that Big5 cannot write: the media files must cope with them.
const Romanized RareGivenNames[] = {
    {"堃宏", "Kun-Hung"}, {"喆", "Che"}, {"峯銘", "Feng-Ming"}, {"犇", "Pen"}, {"𡒄仁", "Tsun-Jen"}};

// The number that stands for the letter of an identity number (the household registration area).
int LetterValue(QChar letter)
{
    static const int values[26] = {10, 11, 12, 13, 14, 15, 16, 17, 34, 18, 19, 20, 21,
                                   22, 35, 23, 24, 25, 26, 27, 28, 29, 32, 30, 31, 33};
    return values[letter.unicode() - u'A'];
}

} // namespace

int IdentityCheckDigit(const QString& firstNine)
{
    const int area = LetterValue(firstNine[0]);
    int sum = area / 10 + (area % 10) * 9;
    for (int i = 1; i <= 8; ++i)
        sum += firstNine[i].digitValue() * (9 - i);
    return (10 - sum % 10) % 10;
}

DemoPerson MakeDemoPerson(DemoRandom& random, bool rareName)
{
    const bool woman = !rareName && random.percent(45);
    const Romanized& surname = random.pick(Surnames);
    const Romanized& given = rareName ? random.pick(RareGivenNames)
                                      : (woman ? random.pick(WomenGivenNames) : random.pick(MenGivenNames));
    DemoPerson p;
    p.name = QString::fromUtf8(surname.chinese) + QString::fromUtf8(given.chinese);
    p.englishName = QString::fromUtf8(surname.latin) + u' ' + QString::fromUtf8(given.latin);
    static const char areas[] = "ABCDEFGHJKLMNPQRTUVWXZ";
    const QString firstNine = QChar(u'A' + (areas[random.below(int(sizeof areas) - 1)] - 'A'))
        + QString::number(woman ? 2 : 1) + random.digits(7);
    p.idNumber = firstNine + QString::number(IdentityCheckDigit(firstNine));
    return p;
}
