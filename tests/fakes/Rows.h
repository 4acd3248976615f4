// Test tables kept as data in tests/data/<table>.tsv: a row a line, its name first, then its columns,
// separated by tabs; a line starting with # is a comment, and \t, \r, \n stand for those characters
// and \ufeff for the byte-order mark.
#pragma once

#include <QStringList>

// Adds the columns (all QString) and one row per line of the table, in the current _data() function.
void addRows(const char *table, const QStringList &columns);
// The current row's text in `column`.
QString cell(const char *column);
// The path of a file or folder in tests/data.
QString testData(const QString &name);
