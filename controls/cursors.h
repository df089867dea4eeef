#pragma once

#include <QCursor>

// The two hand cursors of the photo tiles, from the program's cursor resources
// (32 x 32, hotspot at the top-left corner).
QCursor OpenHandCursor();
QCursor GrabHandCursor();

// The one application-wide cursor that overrides every widget's own, or none.
// Unlike Qt's stack of overrides there is only ever one: setting replaces it.
void SetScreenCursor(const QCursor& cursor);
void ResetScreenCursor();
