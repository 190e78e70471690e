#pragma once
// Display globals of the host runtime, set from the company context.
#include <cstdint>

namespace Commvar {
extern int iAMT_PointOfATTN;
extern int iCST_PointOfATTN;
extern int iUP_PointOfATTN;
extern int iQTY_PointOfATTN;
extern int iTAX_PointOfATTN;
extern bool Prd_MarkIsNum;
extern std::uint8_t DisplayChType;
}
