#include "runtime/report/laidout.h"

namespace report {

const LaidOutItem* LaidOutPage::find(const QString& itemName) const
{
    for (const LaidOutItem& item : items)
        if (item.itemName == itemName) return &item;
    return nullptr;
}

std::vector<const LaidOutItem*> LaidOutPage::bandItems(const QString& bandName) const
{
    std::vector<const LaidOutItem*> found;
    for (const LaidOutItem& item : items)
        if (item.bandName == bandName) found.push_back(&item);
    return found;
}

} // namespace report
