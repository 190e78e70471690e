#include "runtime/report/fontmap.h"
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace report {
namespace {

struct FaceMapping {
    QStringList designFaces;
    QStringList installedCandidates;
};

const QStringList& MingCandidates()
{
    static const QStringList faces{QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"),
                                   QStringLiteral("Noto Serif CJK TC"), QStringLiteral("AR PL UMing CN")};
    return faces;
}

const std::vector<FaceMapping>& Mappings()
{
    static const std::vector<FaceMapping> mappings{
        {{QStringLiteral("細明體"), QStringLiteral("新細明體"), QStringLiteral("MingLiU"), QStringLiteral("PMingLiU"),
          QStringLiteral("明體")},
         MingCandidates()},
        {{QStringLiteral("宋体"), QStringLiteral("宋體"), QStringLiteral("新宋体"), QStringLiteral("SimSun"),
          QStringLiteral("NSimSun")},
         {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing TW")}},
        {{QStringLiteral("標楷體"), QStringLiteral("DFKai-SB"), QStringLiteral("楷体"), QStringLiteral("KaiTi")},
         {QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing TW")}},
        {{QStringLiteral("Arial"), QStringLiteral("Helvetica"), QStringLiteral("MS Sans Serif"),
          QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Verdana")},
         {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")}},
        {{QStringLiteral("Times New Roman"), QStringLiteral("Times")},
         {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
          QStringLiteral("DejaVu Serif")}},
        {{QStringLiteral("Courier New"), QStringLiteral("Courier")},
         {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
          QStringLiteral("DejaVu Sans Mono")}},
    };
    return mappings;
}

bool Installed(const QString& face)
{
    static const QStringList families = QFontDatabase::families();
    return families.contains(face, Qt::CaseInsensitive);
}

QString FirstInstalled(const QStringList& candidates)
{
    for (const QString& face : candidates)
        if (Installed(face)) return face;
    return QString();
}

const FaceMapping* MappingFor(const QString& face)
{
    for (const FaceMapping& mapping : Mappings())
        if (mapping.designFaces.contains(face, Qt::CaseInsensitive)) return &mapping;
    return nullptr;
}

} // namespace

QFont ResolveFont(const QFont& design)
{
    // A report asks again for the few faces of its design with every text it prints: each is
    // resolved once, and the one font object keeps its loaded glyphs for every text set in it.
    thread_local QHash<QFont, QFont> resolved;
    if (const auto found = resolved.constFind(design); found != resolved.cend())
        return *found;
    QFont font = design;
    if (design.pixelSize() > 0) font.setPointSizeF(design.pixelSize() * 72.0 / 96.0);

    QString face = design.family();
    if (const FaceMapping* mapping = MappingFor(face)) {
        const QString installed = FirstInstalled(mapping->installedCandidates);
        if (!installed.isEmpty()) face = installed;
    }
    // A face that is not installed is left to the system's substitution, which brings its own fallbacks.
    QStringList faces{face};
    const QString chineseFallback = FirstInstalled(MingCandidates());
    if (Installed(face) && !chineseFallback.isEmpty() && chineseFallback.compare(face, Qt::CaseInsensitive) != 0)
        faces << chineseFallback;
    font.setFamilies(faces);
    resolved.insert(design, font);
    return font;
}

} // namespace report
