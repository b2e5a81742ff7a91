#include "common/date_time_text.h"
