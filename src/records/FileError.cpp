#include "records/FileError.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace {

// The file layer words a few errors itself and takes the rest from the C library.
QString systemText(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
        return QStringLiteral("Permission denied");
    case EMFILE:
        return QStringLiteral("Too many open files");
    case ENOENT:
        return QStringLiteral("No such file or directory");
    case ENOSPC:
        return QStringLiteral("No space left on device");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber)).trimmed();
    }
}

// The file layer gives its failures as text; the number is found again by the text, so one
// failure always shows with one number.
constexpr int HighestSystemError = 200;
constexpr int FileLayerBase = 1000;

} // namespace

FileError SystemFileError(int errorNumber)
{
    return {systemText(errorNumber), errorNumber};
}

FileError FileErrorOf(const QFileDevice& file)
{
    const QString text = file.errorString();
    for (int number = 1; number <= HighestSystemError; ++number) {
        if (systemText(number) == text)
            return {text, number};
    }
    // A failure the file layer found itself ("Filename refers to a directory"): its kind.
    return {text.isEmpty() ? QStringLiteral("Unknown error") : text,
            FileLayerBase + static_cast<int>(file.error())};
}

FileError FaultError(FileFault fault)
{
    const int number = static_cast<int>(fault);
    switch (fault) {
    case FileFault::BadValue:
        return {QStringLiteral("Invalid value"), number};
    case FileFault::OutOfRange:
        return {QStringLiteral("Value out of range"), number};
    case FileFault::PastEnd:
        return {QStringLiteral("Input past end of file"), number};
    case FileFault::NoClosingBracket:
        return {QStringLiteral("Header without closing bracket"), number};
    case FileFault::BadBlockNumber:
        return {QStringLiteral("Invalid block number"), number};
    case FileFault::TooManyLines:
        return {QStringLiteral("Too many entries"), number};
    case FileFault::BadLine:
        return {QStringLiteral("Line out of place"), number};
    case FileFault::TooLarge:
        return {QStringLiteral("File too large"), number};
    }
    return {QStringLiteral("Unknown error"), number};
}

bool IsNotFound(const FileError& error)
{
    return error.Number == ENOENT;
}

QString FileErrorText(const FileError& error, const QString& closingLine)
{
    return error.Description + u'\n' + QString::number(error.Number) + u'\n' + closingLine;
}
