#include "text/TextLines.h"

#include <utility>

TextLines::TextLines(QString text, LineFeed lineFeed)
    : text_(std::move(text)), lineFeedEndsLine_(lineFeed == LineFeed::EndsLine)
{
}

bool TextLines::AtEnd() const
{
    return position_ >= text_.size();
}

std::optional<QString> TextLines::Next()
{
    if (AtEnd())
        return std::nullopt;
    qsizetype end = position_;
    while (end < text_.size() && text_[end] != u'\r' && !(lineFeedEndsLine_ && text_[end] == u'\n'))
        ++end;
    QString line = text_.mid(position_, end - position_);
    position_ = end;
    if (position_ < text_.size()) {
        const bool carriageReturn = text_[position_] == u'\r';
        ++position_;
        if (carriageReturn && position_ < text_.size() && text_[position_] == u'\n')
            ++position_;
    }
    return line;
}
