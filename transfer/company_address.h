#pragma once
#include <QString>

// The company's address (CMP_ADR) from its row of Comp in the system database, for the printouts
// that carry it; empty when the company has no row there.
QString CompanyAddress();
