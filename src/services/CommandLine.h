#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A program's command line in the GNU manner, read before any window or display is needed:
// "--help" and "--version" print and end the run with status 0; an option it does not know, a
// missing value or a stray argument ends it with one line of error and the usage, status 2.
class CommandLine
{
public:
    struct Option
    {
        QStringList Names; // without dashes; a one-letter name is a short option
        QString ValueName; // empty for an option without a value
        QString Help;      // empty: accepted, but not listed in the help
    };
    // What the program does with its command line.
    struct Verdict
    {
        bool Run = true; // false: end now, with Status, once the texts are printed
        int Status = 0;
        QString Out; // for standard output
        QString Err; // for standard error
    };

    // usage: the lines after "Usage: " without the program's name ("[OPTION]...").
    CommandLine(QString program, QString version, QStringList usage, QString summary);

    void Add(const Option& option);
    // Options of the window toolkit itself (-platform, -style, ...): accepted, never listed.
    void AddToolkitOptions();
    // Closing lines of the help, after the options.
    void SetEpilogue(const QString& text);
    // Arguments that are not options are the program's to read, not faults.
    void AcceptArguments();

    // arguments: the program's name first.
    Verdict Check(const QStringList& arguments) const;
    QString Help() const;
    QString Version() const;
    // The end of a run whose command line the program itself found wrong: why, and the usage.
    Verdict Refuse(const QString& why) const;

private:
    QString usageLines() const;

    QString program_;
    QString version_;
    QStringList usage_;
    QString summary_;
    QString epilogue_;
    std::vector<Option> options_;
    bool arguments_ = false;
};

// main's arguments, before any application object exists to read them.
QStringList ArgumentList(int argc, const char* const* argv);

// Prints the verdict's texts to standard output and standard error; returns its status.
int PrintVerdict(const CommandLine::Verdict& verdict);
