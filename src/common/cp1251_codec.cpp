#include "common/cp1251_codec.h"
