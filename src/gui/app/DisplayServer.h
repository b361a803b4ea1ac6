#pragma once

namespace zarvex1 {

// Settings for the display server's side of painting, made just before the application object is built
// and taken back once it is, so that programs started from the window do not inherit them.
// On X11 a repaint through shared memory makes the next paint into the same place wait for the server (a
// round trip on every frame of live values, a third of what the Monitor page costs); plain image requests
// cost the same for a whole window and nothing extra for the small repaints of live values. A user's own
// QT_XCB_NO_MITSHM is kept.
void PrepareDisplayServer();
void DisplayServerConnected();

} // namespace zarvex1
