#pragma once
// F1: a small window listing every key and mouse binding (and the context-menu choices,
// once the window has a context menu).
#include <QWidget>

/// One row of the help table: what to press and what it does.
struct HelpRow {
    const char *Input;
    const char *Action;
};

/// Rows of the help table in the order shown; a row with a null Action heads a section.
extern const HelpRow HelpRows[];
extern const int HelpRowCount;

/// The help window (made once, shown again on every F1).
QWidget *MakeHelpWindow(QWidget *parent);
