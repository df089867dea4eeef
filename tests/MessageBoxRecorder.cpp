#include "tests/MessageBoxRecorder.h"

bool TMessageBoxRecorder::Answer(TMessageKind kind, const QString& title, const QString& text) {
  Boxes.append({kind, title, text});
  return Answers.isEmpty() ? true : Answers.takeFirst();
}
