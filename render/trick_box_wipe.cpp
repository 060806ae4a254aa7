#include "render/trick_box_wipe.h"

void Video::WipeTrickBox(int32_t /*pattern*/) {}
