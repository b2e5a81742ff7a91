#include "common/number_text.h"
