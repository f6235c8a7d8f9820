// The program's own texts, found by number.
#pragma once

#include "ResourceIds.h"

#include <QString>

// An empty text for a number that the table does not hold.
QString LoadString(int id);
