#include "console/Console.h"
#include "console/MacroEditor.h"
#include "console/MacroFile.h"
#include "console/MacroNames.h"
#include "console/SettingsFile.h"
#include "console/Toolkit.h"
#include "records/MacroFileLimits.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A name typed without an extension gets the macro files' own.
QString withTxtExtension(const QString& path)
{
    if (path.endsWith(u'.'))
        return path + QStringLiteral("txt");
    if (QFileInfo(path).suffix().isEmpty())
        return path + QStringLiteral(".txt");
    return path;
}

} // namespace

bool MacroEditor::mnuSave_Click()
{
    storeBoxes();
    if (!confirmLosses())
        return false;
    if (console_.settings.MacroFile.isEmpty())
        return chooseFileAndSave();
    return writeMacros();
}

bool MacroEditor::mnuSaveAs_Click()
{
    storeBoxes();
    if (!confirmLosses())
        return false;
    return chooseFileAndSave();
}

bool MacroEditor::Form_Unload()
{
    storeBoxes();
    if (controls.MacrosChanged) {
        // Saved without asking; a cancelled Save As still closes, the changes stay in the set
        // for this run. Only the host's wish to mend a text the file cannot keep holds it open.
        if (!confirmLosses())
            return false;
        if (console_.settings.MacroFile.isEmpty())
            chooseFileAndSave();
        else
            writeMacros();
    }
    SaveSettings(console_);
    ShowMacroNames(console_);
    console_.controls.Visible = true;
    return true;
}

// Tells the host which macros would come back shortened or empty; false to go back.
bool MacroEditor::confirmLosses()
{
    const QList<MacroLoss> losses = MacrosLostOnReload(console_.macros);
    if (losses.isEmpty())
        return true;
    const QString question = DescribeLosses(losses, console_.macros);
    return console_.toolkit.Ask(question, QStringLiteral("Check Macros")) == Toolkit::Answer::Yes;
}

bool MacroEditor::chooseFileAndSave()
{
    QString suggested = console_.settings.MacroFile;
    QString path;
    for (;;) {
        const std::optional<QString> chosen = console_.toolkit.SaveFileName(FileFilter, suggested);
        if (!chosen)
            return false;
        path = withTxtExtension(*chosen);
        if (!QFileInfo::exists(path))
            break;
        const Toolkit::Answer answer =
            console_.toolkit.Ask(QDir::toNativeSeparators(path) +
                                     QStringLiteral(" already exists.\nDo you want to replace it?"),
                                 QStringLiteral("Save As"));
        if (answer == Toolkit::Answer::Yes)
            break;
        if (answer == Toolkit::Answer::Cancel)
            return false;
        suggested = path; // No: choose another name
    }
    const QString previous = console_.settings.MacroFile;
    console_.settings.MacroFile = path;
    if (writeMacros())
        return true;
    // The settings must not name a file that was never written.
    console_.settings.MacroFile = previous;
    return false;
}

bool MacroEditor::writeMacros()
{
    console_.toolkit.SetHourglass(true);
    const bool saved = SaveMacros(console_);
    console_.toolkit.SetHourglass(false);
    if (saved)
        controls.MacrosChanged = false;
    return saved;
}
