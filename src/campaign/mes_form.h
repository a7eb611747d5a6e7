#pragma once
#include <QString>
#include <cstdint>

// Shows the message window modally with a face, a speaker line and a text.
// question makes a yes/no question; otherwise waitForOk makes an OK message and
// false a timed one. Returns -1 when a question was answered yes, else 0.
int16_t MesBox(int16_t face, const QString& speaker, const QString& text, bool question, bool waitForOk);
