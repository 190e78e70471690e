#include "bank_layouts.h"

#include "banks/wagbk1/wagbk1.h"
#include "banks/wagbk2/wagbk2.h"
#include "banks/wagbk3/wagbk3.h"
#include "banks/wagbk4/wagbk4.h"
#include "banks/wagbk5/wagbk5.h"
#include "banks/wagbk6/wagbk6.h"
#include "banks/wagbk7/wagbk7.h"
#include "banks/wagbk8/wagbk8.h"
#include "banks/wagbk9/wagbk9.h"
#include "banks/wagbk10/wagbk10.h"
#include "banks/wagbk11/wagbk11.h"
#include "banks/wagbk12/wagbk12.h"
#include "banks/wagbk13/wagbk13.h"
#include "banks/wagbk14/wagbk14.h"
#include "banks/wagbk15/wagbk15.h"
#include "banks/wagbk16/wagbk16.h"
#include "banks/wagbk17/wagbk17.h"
#include "banks/wagbk18/wagbk18.h"
#include "banks/wagbk19/wagbk19.h"
#include "banks/wagbk20/wagbk20.h"
#include "banks/wagbk21/wagbk21.h"
#include "banks/wagbk22/wagbk22.h"
#include "banks/wagbk23/wagbk23.h"
#include "banks/wagbk24/wagbk24.h"
#include "banks/wagbk25/wagbk25.h"
#include "banks/wagbk26/wagbk26.h"
#include "banks/wagbk27/wagbk27.h"
#include "banks/wagbk28/wagbk28.h"

#include <array>
#include <stdexcept>

namespace {

// The export dialog with its layout in reach.
template <class Dialog>
class Opened : public Dialog {
public:
    using Dialog::Dialog;
    using Dialog::Layout;
};

template <class Dialog>
const MediaLayout& layoutOf(int)
{
    const ReleasedForm<Opened<Dialog>> dialog(Create<Opened<Dialog>>(nullptr));
    return dialog->Layout();   // every bank keeps its layout for the life of the program
}

template <>
const MediaLayout& layoutOf<TWagbk2bForm>(int choice)
{
    const ReleasedForm<Opened<TWagbk2bForm>> dialog(Create<Opened<TWagbk2bForm>>(nullptr));
    dialog->setFile(choice == 2 ? PostOfficeFile::AccountData : PostOfficeFile::Deposit);
    return dialog->Layout();
}

} // namespace

const MediaLayout& BankLayout(int bank, int choice)
{
    using Layout = const MediaLayout& (*)(int);
    static const std::array<Layout, 28> layouts{
        &layoutOf<TWagbk1bForm>,
        &layoutOf<TWagbk2bForm>,
        &layoutOf<TWagbk3bForm>,
        &layoutOf<TWagbk4bForm>,
        &layoutOf<TWagbk5bForm>,
        &layoutOf<TWagbk6bForm>,
        &layoutOf<TWagbk7bForm>,
        &layoutOf<TWagbk8bForm>,
        &layoutOf<TWagbk9bForm>,
        &layoutOf<TWagbk10bForm>,
        &layoutOf<TWagbk11bForm>,
        &layoutOf<TWagbk12bForm>,
        &layoutOf<TWagbk13bForm>,
        &layoutOf<TWagbk14bForm>,
        &layoutOf<TWagbk15bForm>,
        &layoutOf<TWagbk16bForm>,
        &layoutOf<TWagbk17bForm>,
        &layoutOf<TWagbk18bForm>,
        &layoutOf<TWagbk19bForm>,
        &layoutOf<TWagbk20bForm>,
        &layoutOf<TWagbk21bForm>,
        &layoutOf<TWagbk22bForm>,
        &layoutOf<TWagbk23bForm>,
        &layoutOf<TWagbk24bForm>,
        &layoutOf<TWagbk25bForm>,
        &layoutOf<TWagbk26bForm>,
        &layoutOf<TWagbk27bForm>,
        &layoutOf<TWagbk28bForm>,
    };
    if (bank < 1 || bank > int(layouts.size()))
        throw std::out_of_range("no bank " + std::to_string(bank));
    return layouts[size_t(bank - 1)](choice);
}
