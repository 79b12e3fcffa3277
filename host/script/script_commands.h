#pragma once
// The commands of vantro2-script: one table row each (script_commands.cpp), so that a new
// command is its handler and one row.
#include "script_panel.h"

/// Most words a script line may have.
constexpr unsigned MaxWords = 8;
/// Longest script line, its end included.
constexpr unsigned MaxLine = 1024;

/// A script line split into words; quoted words keep their blanks and escapes are resolved.
struct Words {
    char *Item[MaxWords];
    bool Quoted[MaxWords];
    unsigned Count = 0;
};

/// Executes the command of a split line (at least one word) on `panel`; true if it ended the
/// current pump. An unknown command or a wrong number of arguments stops the script.
bool RunScriptCommand(ScriptPanel &panel, Words &words, bool insidePump);
