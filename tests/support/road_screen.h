#pragma once

#include <QString>

class QWidget;

// Transcripts of what the windows show, compared with golden text files
// under tests/data: one test checks every caption, field, button state,
// table and chart of a window without spelling them out in code.
namespace lendora::test {

// What a form shows, one line per named control in creation order: the
// window's title and place, then labels, fields (in brackets), buttons (in
// angle brackets), frame titles, tabs, every row of every table (cells
// between bars, coloured cells with their tooltips) and the bars of every
// chart. Hidden, disabled and focused controls are marked.
QString screenText(QWidget* form);
// Lets the work the form does in the background (the intervals, and what
// waits for them) end.
void finishBackgroundWork(QWidget* form);

// The text with CR and LF shown as \r and \n, for one line of a transcript.
QString oneLine(QString text);

// The text equals the golden file (a path under tests/data); a failure names
// the first differing line. With LENDORA_WRITE_GOLDEN set the file is
// written instead, for a reviewed update after a deliberate change.
void expectSameText(const QString& actual, const QString& goldenFile);

} // namespace lendora::test
