#include "generator/WorkingList.h"
