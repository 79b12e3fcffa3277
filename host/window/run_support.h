#pragma once
// Helpers shared by the window's benchmark and soak programs.
class QWidget;

/// A field of /proc/self/status in kB ("VmRSS", "VmHWM"), or -1 if it cannot be read.
long ProcessStatusKb(const char *field);
/// Queues a left-button press and release at the centre of `target`, as a person's click.
void PostClick(QWidget *target);
