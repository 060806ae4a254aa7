#include "render/table_parts.h"

// Placeholders until the table drawing is built: the game flow already calls them.
void Video::ClearTableParts(int32_t) {}
void Video::DrawTableTitles() {}
void Video::DrawScoreCorners() {}
void Video::DrawScoreCorner(bool) {}
void Video::DrawPlayerNames() {}
