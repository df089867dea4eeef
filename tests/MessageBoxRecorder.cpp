#include "tests/MessageBoxRecorder.h"

bool TMessageBoxRecorder::Answer(TMessageKind kind, const QString& title, const QString& text) {
  Boxes.append({kind, title, text});
  if (WhileShown) WhileShown();
  return Answers.isEmpty() ? true : Answers.takeFirst();
}
