// Display globals of the host runtime; SetCompanyData sets them from the company context.
#include "runtime/commvar.h"

namespace Commvar {
int iAMT_PointOfATTN = 0;
int iCST_PointOfATTN = 0;
int iUP_PointOfATTN = 0;
int iQTY_PointOfATTN = 0;
int iTAX_PointOfATTN = 0;
bool Prd_MarkIsNum = false;
std::uint8_t DisplayChType = 0;
}
