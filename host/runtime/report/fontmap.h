#pragma once
// The faces report designs ask for, mapped to faces installed here. The Ming faces of traditional
// forms ("細明體", "新細明體", "MingLiU", "PMingLiU") print in "AR PL UMing TW", the Song faces of
// simplified forms ("宋体", "宋體", "SimSun", "NSimSun") in "AR PL UMing CN", the Kai faces ("標楷體",
// "DFKai-SB", "楷体") in "AR PL UKai TW"; Arial, Times New Roman and Courier New (and their kin) in
// themselves or their metric twins (Liberation, then DejaVu). The next installed face of a list stands
// in when the first is missing. Every installed face gets a Chinese face behind it, so Chinese text set
// in a Latin face (Arial with employee names) still prints.
// Font sizes given in pixels are design-screen pixels (96 per inch) and become points, so that they
// print at the same physical size on every device.
#include <QFont>

namespace report {

QFont ResolveFont(const QFont& design);

} // namespace report
