#pragma once

namespace zarvex1 {

// Keys as the editor receives them: characters by their code, the few virtual keys it uses by their
// code x 256.
enum EditorKey : int {
    KeyCopyChar = 3, // Ctrl+C as a character
    KeyBackspace = 8,
    KeyTab = 9,
    KeyEnter = 13,
    KeyPasteChar = 22, // Ctrl+V as a character
    KeyEscape = 27,
    KeySpace = 32,
    KeyPageUp = 0x21 * 256,
    KeyPageDown = 0x22 * 256,
    KeyEnd = 0x23 * 256,
    KeyHome = 0x24 * 256,
    KeyLeft = 0x25 * 256,
    KeyUp = 0x26 * 256,
    KeyRight = 0x27 * 256,
    KeyDown = 0x28 * 256,
    KeyInsert = 0x2D * 256,
    KeyDelete = 0x2E * 256,
};

} // namespace zarvex1
