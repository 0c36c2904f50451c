#pragma once

#include <QString>

#include <optional>

// Splits the text of a file into lines as they are read: a line ends at a CR, and an LF right
// after it belongs to that end. An LF alone ends a line only when the reader allows it.
class TextLines
{
public:
    enum class LineFeed
    {
        PartOfLine,
        EndsLine
    };

    explicit TextLines(QString text, LineFeed lineFeed = LineFeed::PartOfLine);

    // True when no line is left: text that ends with a line end has no empty line after it.
    bool AtEnd() const;

    // The next line without its end; empty when the text has no more lines.
    std::optional<QString> Next();

private:
    QString text_;
    qsizetype position_ = 0;
    bool lineFeedEndsLine_;
};
