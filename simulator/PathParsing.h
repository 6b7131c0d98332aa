#pragma once

// The engine's text helpers: wildcard matching of a name and the parsing of
// a path given in up to three parts.

#include "tanlink/EngineRecords.h"

#include <QString>

namespace velox::simulator {

// Whether `name` matches `wildcard`: "*" stands for any run of characters,
// "?" for exactly one, and "*.*" for every name (with or without a dot).
bool matchWildcard(const QString& name, const QString& wildcard, bool ignoreCase);

// The engines' MatchWildcard: the ANSI texts through matchWildcard. Returns 87
// (and FALSE where it can) when a pointer is null, else 0.
com::LONG matchWildcardCall(const char* name, const char* wildcard, com::BOOL ignoreCase,
                            com::BOOL* result);

// Joins the parts that are not null (a backslash between two parts unless
// one is there or the first is a bare drive "C:") and splits the result: the
// drive ("C:"), the directory up to and including its last backslash, the
// file name without extension, the extension with its dot, and whether a
// wildcard occurs in the name. Returns 0, 87 when all parts or the record are
// null, or 206 when the path does not fit the record.
com::LONG parsePath(const char* part1, const char* part2, const char* part3,
                    tanlink::ParseRecord* parsed);

} // namespace velox::simulator
