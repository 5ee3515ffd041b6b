#pragma once

class QLabel;
class QString;

// Shows `text` in `label` and says it to a screen reader at once: a label that appears is read
// only when the reader is told that its name changed.
void sayInLabel(QLabel* label, const QString& text);
