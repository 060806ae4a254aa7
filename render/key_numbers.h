#pragma once

namespace Video {
// The key numbers under the human's hand and the end mark.
void DrawKeyLabels();
}  // namespace Video
