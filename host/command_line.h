#pragma once
// Reading numbers from command lines and script lines, and the options every program answers.

/// Parses a whole decimal number within low..high; false (value untouched) for anything else.
bool ParseBoundedLong(const char *text, long low, long high, long &value);

/// Answers --help (the usage on standard output) and --version ("PROGRAM VERSION"): true
/// if `argument` was one of them and the answer has been printed; the program then ends
/// with status 0.
bool AnswerHelpOrVersion(const char *argument, const char *program, const char *usage);

/// True for a word that looks like an option ("-x", "--name"), not a file name ("-" is
/// standard input, "--" ends the options).
bool LooksLikeOption(const char *argument);

/// An option the program does not know: "PROGRAM: unknown option ARG" and the usage on
/// standard error; returns the status 2 for the program to end with.
int RejectOption(const char *argument, const char *program, const char *usage);
