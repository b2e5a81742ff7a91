#include "common/day_count.h"
