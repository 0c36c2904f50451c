#pragma once

#include <QDialog>

// frmAbout: the program's title and version, and the folder its files are in. OK, Enter and
// Esc close it.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(const QString& programFolder, QWidget* parent = nullptr);
};
