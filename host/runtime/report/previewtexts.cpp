#include "runtime/report/previewtexts.h"
#include "runtime/language.h"
#include <array>
#include <map>

namespace report {
namespace {

// Simplified, traditional, English: the order of the language ids.
using Captions = std::array<const char*, 3>;

const std::map<PreviewText, Captions>& Table()
{
    static const std::map<PreviewText, Captions> table{
        {PreviewText::FirstPage, {"第一页", "第一頁", "First"}},
        {PreviewText::PriorPage, {"上一页", "上一頁", "Prior"}},
        {PreviewText::NextPage, {"下一页", "下一頁", "Next"}},
        {PreviewText::LastPage, {"最后页", "最後頁", "Last"}},
        {PreviewText::WholePage, {"整页", "整頁", "Whole page"}},
        {PreviewText::PageWidth, {"页宽", "頁寬", "Page width"}},
        {PreviewText::ActualSize, {"原尺寸", "原尺寸", "Actual size"}},
        {PreviewText::Print, {"打印", "列印", "Print"}},
        {PreviewText::Close, {"关闭", "關閉", "Close"}},
        {PreviewText::PageOfPages, {"第 %1 页，共 %2 页", "第 %1 頁，共 %2 頁", "Page %1 of %2"}},
        {PreviewText::SavedAsPdf, {"已存为 PDF：%1", "已存成 PDF：%1", "Saved as PDF: %1"}},
        {PreviewText::SentToPrinter, {"已送往打印机 %1", "已送往印表機 %1", "Sent to the printer %1"}},
        {PreviewText::WindowTitle, {"%1 - 打印预览", "%1 - 列印預覽", "%1 - Print preview"}},
    };
    return table;
}

} // namespace

QString PreviewCaption(PreviewText text)
{
    const int language = Language::LanguageID >= 0 && Language::LanguageID <= 2 ? Language::LanguageID : 1;
    return QString::fromUtf8(Table().at(text)[size_t(language)]);
}

} // namespace report
