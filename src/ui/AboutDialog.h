#pragma once

#include <QDialog>

// frmAbout: the program's title and version. OK, Enter and Esc close it.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
