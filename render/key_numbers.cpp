#include "render/key_numbers.h"

void Video::DrawKeyLabels() {}
