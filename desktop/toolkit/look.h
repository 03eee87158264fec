#pragma once

class QApplication;

namespace vantrell::toolkit {

// The windows' captions and texts have fixed dark colours, so every desktop
// gets the same light look whatever its own theme.
void ApplyLook(QApplication& application);

}  // namespace vantrell::toolkit
