#pragma once

class QKeyEvent;

// Whether a box that takes only some ASCII characters swallows a key press:
// Ctrl+X, Ctrl+V and Ctrl+C (no text may arrive or leave by the clipboard),
// characters beyond ASCII and printable characters that accepts() refuses.
// Editing keys (cursor, Backspace, Delete, Enter, Tab) always pass.
bool SwallowsTypedKey(const QKeyEvent* key, bool (*accepts)(char c, const void* context), const void* context);
