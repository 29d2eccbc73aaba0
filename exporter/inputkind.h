#pragma once
// An input's kind told by its content, for standard input and for a file whose extension says
// nothing (notes.txt): a position file begins with the program's banner, games begin as PGN
// does (a tag, a comment, an escape line or a move number), anything else is a list of records.
#include <string>

#include "exporter/options.h"

// The kind of an input whose first line that is not blank is this one (a byte-order mark and
// leading blanks allowed): Source::PositionFile, Source::Games or Source::List.
Source::Kind KindOfFirstLine(const std::string &line);
// The kind of a file by its first line that is not blank (read up to a few kilobytes); a file
// that cannot be read, or holds only blanks, counts as a position file, whose reader says why.
Source::Kind KindOfFileContent(const std::string &path);
// True when the list file at path is a regular file with at most one record (a line neither
// blank nor a # comment), so that one OUTPUT can name its picture; the reading stops at the
// second record, so a long list costs no more than its first lines.
bool ListHoldsOneRecord(const std::string &path);
