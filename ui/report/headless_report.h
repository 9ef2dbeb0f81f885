// The report written from the command line, without a window: fourbar --report FILE L1 L2 L3 L4 n
// M.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace fourbar::ui {

// "--help" and "--version" alone print the usage or the version to standard output: status 0.
// When argv asks for a report (its first argument is "--report"), writes it and gives the exit
// status: 0 written; 1 refused by the analysis or not written, with the message on standard error;
// 2 wrong usage, with a usage message. nullopt for any other command line, which starts the
// windows. Call it before any Qt application object exists: it makes its own, on the offscreen
// platform, so that it needs no display.
std::optional<int> runHeadlessReport(int argc, char** argv);

// The date as the report prints it: "2025年3月7日".
QString reportDate(const QDate& date);
// The day a report is dated: today, or the day (UTC) of SOURCE_DATE_EPOCH, seconds since 1970,
// when that is set, so that a document made from the report can be made again byte for byte.
QDate reportDay();

// Writes `bytes` to `fileName` whole or not at all (an existing file stays as it was). The reason
// of a failure, or an empty text.
QString saveWhole(const QString& fileName, const QByteArray& bytes);

}  // namespace fourbar::ui
