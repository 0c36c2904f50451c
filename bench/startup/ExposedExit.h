#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Ends the program, printing its peak memory (kilobytes) on standard output, once every one of
// the windows is exposed on the screen: looked at on the event loop's turn right after each
// exposure, when the window has painted itself, ahead of any task queued on that exposure
// before the watch began.
class ExposedExit final : public QObject
{
public:
    static void Watch(const QList<QWidget*>& windows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ExposedExit(QList<QWidget*> windows);
    void exitIfAllExposed() const;

    QList<QWidget*> windows_;
};
