#include "options.h"

uint8_t alwyOnTop = 0;
int32_t snapTol = snapOnTol;
