#pragma once

#include <QString>

class QFileDevice;

// A file failure as the host sees it: a description and a number. Failures the operating
// system reports keep its text and its error number; faults in a file's content, which the
// system knows nothing about, use the fixed texts and numbers of FileFault.
struct FileError
{
    QString Description;
    int Number = 0;
};

// Faults in the content of a file. Their numbers lie above every system error number and
// above the numbers given to file-layer failures without one (1000 and up).
enum class FileFault
{
    BadValue = 2001,  // a value that does not convert to its setting's type
    OutOfRange,       // a number outside the range its setting can hold
    PastEnd,          // the file ends where more lines must follow
    NoClosingBracket, // a header line without its "]"
    BadBlockNumber,   // a block number that is not a whole number of 0 or more
    TooManyLines,     // more entries than the file may hold
    BadLine,          // a line that does not follow the file's layout
    TooLarge,         // more bytes than any record file of ours can hold
};

// The system's text for an error number, the same text the file layer shows.
FileError SystemFileError(int errorNumber);

// The failure the file layer reported for the last operation on the file.
FileError FileErrorOf(const QFileDevice& file);

FileError FaultError(FileFault fault);

// True when the failure is that the file (or a folder on its path) does not exist.
bool IsNotFound(const FileError& error);

// The common text of a failure box: the description, a line break, the number, a line break
// and the closing line that names the file.
QString FileErrorText(const FileError& error, const QString& closingLine);
